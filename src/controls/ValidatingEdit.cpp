#include "controls/ValidatingEdit.h"

#include "controls/MessageBoxTitle.h"
#include "controls/Utf8Text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QStringView>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

std::size_t ToUtf8Offset(const QString& text, int pos)
{
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    return static_cast<std::size_t>(QStringView(text).left(pos).toUtf8().size());
}

int ToUtf16Offset(const QString& text, std::size_t bytes)
{
    const QByteArray utf8 = text.toUtf8();
    const auto length = static_cast<qsizetype>(std::min(bytes, static_cast<std::size_t>(utf8.size())));
    return static_cast<int>(QString::fromUtf8(utf8.constData(), length).size());
}

bool AllPrintable(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (!Utf8Text::IsPrintable(c))
            return false;
    return true;
}

} // namespace

ValidatingEdit::ValidatingEdit(QWidget& widget)
    : widget_(widget)
{
}

ValidatingEdit::~ValidatingEdit() = default;

// --- operations -----------------------------------------------------------------------------

QString ValidatingEdit::CurrentText() const
{
    return WidgetText();
}

QString ValidatingEdit::TrimmedText() const
{
    return WidgetText().trimmed();
}

void ValidatingEdit::AssignText(const QString& text)
{
    ChangeScope scope(*this);
    Behavior().AssignText(text.toStdString());
}

void ValidatingEdit::Revalidate()
{
    ChangeScope scope(*this);
    Behavior().Revalidate();
}

void ValidatingEdit::SetBackColor(const QColor& colour)
{
    backColour_ = colour;
    ApplyColours();
    widget_.update();
}

QColor ValidatingEdit::BackColor()
{
    if (!backColour_) {
        backColour_ = widget_.palette().color(QPalette::Active, QPalette::Base);
        ApplyColours();
    }
    return *backColour_;
}

void ValidatingEdit::SetForeColor(const QColor& colour)
{
    foreColour_ = colour;
    foreColourSet_ = true;
    ApplyColours();
    widget_.update();
}

QColor ValidatingEdit::ForeColor()
{
    if (!foreColour_)
        foreColour_ = widget_.palette().color(QPalette::Active, QPalette::Text);
    return *foreColour_;
}

void ValidatingEdit::ApplyColours()
{
    if (!basePalette_)
        basePalette_ = widget_.palette();
    QPalette palette = *basePalette_;
    // The disabled group keeps its greyed text, but not its background.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (backColour_)
            palette.setColor(group, QPalette::Base, *backColour_);
        if (foreColourSet_ && foreColour_ && (foreColour_->rgb() & 0xFFFFFFU) != 0 && group != QPalette::Disabled)
            palette.setColor(group, QPalette::Text, *foreColour_);
    }
    widget_.setPalette(palette);
}

// --- change reporting -----------------------------------------------------------------------

ValidatingEdit::ChangeScope::ChangeScope(ValidatingEdit& edit)
    : edit_(edit)
{
    if (edit_.depth_++ == 0)
        edit_.textBefore_ = edit_.WidgetText();
}

ValidatingEdit::ChangeScope::~ChangeScope()
{
    if (--edit_.depth_ == 0 && edit_.WidgetText() != edit_.textBefore_)
        edit_.NotifyChanged();
}

// --- EditWindow -----------------------------------------------------------------------------

std::string ValidatingEdit::Text() const
{
    return WidgetText().toStdString();
}

void ValidatingEdit::SetText(const std::string& text)
{
    SetWidgetText(QString::fromStdString(text));
}

EditSelection ValidatingEdit::Selection() const
{
    const QString text = WidgetText();
    const auto [start, end] = WidgetSelection();
    return {ToUtf8Offset(text, start), ToUtf8Offset(text, end)};
}

void ValidatingEdit::SetSelection(std::size_t start, std::size_t end)
{
    const QString text = WidgetText();
    int from = ToUtf16Offset(text, start);
    int to = ToUtf16Offset(text, end);
    if (to < from)
        std::swap(from, to);
    SetWidgetSelection(from, to);
}

void ValidatingEdit::ReplaceSelection(const std::string& text)
{
    InsertWidgetText(QString::fromStdString(text));
}

void ValidatingEdit::DefaultChar(char32_t c)
{
    if (Utf8Text::IsPrintable(c)) {
        InsertWidgetText(QString::fromUcs4(&c, 1));
        return;
    }
    // A control character comes from the key being handled; the widget knows what it means.
    if (currentKey_ != nullptr) {
        BaseKeyPress(currentKey_);
    } else if (c == U'\b') {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        BaseKeyPress(&backspace);
    }
}

void ValidatingEdit::DefaultKey(EditKey key)
{
    if (key == EditKey::Delete)
        DeleteForward();
    else if (currentKey_ != nullptr)
        BaseKeyPress(currentKey_);
}

void ValidatingEdit::DefaultPaste()
{
    BasePaste(pasteMode_);
}

void ValidatingEdit::DefaultFocusLoss()
{
    if (currentFocus_ != nullptr)
        BaseFocusOut(currentFocus_);
}

void ValidatingEdit::CopyToClipboard(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void ValidatingEdit::Beep()
{
    QApplication::beep();
}

std::string ValidatingEdit::Translate(const char* context, const char* text) const
{
    return QCoreApplication::translate(context, text).toStdString();
}

void ValidatingEdit::ShowMessage(const std::string& text)
{
    RunOrDefer([this, message = QString::fromStdString(text)] {
        QMessageBox::warning(&widget_, MessageBoxTitle(), message, QMessageBox::Ok);
    });
}

void ValidatingEdit::TakeFocus()
{
    RunOrDefer([this] { widget_.setFocus(Qt::OtherFocusReason); });
}

bool ValidatingEdit::IsEnabled() const
{
    return widget_.isEnabled();
}

void ValidatingEdit::RunOrDefer(std::function<void()> action)
{
    if (deferUi_)
        deferred_.push_back(std::move(action));
    else
        action();
}

// --- routing --------------------------------------------------------------------------------

void ValidatingEdit::RouteKeyPress(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        RoutePaste(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        RouteCut();
        event->accept();
        return;
    }

    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    QKeyEvent* const previousKey = std::exchange(currentKey_, event);
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        ChangeScope scope(*this);
        Behavior().HandleKeyDown(EditKey::Delete);
        event->accept();
    } else if (event->key() == Qt::Key_Backspace && modifiers == Qt::NoModifier) {
        ChangeScope scope(*this);
        Behavior().HandleChar(U'\b');
        event->accept();
    } else if (const QString text = event->text();
               !text.isEmpty() && AllPrintable(text) &&
               (modifiers == Qt::NoModifier || modifiers == (Qt::ControlModifier | Qt::AltModifier))) {
        // Ctrl+Alt is how AltGr arrives on some platforms.
        TypeText(text);
        event->accept();
    } else if (IsReadOnly()) {
        // Navigation, selection and copying; a read-only widget changes no text itself.
        BaseKeyPress(event);
    } else {
        // Shortcuts and keys that edit on their own (Ctrl+Backspace, undo, Enter ...): the
        // widget acts, the result is brought back to the valid form.
        ChangeScope scope(*this);
        const int separators = Behavior().SeparatorCount(Text());
        const QString before = WidgetText();
        BaseKeyPress(event);
        if (WidgetText() != before)
            Behavior().ReformatAfterEdit(separators);
    }
    currentKey_ = previousKey;
}

void ValidatingEdit::TypeText(const QString& text)
{
    ChangeScope scope(*this);
    for (const char32_t c : text.toUcs4())
        Behavior().HandleChar(c);
}

void ValidatingEdit::RouteFocusOut(QFocusEvent* event)
{
    QFocusEvent* const previous = std::exchange(currentFocus_, event);
    const bool wasDeferring = std::exchange(deferUi_, true);
    {
        ChangeScope scope(*this);
        Behavior().HandleFocusLoss();
    }
    deferUi_ = wasDeferring;
    currentFocus_ = previous;
    if (!deferUi_ && !deferred_.empty()) {
        // One queued call keeps the order: the message first, then the focus back.
        QTimer::singleShot(0, &widget_, [this, actions = std::exchange(deferred_, {})] {
            for (const auto& action : actions)
                action();
        });
    }
}

void ValidatingEdit::RoutePaste(QClipboard::Mode mode)
{
    const QClipboard::Mode previous = std::exchange(pasteMode_, mode);
    {
        ChangeScope scope(*this);
        Behavior().HandlePaste();
    }
    pasteMode_ = previous;
}

void ValidatingEdit::RouteCut()
{
    ChangeScope scope(*this);
    Behavior().Cut();
}

void ValidatingEdit::RouteClear()
{
    ChangeScope scope(*this);
    Behavior().Clear();
}

void ValidatingEdit::RouteWidgetEdit(const std::function<void()>& edit)
{
    if (IsReadOnly())
        return;
    ChangeScope scope(*this);
    const int separators = Behavior().SeparatorCount(Text());
    const QString before = WidgetText();
    edit();
    if (WidgetText() != before)
        Behavior().ReformatAfterEdit(separators);
}

void ValidatingEdit::RouteInputMethodCommit(const QString& commit)
{
    if (!commit.isEmpty() && !IsReadOnly())
        TypeText(commit);
}

void ValidatingEdit::RouteExternalChange()
{
    if (depth_ > 0)
        return;
    ++depth_;
    const int separators = Behavior().SeparatorCount(Text());
    Behavior().ReformatAfterEdit(separators);
    --depth_;
    NotifyChanged();
}
