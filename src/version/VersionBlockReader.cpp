#include "version/VersionBlockReader.h"

#include "version/VersionBlockFormat.h"

#include <algorithm>

namespace F = VersionBlockFormat;

namespace {

char16_t FoldAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

bool SameKey(std::u16string_view a, std::u16string_view b)
{
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

} // namespace

std::optional<VersionBlockReader::Node> VersionBlockReader::ParseNode(std::size_t offset, std::size_t limit) const
{
    if (limit > block_.size() || offset >= limit || limit - offset < F::kNodeHeaderSize)
        return std::nullopt;
    const std::size_t length = F::ReadU16(block_, offset);
    if (length < F::kNodeHeaderSize || length > limit - offset)
        return std::nullopt;

    Node node;
    node.end = offset + length;
    const std::size_t valueLength = F::ReadU16(block_, offset + 2);
    node.type = F::ReadU16(block_, offset + 4);

    // The key is a terminated UTF-16 text that has to end inside the node.
    std::size_t at = offset + F::kNodeHeaderSize;
    for (;; at += 2) {
        if (node.end - at < 2)
            return std::nullopt;
        const char16_t c = static_cast<char16_t>(F::ReadU16(block_, at));
        if (c == 0)
            break;
        node.key.push_back(c);
    }
    const std::size_t valueBytes = node.type == F::kText ? valueLength * 2 : valueLength;
    node.valueBegin = std::min(F::AlignUp4(at + 2), node.end);
    if (valueBytes > node.end - node.valueBegin)
        return std::nullopt;
    node.valueEnd = node.valueBegin + valueBytes;
    node.childrenBegin = std::min(F::AlignUp4(node.valueEnd), node.end);
    return node;
}

std::optional<VersionBlockReader::Node> VersionBlockReader::FindChild(const Node& parent, std::u16string_view key) const
{
    std::size_t at = parent.childrenBegin;
    // Fewer bytes than a header at the end are padding, not a node.
    while (at < parent.end && parent.end - at >= F::kNodeHeaderSize) {
        auto child = ParseNode(at, parent.end);
        if (!child)
            return std::nullopt;
        if (SameKey(child->key, key))
            return child;
        at = F::AlignUp4(child->end); // a child is at least a header long, so this advances
    }
    return std::nullopt;
}

std::optional<VersionBlockReader::Value> VersionBlockReader::Query(std::u16string_view path) const
{
    if (block_.size() < F::kNodeHeaderSize)
        return std::nullopt;
    auto node = ParseNode(0, std::min(block_.size(), F::kMaxBlockSize));
    while (node && !path.empty()) {
        const std::size_t skip = path.find_first_not_of(u'\\');
        if (skip == std::u16string_view::npos)
            break;
        path.remove_prefix(skip);
        const std::size_t cut = std::min(path.find(u'\\'), path.size());
        node = FindChild(*node, path.substr(0, cut));
        path.remove_prefix(cut);
    }
    if (!node)
        return std::nullopt;
    return Value{node->type, block_.subspan(node->valueBegin, node->valueEnd - node->valueBegin)};
}

std::u16string VersionBlockReader::DecodeText(std::span<const std::uint8_t> bytes)
{
    std::u16string text;
    for (std::size_t at = 0; bytes.size() - at >= 2; at += 2) {
        const char16_t c = static_cast<char16_t>(F::ReadU16(bytes, at));
        if (c == 0)
            break;
        text.push_back(c);
    }
    return text;
}
