#include "controls/Utf8Text.h"

namespace Utf8Text {

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

std::size_t Next(const std::string& text, std::size_t pos)
{
    if (pos >= text.size())
        return text.size();
    ++pos;
    while (pos < text.size() && IsContinuation(text[pos]))
        ++pos;
    return pos;
}

std::size_t Previous(const std::string& text, std::size_t pos)
{
    pos = Snap(text, pos);
    if (pos == 0)
        return 0;
    --pos;
    while (pos > 0 && IsContinuation(text[pos]))
        --pos;
    return pos;
}

std::size_t Snap(const std::string& text, std::size_t pos)
{
    if (pos >= text.size())
        return text.size();
    while (pos > 0 && IsContinuation(text[pos]))
        --pos;
    return pos;
}

char32_t DecodeAt(const std::string& text, std::size_t pos)
{
    if (pos >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U)
        return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        extra = 1;
        c = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        extra = 2;
        c = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        extra = 3;
        c = lead & 0x07U;
    } else {
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        const std::size_t at = pos + static_cast<std::size_t>(i);
        if (at >= text.size() || !IsContinuation(text[at]))
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[at]) & 0x3FU);
    }
    return c;
}

std::string Encode(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out = "\xEF\xBF\xBD";
    }
    return out;
}

std::size_t CharCount(const std::string& text)
{
    std::size_t count = 0;
    for (const char byte : text)
        if (!IsContinuation(byte))
            ++count;
    return count;
}

std::size_t OffsetOfChar(const std::string& text, std::size_t index)
{
    std::size_t pos = 0;
    while (index > 0 && pos < text.size()) {
        pos = Next(text, pos);
        --index;
    }
    return pos;
}

bool Contains(const std::string& text, char32_t c)
{
    for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos))
        if (DecodeAt(text, pos) == c)
            return true;
    return false;
}

bool IsPrintable(char32_t c)
{
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0);
}

} // namespace Utf8Text
