#include "version/VersionBlockWriter.h"

#include <functional>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace F = VersionBlockFormat;

void PutU16(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutText(Bytes& out, const std::u16string& text)
{
    for (char16_t c : text)
        PutU16(out, static_cast<std::uint16_t>(c));
    PutU16(out, 0);
}

void Pad(Bytes& out)
{
    out.resize(F::AlignUp4(out.size()), 0);
}

class NodeWriter {
public:
    explicit NodeWriter(Bytes& out)
        : out_(out)
    {
    }

    // One node: header, key, value, then the children the callback writes. False when a
    // length does not fit its 16-bit field.
    bool Write(const std::u16string& key, std::uint16_t type, const Bytes& value, std::size_t valueLength,
               const std::function<bool()>& children = {})
    {
        Pad(out_);
        const std::size_t start = out_.size();
        out_.resize(start + F::kNodeHeaderSize, 0);
        PutText(out_, key);
        Pad(out_);
        out_.insert(out_.end(), value.begin(), value.end());
        if (children && !children())
            return false;
        const std::size_t length = out_.size() - start;
        if (length > F::kMaxBlockSize || valueLength > 0xFFFF)
            return false;
        Patch(start, static_cast<std::uint16_t>(length));
        Patch(start + 2, static_cast<std::uint16_t>(valueLength));
        Patch(start + 4, type);
        return true;
    }

private:
    void Patch(std::size_t at, std::uint16_t value)
    {
        out_[at] = static_cast<std::uint8_t>(value);
        out_[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }

    Bytes& out_;
};

Bytes TextValue(const std::u16string& text)
{
    Bytes bytes;
    PutText(bytes, text);
    return bytes;
}

bool WriteStringTable(NodeWriter& node, const VersionBlockContents::StringTable& table)
{
    return node.Write(table.key, F::kText, {}, 0, [&] {
        for (const auto& [name, value] : table.values) {
            // The value length of a text node counts UTF-16 units, terminator included.
            if (!value.empty() && !node.Write(name, F::kText, TextValue(value), value.size() + 1))
                return false;
        }
        return true;
    });
}

bool WriteStrings(NodeWriter& node, const VersionBlockContents& contents)
{
    return node.Write(u"StringFileInfo", F::kText, {}, 0, [&] {
        for (const auto& table : contents.stringTables) {
            if (!WriteStringTable(node, table))
                return false;
        }
        return true;
    });
}

bool WriteTranslations(NodeWriter& node, const VersionBlockContents& contents)
{
    Bytes list;
    for (std::uint32_t entry : contents.translations) {
        PutU16(list, static_cast<std::uint16_t>(entry));
        PutU16(list, static_cast<std::uint16_t>(entry >> 16));
    }
    return node.Write(u"VarFileInfo", F::kText, {}, 0,
                      [&] { return node.Write(u"Translation", F::kBinary, list, list.size()); });
}

} // namespace

std::optional<std::vector<std::uint8_t>> VersionBlockWriter::Build(const VersionBlockContents& contents)
{
    Bytes out;
    NodeWriter node(out);
    const auto fixed = F::EncodeFixedInfo(contents.fixed);
    const bool written = node.Write(u"VS_VERSION_INFO", F::kBinary, Bytes(fixed.begin(), fixed.end()), fixed.size(),
                                    [&] { return WriteStrings(node, contents) && WriteTranslations(node, contents); });
    if (!written)
        return std::nullopt;
    return out;
}
