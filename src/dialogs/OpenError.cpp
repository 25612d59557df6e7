#include "dialogs/OpenError.h"

#include "controls/MessageBoxTitle.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int, const char*>, 13> kLines = {{
    {0, QT_TRANSLATE_NOOP("OpenError", "The operating system is out\nof memory or resources.")},
    {2, QT_TRANSLATE_NOOP("OpenError", "The specified file was not found.")},
    {3, QT_TRANSLATE_NOOP("OpenError", "The specified path was not found.")},
    {5, QT_TRANSLATE_NOOP("OpenError", "The operating system denied\naccess to the specified file.")},
    {8, QT_TRANSLATE_NOOP("OpenError", "There was not enough memory to complete the operation.")},
    {11, QT_TRANSLATE_NOOP("OpenError", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
    {26, QT_TRANSLATE_NOOP("OpenError", "A sharing violation occurred. ")},
    {27, QT_TRANSLATE_NOOP("OpenError", "The filename association is\nincomplete or invalid.")},
    {28, QT_TRANSLATE_NOOP("OpenError", "The DDE transaction could not\nbe completed because the request timed out.")},
    {29, QT_TRANSLATE_NOOP("OpenError", "The DDE transaction failed.")},
    {30, QT_TRANSLATE_NOOP(
             "OpenError",
             "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.")},
    {31, QT_TRANSLATE_NOOP("OpenError", "There is no application associated\nwith the given filename extension.")},
    {32, QT_TRANSLATE_NOOP("OpenError", "The specified dynamic-link library was not found.")},
}};

} // namespace

QString OpenErrorText(int code)
{
    QString line = QCoreApplication::translate("OpenError", "Unknown Error (%1) occurred.").arg(code);
    for (const auto& [known, text] : kLines) {
        if (known == code)
            line = QCoreApplication::translate("OpenError", text);
    }
    return QCoreApplication::translate("OpenError", "Unable to open hyperlink:\n\n") + line;
}

void ShowOpenError(int code, QWidget* parent)
{
    QMessageBox::warning(parent, MessageBoxTitle(), OpenErrorText(code));
}
