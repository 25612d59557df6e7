#include "controls/NumericEdit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

NumericEdit::NumericEdit(int wholeDigits, int decimalPlaces, QWidget* parent)
    : NumericEdit(wholeDigits, decimalPlaces, LocaleChars::FromProcessLocale(), parent)
{
}

NumericEdit::NumericEdit(int wholeDigits, int decimalPlaces, LocaleChars chars, QWidget* parent)
    : QLineEdit(parent)
    , ValidatingEdit(static_cast<QWidget&>(*this))
    , behavior_(static_cast<EditWindow&>(*this), wholeDigits, decimalPlaces, chars)
{
    // A drop would insert unchecked text; numbers are typed or pasted.
    setAcceptDrops(false);
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, [this] { RouteExternalChange(); });
}

NumericEdit::~NumericEdit()
{
    disconnect(this, &QLineEdit::textChanged, this, nullptr);
}

// --- operations -----------------------------------------------------------------------------

void NumericEdit::SetValue(double value, bool trimZeros)
{
    ChangeScope scope(*this);
    behavior_.SetValue(value, trimZeros);
}

void NumericEdit::SetIntValue(int value)
{
    ChangeScope scope(*this);
    behavior_.SetIntValue(value);
}

void NumericEdit::SetDecimalPlaces(int places)
{
    ChangeScope scope(*this);
    behavior_.SetDecimalPlaces(places);
}

void NumericEdit::SetWholeDigits(int digits)
{
    ChangeScope scope(*this);
    behavior_.SetWholeDigits(digits);
}

void NumericEdit::SetNegativeAllowed(bool allowed)
{
    ChangeScope scope(*this);
    behavior_.SetNegativeAllowed(allowed);
}

void NumericEdit::SetGroupSize(int size)
{
    ChangeScope scope(*this);
    behavior_.SetGroupSize(size);
}

void NumericEdit::SetSeparatorChars(char decimalPoint, char groupSeparator)
{
    ChangeScope scope(*this);
    behavior_.SetSeparatorChars(decimalPoint, groupSeparator);
}

void NumericEdit::SetPrefixText(const QString& prefix)
{
    ChangeScope scope(*this);
    behavior_.SetPrefixText(prefix.toStdString());
}

void NumericEdit::ApplyPattern(const QString& pattern)
{
    ChangeScope scope(*this);
    behavior_.ApplyPattern(pattern.toStdString());
}

void NumericEdit::SetLimits(double minimum, double maximum)
{
    ChangeScope scope(*this);
    behavior_.SetLimits(minimum, maximum);
}

bool NumericEdit::ChangeOptions(std::uint32_t add, std::uint32_t remove)
{
    ChangeScope scope(*this);
    return behavior_.ChangeOptions(add, remove);
}

bool NumericEdit::CheckLimits(bool report)
{
    return behavior_.CheckLimits(report);
}

void NumericEdit::ClampToLimits()
{
    ChangeScope scope(*this);
    behavior_.ClampToLimits();
}

// --- widget primitives ----------------------------------------------------------------------

std::pair<int, int> NumericEdit::WidgetSelection() const
{
    if (hasSelectedText())
        return {selectionStart(), selectionEnd()};
    return {cursorPosition(), cursorPosition()};
}

void NumericEdit::SetWidgetSelection(int start, int end)
{
    if (start == end)
        setCursorPosition(start);
    else
        setSelection(start, end - start);
}

void NumericEdit::DeleteForward()
{
    // del() edits even a read-only line edit; the key must not.
    if (!isReadOnly())
        del();
}

void NumericEdit::PasteOver(const QString& text)
{
    selectAll();
    pendingPaste_ = text;
    RoutePaste(QClipboard::Clipboard);
    pendingPaste_.reset();
}

void NumericEdit::BasePaste(QClipboard::Mode mode)
{
    if (pendingPaste_)
        insert(*pendingPaste_);
    else if (mode == QClipboard::Clipboard)
        paste();
    else
        insert(QGuiApplication::clipboard()->text(mode));
}

// --- events ---------------------------------------------------------------------------------

void NumericEdit::keyPressEvent(QKeyEvent* event)
{
    RouteKeyPress(event);
}

void NumericEdit::focusOutEvent(QFocusEvent* event)
{
    // Opening a menu is not leaving the field.
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    RouteFocusOut(event);
}

void NumericEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the X11 selection; that paste takes the same rule as any other.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly() && rect().contains(event->position().toPoint())) {
            deselect();
            RoutePaste(QClipboard::Selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Numbers need no composing: only committed text counts, typed character by character.
    RouteInputMethodCommit(event->commitString());
    event->accept();
}

QMenu* NumericEdit::CreateContextMenu()
{
    // QLineEdit's own menu calls its slots directly, past the rules; this one has the same
    // entries in the same words.
    auto* menu = new QMenu(this);
    const auto label = [](const char* text, QKeySequence::StandardKey key) {
        QString shown = QCoreApplication::translate("QLineEdit", text);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty())
            shown += QLatin1Char('\t') + shortcut;
        return shown;
    };
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();

    QAction* action = menu->addAction(label("&Undo", QKeySequence::Undo));
    action->setEnabled(editable && isUndoAvailable());
    connect(action, &QAction::triggered, this, [this] { RouteWidgetEdit([this] { undo(); }); });
    action = menu->addAction(label("&Redo", QKeySequence::Redo));
    action->setEnabled(editable && isRedoAvailable());
    connect(action, &QAction::triggered, this, [this] { RouteWidgetEdit([this] { redo(); }); });
    menu->addSeparator();
    action = menu->addAction(label("Cu&t", QKeySequence::Cut));
    action->setEnabled(editable && selected);
    connect(action, &QAction::triggered, this, [this] { RouteCut(); });
    action = menu->addAction(label("&Copy", QKeySequence::Copy));
    action->setEnabled(selected);
    connect(action, &QAction::triggered, this, &QLineEdit::copy);
    action = menu->addAction(label("&Paste", QKeySequence::Paste));
    action->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    connect(action, &QAction::triggered, this, [this] { RoutePaste(QClipboard::Clipboard); });
    action = menu->addAction(QCoreApplication::translate("QLineEdit", "Delete"));
    action->setEnabled(editable && selected);
    connect(action, &QAction::triggered, this, [this] { RouteClear(); });
    menu->addSeparator();
    action = menu->addAction(label("Select All", QKeySequence::SelectAll));
    action->setEnabled(!text().isEmpty() && selectedText() != text());
    connect(action, &QAction::triggered, this, &QLineEdit::selectAll);
    return menu;
}

void NumericEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
