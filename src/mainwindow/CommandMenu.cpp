#include "mainwindow/CommandMenu.h"

#include "dialogs/AboutCommand.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
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
    {Command::New, QT_TRANSLATE_NOOP("CommandMenu", "Ne&w"), Qt::CTRL | Qt::Key_N, false},
    {Command::Open, QT_TRANSLATE_NOOP("CommandMenu", "&Open..."), Qt::CTRL | Qt::Key_O, false},
    {Command::Save, QT_TRANSLATE_NOOP("CommandMenu", "Sav&e"), Qt::CTRL | Qt::Key_S, false},
    {Command::SaveAs, QT_TRANSLATE_NOOP("CommandMenu", "Sa&ve As..."), Qt::CTRL | Qt::SHIFT | Qt::Key_S, false},
    {Command::Units, QT_TRANSLATE_NOOP("CommandMenu", "&Units..."), Qt::ALT | Qt::Key_U, true},
    {Command::Print, QT_TRANSLATE_NOOP("CommandMenu", "&Print..."), Qt::CTRL | Qt::Key_P, false},
    {Command::WhatIf, QT_TRANSLATE_NOOP("CommandMenu", "What &If..."), Qt::ALT | Qt::Key_I, false},
    {Command::Help, QT_TRANSLATE_NOOP("CommandMenu", "&Help"), QKeyCombination(Qt::Key_F1), true},
    {Command::ProductSelection, QT_TRANSLATE_NOOP("CommandMenu", "Product &Selection"), Qt::ALT | Qt::Key_S, false},
    {Command::WebSite, QT_TRANSLATE_NOOP("CommandMenu", "Visit &Nordavik on the Web"), QKeyCombination(Qt::Key_unknown),
     false},
    {Command::About, AboutCommand::kMenuText, QKeyCombination(Qt::Key_unknown), true},
    {Command::Close, QT_TRANSLATE_NOOP("CommandMenu", "&Close"), Qt::CTRL | Qt::Key_Q, true},
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
        QAction* action = menu_->addAction(tr(c.text));
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

void CommandMenu::ListRecentFiles(std::function<QStringList()> files, std::function<void(const QString&)> open)
{
    // Right after Open..., with the letter R, which no other entry underlines.
    recent_ = new QMenu(tr("Open &Recent"), menu_);
    menu_->insertMenu(Action(Command::Save), recent_);
    connect(recent_, &QMenu::aboutToShow, this, [this, files, open] {
        recent_->clear();
        int n = 0;
        for (const QString& path : files()) {
            // Numbered, so each runs by its digit; a "&" in a name is no accelerator.
            QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
            QAction* action = recent_->addAction(QStringLiteral("&%1 %2").arg(++n % 10).arg(name));
            action->setToolTip(QDir::toNativeSeparators(path));
            connect(action, &QAction::triggered, this, [open, path] { open(path); });
        }
        if (n == 0)
            recent_->addAction(tr("No recent files"))->setEnabled(false);
    });
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
