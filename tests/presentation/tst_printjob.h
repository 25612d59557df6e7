#pragma once

#include <QObject>
#include <QTemporaryDir>

// Real print jobs into PDF files, read back with poppler's tools, and the print dialog.
class PrintJobTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pdf_shows_title_lines_and_values_in_order_data();
    void pdf_shows_title_lines_and_values_in_order();
    void rule_spans_the_printable_width_below_the_title();
    void unwritable_file_fails_and_prints_nothing();
    void dialog_offers_selection_and_file_without_page_numbers();
    void dialog_offers_no_page_range();
    void cancel_prints_nothing();
    void ok_prints_on_the_chosen_printer();

private:
    QString NewPdfPath(const QString& name) const;

    QTemporaryDir dir_;
};
