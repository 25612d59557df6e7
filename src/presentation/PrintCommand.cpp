#include "presentation/PrintCommand.h"

#include "presentation/ReportPrinter.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

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
}

PrintOutcome PrintReport(QPrinter& printer, const QString& title, const std::vector<ReportLine>& lines)
{
    ReportPrinter report(&printer, title);
    if (!report.StartJob())
        return PrintOutcome::Failed;
    for (const ReportLine& line : lines) {
        report.PrintLine(QString::fromStdString(line.label), 0);
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
