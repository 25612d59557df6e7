#include "mainwindow/ChangeGuard.h"

#include "controls/MessageBoxTitle.h"
#include "mainwindow/CalcFileCommands.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Warning, MessageBoxTitle(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(detail);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    // A box closed some other way (a termination signal) answers Cancel.
    return box.clickedButton() ? box.standardButton(box.clickedButton()) : QMessageBox::Cancel;
}

} // namespace

ChangeGuard::ChangeGuard(QWidget* window, CalcFileCommands& files)
    : window_(window)
    , files_(files)
{
}

bool ChangeGuard::MayReplace()
{
    return !files_.DiffersFromOrigin() || AskToSave();
}

bool ChangeGuard::MayClose()
{
    return files_.FilePath().isEmpty() || !files_.Modified() || AskToSave();
}

bool ChangeGuard::AskToSave()
{
    switch (Ask(window_, tr("Save changes to the current calculation?"), {})) {
    case QMessageBox::Save:
        return files_.Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool ChangeGuard::MayCloseUnstored(const QString& storeName)
{
    const QString text = tr("The inputs could not be stored in %1.").arg(storeName);
    switch (Ask(window_, text, tr("Save them as a calculation file before closing?"))) {
    case QMessageBox::Save:
        return files_.SaveAs();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
