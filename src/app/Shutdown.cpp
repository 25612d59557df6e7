#include "app/Shutdown.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace {

// More windows than any run opens; stops the loop should one refuse to go.
constexpr int kMostWindows = 64;

// The next window to close: an open menu first, then the innermost modal dialog (a dialog the
// platform draws, such as a desktop's file chooser, counts as one too).
QWidget* NextToClose(const QDialog& mainWindow)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &mainWindow)
        return modal;
    return nullptr;
}

void Cancel(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
    // Whatever a dialog made of its Cancel, once hidden its exec() returns.
    if (window->isVisible())
        window->hide();
}

} // namespace

void ShutDown(QDialog& mainWindow)
{
    for (int i = 0; i < kMostWindows; ++i) {
        QWidget* next = NextToClose(mainWindow);
        if (!next)
            break;
        Cancel(next);
    }
    mainWindow.reject();
}
