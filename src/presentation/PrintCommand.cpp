#include "presentation/PrintCommand.h"

#include "presentation/ReportPrinter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Hides a choice of the print range box and what stands beside it on its row, spacing included,
// so the remaining choices close up.
void HideRangeRow(QWidget* choice)
{
    if (!choice)
        return;
    for (QLayout* row : choice->parentWidget()->findChildren<QLayout*>()) {
        if (row->indexOf(choice) < 0)
            continue;
        for (int i = 0; i < row->count(); ++i) {
            if (QWidget* w = row->itemAt(i)->widget())
                w->hide();
            else if (QSpacerItem* space = row->itemAt(i)->spacerItem())
                space->changeSize(0, 0);
        }
        row->invalidate();
    }
}

// Qt's dialog offers pages "from ... to" and a page list whenever the print system could pick the
// pages, whatever the options say, and sets them up again each time it is shown. The report is
// always printed whole, so once the dialog is up those choices go: all or the selection remain.
class PageRangeHider : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            for (const char* name : {"printRange", "pagesRadioButton"})
                HideRangeRow(watched->findChild<QWidget*>(QString::fromLatin1(name)));
        }
        return false;
    }
};

} // namespace

QString ReportTitle(const QString& fileDescription, const QString& versionText)
{
    return QString::fromStdString(ReportTitle(fileDescription.toStdString(), versionText.toStdString()));
}

void PreparePrintDialog(QPrintDialog& dialog)
{
    // Printing to a file stays: on a desktop without a print queue it is the only printer.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::Selection);
    dialog.installEventFilter(new PageRangeHider(&dialog));
}

PrintOutcome PrintReport(QPrinter& printer, const QString& title, const std::vector<ReportLine>& lines)
{
    ReportPrinter report(&printer, title);
    if (!report.StartJob())
        return PrintOutcome::Failed;
    for (const ReportLine& line : lines) {
        report.PrintLine(line.labelContext ? QCoreApplication::translate(line.labelContext, line.label.c_str())
                                           : QString::fromStdString(line.label),
                         0);
        if (line.hasValue)
            report.PrintLine(QString::fromStdString(line.value), 1);
    }
    report.EndJob();
    return PrintOutcome::Printed;
}

PrintOutcome PrintCalculation(QWidget* parent, const QString& title, const std::vector<ReportLine>& lines)
{
    QPrinter printer(QPrinter::HighResolution);
    return PrintCalculation(printer, parent, title, lines);
}

PrintOutcome PrintCalculation(QPrinter& printer, QWidget* parent, const QString& title,
                              const std::vector<ReportLine>& lines)
{
    // Named before the dialog, which proposes the file name of a PDF from it.
    printer.setDocName(QCoreApplication::applicationName());
    QPrintDialog dialog(&printer, parent);
    PreparePrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return PrintReport(printer, title, lines);
}
