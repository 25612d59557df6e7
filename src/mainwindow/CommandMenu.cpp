#include "mainwindow/CommandMenu.h"

#include "dialogs/AboutCommand.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

using Command = CommandMenu::Command;

// The commands in menu order; a separator goes before each marked one. Units and Product
// Selection and What If take Alt and the letter the menu underlines: no editing key of a line edit uses Alt,
// while Ctrl+U deletes the line and, on GNOME, Ctrl+Shift+U starts the input method's Unicode
// entry before any shortcut sees it. Ctrl+O and Ctrl+S are no editing keys. No two entries
// underline the same letter, so each letter runs its entry at once.
const struct {
    Command command;
    const char* text;
    QKeyCombination key;
    bool separatorBefore;
} kCommands[] = {
    {Command::Open, "&Open...", Qt::CTRL | Qt::Key_O, false},
    {Command::Save, "Sav&e", Qt::CTRL | Qt::Key_S, false},
    {Command::SaveAs, "Sa&ve As...", Qt::CTRL | Qt::SHIFT | Qt::Key_S, false},
    {Command::Units, "&Units...", Qt::ALT | Qt::Key_U, true},
    {Command::Print, "&Print...", Qt::CTRL | Qt::Key_P, false},
    {Command::WhatIf, "&What If...", Qt::ALT | Qt::Key_W, false},
    {Command::Help, "&Help", QKeyCombination(Qt::Key_F1), true},
    {Command::ProductSelection, "Product &Selection", Qt::ALT | Qt::Key_S, false},
    {Command::WebSite, "Visit &Nordavik on the Web", QKeyCombination(Qt::Key_unknown), false},
    {Command::About, AboutCommand::kMenuText, QKeyCombination(Qt::Key_unknown), true},
    {Command::Close, "&Close", Qt::CTRL | Qt::Key_Q, true},
};

} // namespace

CommandMenu::CommandMenu(QWidget* window, std::function<void(Command)> run)
    : QObject(window)
    , window_(window)
    , menu_(new QMenu(window))
{
    AddCommands(run);
    AddMenuKeys();
    window_->installEventFilter(this); // a window that goes takes its menu with it
}

CommandMenu::~CommandMenu() = default;

void CommandMenu::AddCommands(const std::function<void(Command)>& run)
{
    for (const auto& c : kCommands) {
        if (c.separatorBefore)
            menu_->addSeparator();
        QAction* action = menu_->addAction(QString::fromUtf8(c.text));
        if (c.key.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(c.key));
            action->setShortcutVisibleInContextMenu(true);
        }
        if (c.command == Command::About)
            action->setData(AboutCommand::kId);
        // Added to the window as well, so the key works while the menu is closed.
        window_->addAction(action);
        connect(action, &QAction::triggered, this, [run, command = c.command] { run(command); });
        actions_.emplace_back(c.command, action);
    }
}

void CommandMenu::AddMenuKeys()
{
    for (QKeyCombination key : {QKeyCombination(Qt::Key_F10), QKeyCombination(Qt::Key_Menu)})
        connect(new QShortcut(QKeySequence(key), window_), &QShortcut::activated, this, &CommandMenu::OpenFromKeyboard);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window_), &QShortcut::activated, this,
            &CommandMenu::OnShiftF10);
}

QAction* CommandMenu::Action(Command command) const
{
    const auto it =
        std::find_if(actions_.begin(), actions_.end(), [command](const auto& a) { return a.first == command; });
    return it == actions_.end() ? nullptr : it->second;
}

void CommandMenu::Open(const QPoint& globalPos, bool highlightFirst)
{
    // The Menu key can ask twice (as a key and, on X11, as a context-menu request).
    if (open_)
        return;
    open_ = true;
    // From the keyboard the first entry is highlighted at once, so a screen reader names it.
    if (highlightFirst)
        QTimer::singleShot(0, menu_, [this] { menu_->setActiveAction(menu_->actions().value(0)); });
    menu_->exec(globalPos);
    open_ = false;
}

void CommandMenu::OpenFromKeyboard()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window_ || !focus->isVisible())
        focus = nullptr;
    Open(focus ? focus->mapToGlobal(QPoint(0, focus->height())) : window_->mapToGlobal(QPoint(0, 0)), true);
}

void CommandMenu::WatchField(QWidget* field)
{
    field->installEventFilter(this);
    fields_.push_back(field);
}

void CommandMenu::OnShiftF10()
{
    QWidget* focus = QApplication::focusWidget();
    if (std::find(fields_.begin(), fields_.end(), focus) == fields_.end()) {
        OpenFromKeyboard();
        return;
    }
    const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    fieldMenuRequested_ = true;
    QApplication::sendEvent(focus, &request);
    fieldMenuRequested_ = false;
}

bool CommandMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Hide)
            menu_->hide();
        return false;
    }
    if (event->type() == QEvent::ContextMenu && !fieldMenuRequested_ &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        OpenFromKeyboard();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
