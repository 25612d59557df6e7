#include "dialogs/OpenError.h"

#include "controls/MessageBoxTitle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include <array>
#include <utility>

namespace {

// The codes this desktop's openers give (see OpenAddress.h) say what happened here; the rest
// keep the shell's wording.
constexpr std::array<std::pair<int, const char*>, 13> kLines = {{
    {0, QT_TRANSLATE_NOOP("OpenError", "The web browser registered for web pages\ncould not be started.")},
    {2, QT_TRANSLATE_NOOP("OpenError", "The web browser registered for web pages\nis not installed.")},
    {3, QT_TRANSLATE_NOOP("OpenError", "The specified path was not found.")},
    {5, QT_TRANSLATE_NOOP("OpenError", "The operating system denied\naccess to the specified file.")},
    {8, QT_TRANSLATE_NOOP("OpenError", "There was not enough memory to complete the operation.")},
    {11, QT_TRANSLATE_NOOP("OpenError", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
    {26, QT_TRANSLATE_NOOP("OpenError", "A sharing violation occurred. ")},
    {27, QT_TRANSLATE_NOOP("OpenError", "xdg-open could not open it, and the web browser\nregistered for web pages "
                                        "ended with an error.")},
    {28, QT_TRANSLATE_NOOP("OpenError", "The DDE transaction could not\nbe completed because the request timed out.")},
    {29, QT_TRANSLATE_NOOP("OpenError", "The DDE transaction failed.")},
    {30, QT_TRANSLATE_NOOP("OpenError", "The DDE transaction could not\nbe completed because other DDE "
                                        "transactions\nwere being processed.")},
    {31, QT_TRANSLATE_NOOP("OpenError", "xdg-open could not open it, and no web browser\nis registered for web "
                                        "pages (text/html).")},
    {32, QT_TRANSLATE_NOOP("OpenError", "The specified dynamic-link library was not found.")},
}};

QString Tr(const char* text)
{
    return QCoreApplication::translate("OpenError", text);
}

} // namespace

QString OpenErrorText(int code)
{
    QString line = Tr(QT_TRANSLATE_NOOP("OpenError", "Unknown Error (%1) occurred.")).arg(code);
    for (const auto& [known, text] : kLines) {
        if (known == code)
            line = Tr(text);
    }
    return Tr(QT_TRANSLATE_NOOP("OpenError", "Unable to open hyperlink:\n\n")) + line;
}

QString OpenErrorMessage(int code, const QString& address)
{
    return OpenErrorText(code) + QStringLiteral("\n\n") +
           Tr(QT_TRANSLATE_NOOP("OpenError", "To open it in a browser by hand, copy the address:")) +
           QStringLiteral("\n") + address;
}

void ShowOpenError(int code, const QString& address, QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, MessageBoxTitle(), OpenErrorMessage(code, address), QMessageBox::Ok, parent);
    // The address is there to be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void ReportFailedOpen(int code, const QString& address, QWidget* parent)
{
    QApplication::beep();
    ShowOpenError(code, address, parent);
}
