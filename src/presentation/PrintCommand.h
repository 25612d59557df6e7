#pragma once

#include "presentation/ReportLines.h"

#include <QString>

#include <vector>

class QPrintDialog;
class QPrinter;
class QWidget;

enum class PrintOutcome {
    Cancelled, // the dialog was closed without printing
    Printed,
    Failed, // the printer could not start the job
};

// What a printout is called: the document's name (a PDF's title, and what the print system lists),
// and the file a PDF is proposed as. Empty: the program's name, and the print dialog's own choice.
struct PrintNames {
    QString documentName;
    QString pdfPath;
};

// ReportTitle of ReportLines for the window's texts.
QString ReportTitle(const QString& fileDescription, const QString& versionText);

// The print dialog as the Print button shows it: no page numbers or page list to choose, the
// "selection" range preselected (the range does not change what is printed), printing to a PDF
// file available.
void PreparePrintDialog(QPrintDialog& dialog, const QString& pdfPath = {});

// Prints the report lines on a printer that is ready to print, in black on pages with the title.
PrintOutcome PrintReport(QPrinter& printer, const QString& title, const std::vector<ReportLine>& lines);

// The Print button: asks for a printer and prints the lines on it; nothing on Cancel.
PrintOutcome PrintCalculation(QWidget* parent, const QString& title, const std::vector<ReportLine>& lines,
                              const PrintNames& names = {});
// The same with a given printer (its settings preselect the dialog's choices).
PrintOutcome PrintCalculation(QPrinter& printer, QWidget* parent, const QString& title,
                              const std::vector<ReportLine>& lines, const PrintNames& names = {});
