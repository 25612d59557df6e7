#include "presentation/PrintCommand.h"

#include "presentation/ReportPrinter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
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
// The dialog also proposes a PDF in the working folder whenever the printer has no output file;
// giving the printer one would make printing to a file the choice over a real printer, so the
// proposal goes into the dialog's file field instead.
class PageRangeHider : public QObject {
public:
    PageRangeHider(const QString& pdfPath, QObject* parent)
        : QObject(parent)
        , pdfPath_(pdfPath)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            for (const char* name : {"printRange", "pagesRadioButton"})
                HideRangeRow(watched->findChild<QWidget*>(QString::fromLatin1(name)));
            auto* file = watched->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (file && !pdfPath_.isEmpty())
                file->setText(pdfPath_);
        }
        return false;
    }

private:
    QString pdfPath_;
};

} // namespace

QString ReportTitle(const QString& fileDescription, const QString& versionText)
{
    return QString::fromStdString(ReportTitle(fileDescription.toStdString(), versionText.toStdString()));
}

void PreparePrintDialog(QPrintDialog& dialog, const QString& pdfPath)
{
    // Printing to a file stays: on a desktop without a print queue it is the only printer.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::Selection);
    dialog.installEventFilter(new PageRangeHider(pdfPath, &dialog));
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

PrintOutcome PrintCalculation(QWidget* parent, const QString& title, const std::vector<ReportLine>& lines,
                              const PrintNames& names)
{
    QPrinter printer(QPrinter::HighResolution);
    return PrintCalculation(printer, parent, title, lines, names);
}

PrintOutcome PrintCalculation(QPrinter& printer, QWidget* parent, const QString& title,
                              const std::vector<ReportLine>& lines, const PrintNames& names)
{
    // Named before the dialog, which proposes the file name of a PDF from it.
    printer.setDocName(names.documentName.isEmpty() ? QCoreApplication::applicationName() : names.documentName);
    QPrintDialog dialog(&printer, parent);
    PreparePrintDialog(dialog, names.pdfPath);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return PrintReport(printer, title, lines);
}
