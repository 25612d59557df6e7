#pragma once

#include <QApplication>

// The process: names the settings root and the application after the program file, runs the
// main window modally (opening the calculation file named by the first argument, if any) and
// ends when it returns. A polite termination signal or the end of the desktop session cancels any
// open dialog and closes the window the normal way, so the inputs are saved.
class DoraRiveApp : public QApplication {
    Q_OBJECT

public:
    DoraRiveApp(int& argc, char** argv);
    int Run();
};
