#include "controls/EditBehavior.h"

#include "controls/Utf8Text.h"

#include <algorithm>

EditBehavior::EditBehavior(EditWindow& window)
    : window_(window)
{
}

EditBehavior::~EditBehavior() = default;

std::string EditBehavior::SanitizedText() const
{
    return window_.Text();
}

void EditBehavior::HandleChar(char32_t c)
{
    if (AcceptChar(c))
        window_.DefaultChar(c);
}

void EditBehavior::HandleKeyDown(EditKey key)
{
    window_.DefaultKey(key);
}

void EditBehavior::HandleFocusLoss()
{
    window_.DefaultFocusLoss();
}

void EditBehavior::HandlePaste()
{
    // A read-only field takes no paste.
    if (window_.IsReadOnly())
        return;
    const EditSelection before = window_.Selection();
    window_.DefaultPaste();
    const std::string sanitized = SanitizedText();
    if (sanitized != window_.Text()) {
        window_.SetText(sanitized);
        SetSelectionClamped(before);
    }
}

bool EditBehavior::AcceptChar(char32_t) const
{
    return true;
}

void EditBehavior::Revalidate()
{
    const std::string sanitized = SanitizedText();
    if (sanitized != window_.Text())
        window_.SetText(sanitized);
}

void EditBehavior::ReformatAfterEdit(int)
{
    const std::string sanitized = SanitizedText();
    if (sanitized != window_.Text())
        AssignKeepingSelection(sanitized, window_.Selection());
}

int EditBehavior::SeparatorCount(const std::string&) const
{
    return 0;
}

void EditBehavior::Cut()
{
    if (window_.IsReadOnly())
        return;
    const EditSelection selection = window_.Selection();
    if (selection.start == selection.end)
        return;
    const std::string text = window_.Text();
    const int separators = SeparatorCount(text);
    window_.CopyToClipboard(text.substr(selection.start, selection.end - selection.start));
    window_.ReplaceSelection({});
    // Removing a piece can join the whole and decimal parts or break the grouping.
    ReformatAfterEdit(separators);
}

void EditBehavior::Clear()
{
    if (window_.IsReadOnly())
        return;
    const EditSelection selection = window_.Selection();
    if (selection.start != selection.end)
        HandleKeyDown(EditKey::Delete);
}

void EditBehavior::AssignText(const std::string& text)
{
    window_.SetText(text);
    const std::string sanitized = SanitizedText();
    if (sanitized != text)
        window_.SetText(sanitized);
}

std::string EditBehavior::CurrentText() const
{
    return window_.Text();
}

std::string EditBehavior::TrimmedText() const
{
    const std::string text = window_.Text();
    constexpr const char* blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool EditBehavior::ChangeOptions(std::uint32_t add, std::uint32_t remove)
{
    const std::uint32_t changed = add | (options_ & ~remove);
    if (changed == options_)
        return false;
    options_ = changed;
    Revalidate();
    return true;
}

void EditBehavior::AssignKeepingSelection(const std::string& text, EditSelection selection)
{
    AssignText(text);
    SetSelectionClamped(selection);
}

void EditBehavior::SetSelectionClamped(EditSelection selection)
{
    const std::string text = window_.Text();
    const std::size_t start = Utf8Text::Snap(text, std::min(selection.start, text.size()));
    const std::size_t end = Utf8Text::Snap(text, std::min(selection.end, text.size()));
    window_.SetSelection(start, std::max(start, end));
}
