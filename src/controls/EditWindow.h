#pragma once

#include <cstddef>
#include <string>

// Text and selection of an edit field. Positions are byte offsets into the UTF-8 text; the
// selection is [start, end) with start <= end.
struct EditSelection {
    std::size_t start = 0;
    std::size_t end = 0;

    bool operator==(const EditSelection&) const = default;
};

struct EditState {
    std::string text;
    EditSelection selection;

    bool operator==(const EditState&) const = default;
};

// Keys that reach a behaviour as key-downs rather than as typed characters.
enum class EditKey {
    Delete,
    Other
};

// What an edit behaviour needs from the field it runs in. The platform field (a Qt widget, or
// MemoryEditWindow in headless use) does the plain editing; the behaviour decides what to allow.
class EditWindow {
public:
    virtual ~EditWindow() = default;

    virtual std::string Text() const = 0;
    // Replaces the whole text as the platform does it, without any validation rule.
    virtual void SetText(const std::string& text) = 0;
    virtual EditSelection Selection() const = 0;
    // Selects [start, end) without scrolling; positions beyond the text are clamped.
    virtual void SetSelection(std::size_t start, std::size_t end) = 0;
    // Replaces the selection by text and puts the caret after it.
    virtual void ReplaceSelection(const std::string& text) = 0;

    // The platform's own handling of the character or key being processed.
    virtual void DefaultChar(char32_t c) = 0;
    virtual void DefaultKey(EditKey key) = 0;
    virtual void DefaultPaste() = 0;
    virtual void DefaultFocusLoss() {}

    virtual void CopyToClipboard(const std::string& text) = 0;
    // The exclamation sound.
    virtual void Beep() = 0;
    // A modal message with the exclamation icon and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A marked text in the user's language; without a translation (and headless) as written.
    virtual std::string Translate(const char* /*context*/, const char* text) const { return text; }
    // Gives the keyboard focus back to this field.
    virtual void TakeFocus() = 0;
    virtual bool IsReadOnly() const = 0;
    virtual bool IsEnabled() const = 0;

    EditState State() const { return {Text(), Selection()}; }
};
