#pragma once

#include "controls/EditWindow.h"

#include <string>
#include <vector>

// An edit field held in memory: plain editing as a platform edit does it, a private clipboard,
// and counters for the beeps, messages and focus requests a behaviour makes. Used headless
// (the command-line tool) and by the tests.
class MemoryEditWindow : public EditWindow {
public:
    std::string Text() const override { return text_; }
    // Like a platform edit, setting the text puts the caret at its end.
    void SetText(const std::string& text) override;
    EditSelection Selection() const override { return selection_; }
    void SetSelection(std::size_t start, std::size_t end) override;
    void ReplaceSelection(const std::string& text) override;

    // Printable characters replace the selection; Backspace removes the selection or the
    // character before the caret; other control characters change nothing.
    void DefaultChar(char32_t c) override;
    // Delete removes the selection or the character after the caret.
    void DefaultKey(EditKey key) override;
    void DefaultPaste() override;

    void CopyToClipboard(const std::string& text) override { clipboard_ = text; }
    void Beep() override { ++beeps_; }
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    void TakeFocus() override { ++focusRequests_; }
    bool IsReadOnly() const override { return readOnly_; }
    bool IsEnabled() const override { return enabled_; }

    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void SetClipboard(const std::string& text) { clipboard_ = text; }
    const std::string& Clipboard() const { return clipboard_; }
    int Beeps() const { return beeps_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    int FocusRequests() const { return focusRequests_; }

private:
    void RemoveRange(std::size_t start, std::size_t end);

    std::string text_;
    EditSelection selection_;
    std::string clipboard_;
    std::vector<std::string> messages_;
    int beeps_ = 0;
    int focusRequests_ = 0;
    bool readOnly_ = false;
    bool enabled_ = true;
};
