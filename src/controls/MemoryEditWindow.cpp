#include "controls/MemoryEditWindow.h"

#include "controls/Utf8Text.h"

#include <algorithm>
#include <utility>

void MemoryEditWindow::SetText(const std::string& text)
{
    text_ = text;
    selection_ = {text_.size(), text_.size()};
}

void MemoryEditWindow::SetSelection(std::size_t start, std::size_t end)
{
    start = Utf8Text::Snap(text_, start);
    end = Utf8Text::Snap(text_, end);
    if (end < start)
        std::swap(start, end);
    selection_ = {start, end};
}

void MemoryEditWindow::ReplaceSelection(const std::string& text)
{
    text_.replace(selection_.start, selection_.end - selection_.start, text);
    const std::size_t caret = selection_.start + text.size();
    selection_ = {caret, caret};
}

void MemoryEditWindow::RemoveRange(std::size_t start, std::size_t end)
{
    text_.erase(start, end - start);
    selection_ = {start, start};
}

void MemoryEditWindow::DefaultChar(char32_t c)
{
    if (readOnly_)
        return;
    if (c == U'\b') {
        if (selection_.start != selection_.end)
            RemoveRange(selection_.start, selection_.end);
        else if (selection_.start > 0)
            RemoveRange(Utf8Text::Previous(text_, selection_.start), selection_.start);
        return;
    }
    if (Utf8Text::IsPrintable(c))
        ReplaceSelection(Utf8Text::Encode(c));
}

void MemoryEditWindow::DefaultKey(EditKey key)
{
    if (readOnly_ || key != EditKey::Delete)
        return;
    if (selection_.start != selection_.end)
        RemoveRange(selection_.start, selection_.end);
    else if (selection_.start < text_.size())
        RemoveRange(selection_.start, Utf8Text::Next(text_, selection_.start));
}

void MemoryEditWindow::DefaultPaste()
{
    if (!readOnly_)
        ReplaceSelection(clipboard_);
}
