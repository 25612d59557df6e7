#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <sys/types.h>

// One run of a program that opens a web page (xdg-open, or the browser the desktop registers).
// It is our child with no input, and it is never killed: a browser it started, or that it is,
// must outlive the window. Its exit decides: status 0 is a page opened, another status or a
// crash a failure. One still running after kPatienceMs counts as opened (xdg-open may run the
// browser in the foreground for hours); from then on it is only reaped once it ends. Nothing
// waits: the run looks at its child from timers. It belongs to the application object, not to
// whoever asked, so closing a dialog does not end it.
class OpenerRun : public QObject {
    Q_OBJECT

public:
    static constexpr int kPatienceMs = 3000;

    // Starts program (a full path) with the arguments, never through a shell. Null, with the
    // reason in *error (an errno value), when it could not be started.
    static OpenerRun* Start(const QString& program, const QStringList& arguments, int* error);

signals:
    // Once: whether the page counts as opened.
    void decided(bool opened);

private:
    explicit OpenerRun(pid_t child);
    void Look();
    void Decide(bool opened);

    pid_t child_;
    bool decided_ = false;
    QTimer look_;
    QTimer patience_;
};
