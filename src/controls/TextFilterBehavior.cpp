#include "controls/TextFilterBehavior.h"

#include "controls/Utf8Text.h"

#include <algorithm>
#include <utility>

TextFilterBehavior::TextFilterBehavior(EditWindow& window, int maxLength, std::string rejectedChars)
    : EditBehavior(window)
    , maxLength_(std::max(0, maxLength))
    , rejectedChars_(std::move(rejectedChars))
{
}

std::string TextFilterBehavior::SanitizeText(const std::string& text) const
{
    const std::string cut =
        maxLength_ > 0 ? text.substr(0, Utf8Text::OffsetOfChar(text, static_cast<std::size_t>(maxLength_))) : text;
    if (rejectedChars_.empty())
        return cut;
    std::string out;
    out.reserve(cut.size());
    for (std::size_t pos = 0; pos < cut.size();) {
        const std::size_t next = Utf8Text::Next(cut, pos);
        if (!Utf8Text::Contains(rejectedChars_, Utf8Text::DecodeAt(cut, pos)))
            out.append(cut, pos, next - pos);
        pos = next;
    }
    return out;
}

std::string TextFilterBehavior::SanitizedText() const
{
    return SanitizeText(window_.Text());
}

void TextFilterBehavior::HandleChar(char32_t c)
{
    if (window_.IsReadOnly())
        return;
    if (Utf8Text::Contains(rejectedChars_, c)) {
        window_.Beep();
        return;
    }
    const std::string text = window_.Text();
    if (maxLength_ > 0 && Utf8Text::IsPrintable(c) &&
        Utf8Text::CharCount(text) >= static_cast<std::size_t>(maxLength_)) {
        const EditSelection selection = window_.Selection();
        const std::size_t caret = Utf8Text::CharCount(text.substr(0, selection.start));
        if (caret < static_cast<std::size_t>(maxLength_) && AcceptChar(c)) {
            // A full field is typed over, never lengthened.
            window_.SetSelection(selection.start, std::max(selection.end, Utf8Text::Next(text, selection.start)));
            window_.ReplaceSelection(Utf8Text::Encode(c));
        }
        return;
    }
    if (AcceptChar(c)) {
        window_.DefaultChar(c);
        // Enter and the other control characters are the platform's; their result still has to
        // fit the length and the filter.
        ReformatAfterEdit(0);
    }
}

void TextFilterBehavior::SetMaxLength(int maxLength)
{
    ChangeSetting(maxLength_, std::max(0, maxLength));
}

void TextFilterBehavior::SetRejectedChars(const std::string& rejectedChars)
{
    ChangeSetting(rejectedChars_, rejectedChars);
}
