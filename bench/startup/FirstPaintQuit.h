#pragma once

#include <QDialog>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends a dialog's modal run right after its first paint, so a whole process can be timed from
// start to first picture.
class FirstPaintQuit : public QObject {
public:
    explicit FirstPaintQuit(QDialog& dialog)
        : QObject(&dialog)
        , dialog_(dialog)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &dialog_ && event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, &dialog_, &QDialog::reject);
        }
        return false;
    }

private:
    QDialog& dialog_;
    bool done_ = false;
};
