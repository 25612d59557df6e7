#include "controls/TextFilterEdit.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <utility>

TextFilterEdit::TextFilterEdit(int maxLength, const QString& rejectedChars, QWidget* parent)
    : QPlainTextEdit(parent)
    , ValidatingEdit(static_cast<QWidget&>(*this))
    , behavior_(static_cast<EditWindow&>(*this), maxLength, rejectedChars.toStdString())
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { RouteExternalChange(); });
}

TextFilterEdit::~TextFilterEdit()
{
    disconnect(this, &QPlainTextEdit::textChanged, this, nullptr);
}

std::pair<int, int> TextFilterEdit::WidgetSelection() const
{
    const QTextCursor cursor = textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void TextFilterEdit::SetWidgetSelection(int start, int end)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TextFilterEdit::InsertWidgetText(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

void TextFilterEdit::DeleteForward()
{
    if (isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    cursor.deleteChar();
    setTextCursor(cursor);
}

void TextFilterEdit::BasePaste(QClipboard::Mode mode)
{
    if (pendingPaste_ != nullptr) {
        QPlainTextEdit::insertFromMimeData(pendingPaste_);
        return;
    }
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode))
        QPlainTextEdit::insertFromMimeData(data);
}

void TextFilterEdit::insertFromMimeData(const QMimeData* source)
{
    const QMimeData* const previous = std::exchange(pendingPaste_, source);
    RoutePaste(QClipboard::Clipboard);
    pendingPaste_ = previous;
}

void TextFilterEdit::keyPressEvent(QKeyEvent* event)
{
    RouteKeyPress(event);
}

void TextFilterEdit::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        QPlainTextEdit::focusOutEvent(event);
        return;
    }
    RouteFocusOut(event);
}

void TextFilterEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (isReadOnly() || event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The composing text is the widget's to show; what is committed is typed through the filter.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
    RouteInputMethodCommit(event->commitString());
    event->accept();
}
