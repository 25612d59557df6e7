#pragma once

#include <cstddef>
#include <string>

// The edit behaviours keep their text as UTF-8 and count positions in bytes. These helpers step
// over whole characters so a caret never lands inside one (a prefix such as "€ " is multi-byte).
namespace Utf8Text {

bool IsContinuation(char byte);

// Position of the character after the one at pos (pos itself when at or past the end).
std::size_t Next(const std::string& text, std::size_t pos);

// Position of the character before pos (0 at the start).
std::size_t Previous(const std::string& text, std::size_t pos);

// pos moved back to the start of the character it lies in, and clamped to the text's length.
std::size_t Snap(const std::string& text, std::size_t pos);

// The character starting at pos; U+FFFD for a broken sequence, 0 past the end.
char32_t DecodeAt(const std::string& text, std::size_t pos);

std::string Encode(char32_t c);

std::size_t CharCount(const std::string& text);

// Byte position of the character with the given index (the text's length past the end).
std::size_t OffsetOfChar(const std::string& text, std::size_t index);

bool Contains(const std::string& text, char32_t c);

// Printable as opposed to a control character (Backspace, Enter, Ctrl+letter, DEL, C1 controls).
bool IsPrintable(char32_t c);

} // namespace Utf8Text
