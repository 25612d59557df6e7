#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Finds values in a VS_VERSIONINFO block by path, as "\", "\VarFileInfo\Translation" or
// "\StringFileInfo\040904E4\ProductName". Every length and offset is checked against the
// node that contains it, so a truncated or corrupted block finds nothing instead of reading
// outside the buffer.
class VersionBlockReader {
public:
    struct Value {
        std::uint16_t type = 0;
        std::span<const std::uint8_t> bytes;
    };

    explicit VersionBlockReader(std::span<const std::uint8_t> block)
        : block_(block)
    {
    }

    // Keys compare without regard to ASCII case, as the platform's query does. Empty when a node
    // on the way is missing or malformed.
    std::optional<Value> Query(std::u16string_view path) const;

    // A text value up to its terminator, or to its end when it has none.
    static std::u16string DecodeText(std::span<const std::uint8_t> bytes);

private:
    struct Node {
        std::size_t end = 0;
        std::uint16_t type = 0;
        std::u16string key;
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;
        std::size_t childrenBegin = 0;
    };

    std::optional<Node> ParseNode(std::size_t offset, std::size_t limit) const;
    std::optional<Node> FindChild(const Node& parent, std::u16string_view key) const;

    std::span<const std::uint8_t> block_;
};
