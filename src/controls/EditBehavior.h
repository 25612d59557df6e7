#pragma once

#include "controls/EditWindow.h"

#include <cstdint>
#include <string>

// What a field kind allows and how it handles keystrokes, independent of any widget toolkit.
// It works on the field through EditWindow; the widget only routes its events here.
class EditBehavior {
public:
    explicit EditBehavior(EditWindow& window);
    virtual ~EditBehavior();

    EditBehavior(const EditBehavior&) = delete;
    EditBehavior& operator=(const EditBehavior&) = delete;

    // The valid form of the current text. The plain kind accepts any text.
    virtual std::string SanitizedText() const;
    // A typed character; control characters (Backspace is '\b') arrive here too.
    virtual void HandleChar(char32_t c);
    virtual void HandleKeyDown(EditKey key);
    virtual void HandleFocusLoss();
    // The paste rule: the platform pastes, the result is then cut to its valid form and the
    // caret goes back to where the paste began.
    virtual void HandlePaste();
    virtual bool AcceptChar(char32_t c) const;
    // Sets the text to SanitizedText when they differ (the selection is not kept).
    virtual void Revalidate();
    // After an edit the platform applied on its own (a control character, undo, cut): brings the
    // text back to its valid form and keeps the caret where the user expects it.
    virtual void ReformatAfterEdit(int previousSeparators);
    // How many group separators the text holds; the plain kind has none.
    virtual int SeparatorCount(const std::string& text) const;

    // Cut: the selection goes to the clipboard and is removed.
    void Cut();
    // Clear (the delete command): a non-empty selection is removed as by the Delete key.
    void Clear();
    // The set-text rule: every programmatic text passes through SanitizedText.
    void AssignText(const std::string& text);

    std::string CurrentText() const;
    // The text without leading and trailing white space.
    std::string TrimmedText() const;

    std::uint32_t Options() const { return options_; }
    // new = add | (old & ~remove); re-validates and returns true when that changed anything.
    bool ChangeOptions(std::uint32_t add, std::uint32_t remove);

    EditWindow& Window() const { return window_; }

protected:
    // Sets text through the set-text rule and then restores the given selection.
    void AssignKeepingSelection(const std::string& text, EditSelection selection);
    void SetSelectionClamped(EditSelection selection);
    // A setter's rule: a changed setting re-validates the text, an unchanged one does nothing.
    template <typename T>
    void ChangeSetting(T& setting, const T& value)
    {
        if (setting == value)
            return;
        setting = value;
        Revalidate();
    }

    EditWindow& window_;
    std::uint32_t options_ = 0;
};
