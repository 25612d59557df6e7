#pragma once

#include "controls/TextFilterBehavior.h"
#include "controls/ValidatingEdit.h"

#include <QPlainTextEdit>

// A multi-line text box with a vertical scroll bar that keeps to a maximum length and never
// shows a rejected character. It starts read-only, as the box that shows a help text.
class TextFilterEdit : public QPlainTextEdit, public ValidatingEdit {
    Q_OBJECT

public:
    // maxLength 0 is unlimited; rejectedChars lists the characters that may not appear.
    TextFilterEdit(int maxLength, const QString& rejectedChars, QWidget* parent = nullptr);
    ~TextFilterEdit() override;

    bool IsReadOnly() const override { return isReadOnly(); }
    TextFilterBehavior& Behavior() override { return behavior_; }

signals:
    // Once for every change of the text, whichever way it came.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // Every paste, drop and middle click arrives here.
    void insertFromMimeData(const QMimeData* source) override;

    QString WidgetText() const override { return toPlainText(); }
    void SetWidgetText(const QString& text) override { setPlainText(text); }
    std::pair<int, int> WidgetSelection() const override;
    void SetWidgetSelection(int start, int end) override;
    void InsertWidgetText(const QString& text) override;
    void DeleteForward() override;
    void BaseKeyPress(QKeyEvent* event) override { QPlainTextEdit::keyPressEvent(event); }
    void BaseFocusOut(QFocusEvent* event) override { QPlainTextEdit::focusOutEvent(event); }
    void BasePaste(QClipboard::Mode mode) override;
    void NotifyChanged() override { emit changed(); }

private:
    TextFilterBehavior behavior_;
    const QMimeData* pendingPaste_ = nullptr;
};
