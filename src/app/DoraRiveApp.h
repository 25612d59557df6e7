#pragma once

#include <QApplication>

// The process: names the settings root and the application after the program file, runs the
// main window modally (opening the calculation file named by the first argument, if any) and
// ends when it returns, with the window's exit status. A polite termination signal or the end of
// the desktop session cancels any open dialog and closes the window the normal way, without a
// question, so the inputs are saved (or, when the store cannot take them, rescued to a file).
class DoraRiveApp : public QApplication {
    Q_OBJECT

public:
    DoraRiveApp(int& argc, char** argv);
    int Run();
};
