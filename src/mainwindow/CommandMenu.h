#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The window's commands for the keyboard. Each has an action whose key works wherever the focus
// is in the window, a numeric field included, and all of them are offered, with their keys, in
// one menu: the one the right-click on the window surface opens, and F10, the Menu key and
// Shift+F10 (outside a field) open from the keyboard. In a field Shift+F10 keeps opening the
// field's own editing menu, which the Menu key no longer reaches.
class CommandMenu : public QObject {
    Q_OBJECT

public:
    enum class Command {
        New,
        Open,
        Save,
        SaveAs,
        Units,
        Print,
        WhatIf,
        Help,
        ProductSelection,
        WebSite,
        About,
        Close
    };

    CommandMenu(QWidget* window, std::function<void(Command)> run);
    ~CommandMenu() override;

    QAction* Action(Command command) const;
    QMenu* Menu() const { return menu_; }
    // The recent files, listed afresh each time it opens; choosing one opens it.
    QMenu* RecentMenu() const { return recent_; }
    void ListRecentFiles(std::function<QStringList()> files, std::function<void(const QString&)> open);

    // Opens the menu at a point on the screen; the chosen command runs before it returns.
    void Open(const QPoint& globalPos, bool highlightFirst = false);
    // Opens the menu under the focused control, its first entry highlighted.
    void OpenFromKeyboard();
    // The Menu key reaches a field as a request for its context menu: there it opens this menu.
    void WatchField(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddCommands(const std::function<void(Command)>& run);
    void AddMenuKeys();
    void OnShiftF10();

    QWidget* window_;
    QMenu* menu_;
    QMenu* recent_ = nullptr;
    std::vector<std::pair<Command, QAction*>> actions_;
    std::vector<QWidget*> fields_;
    bool open_ = false;
    bool fieldMenuRequested_ = false;
};
