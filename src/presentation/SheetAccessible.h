#pragma once

#include "presentation/SheetReading.h"

#include <QAccessible>
#include <QObject>

#include <string>
#include <vector>

class QAccessibleInterface;
class QWidget;
struct SheetState;

// The painted sheet for screen readers. A window that paints its texts gets one of these as
// its first child: the window's accessible object then lists, after its controls, one object per
// painted text that carries information (SheetReading), and every change of those texts is told
// the way a reader listens for it:
// - a new figure in a row that stays: NameChanged;
// - a row that appears or goes with its option: ObjectCreated, or ObjectHide and ObjectDestroyed;
// - a message (the warning, the error of a failed check): an object with the alert role that
//   appears with ObjectCreated, ObjectShow and Alert, and leaves the tree when it is gone. Qt's
//   Linux bridge drops Alert; readers there announce an alert when it starts showing.
class SheetAccessible : public QObject {
    Q_OBJECT

public:
    // Best made first in the window's constructor; an accessible object handed out for the window
    // before is dropped, so that the next one lists the painted texts.
    explicit SheetAccessible(QWidget* window);
    ~SheetAccessible() override;

    // Reads the sheet as painted with the given state and tells what changed since last time.
    void Update(const SheetState& state, const std::string& errorText, const std::string& errorRange);
    void Update(const std::vector<SpokenItem>& items);

    QWidget* Window() const;
    int ItemCount() const;
    QAccessibleInterface* Item(int index) const;
    int IndexOf(const QAccessibleInterface* item) const;

signals:
    // Every event sent, as it is sent; the item is valid during the call.
    void eventSent(QAccessible::Event type, QAccessibleInterface* item);

private:
    struct Entry;

    void Send(QAccessible::Event type, QAccessibleInterface* item);
    void Remove(const Entry& entry);

    std::vector<Entry> items_;
};
