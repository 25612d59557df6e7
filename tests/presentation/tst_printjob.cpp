#include "ModalCloser.h"
#include "ReportSamples.h"
#include "TestEnvironment.h"
#include "presentation/PrintCommand.h"
#include "presentation/ReportPrinter.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

const QString kTitle = ReportTitle(QStringLiteral("Nordavik Kaldora"), QStringLiteral("1.0 "));

// The program's standard output, or nothing when it could not run or failed.
std::optional<QString> Run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString WithoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// pdftotext keeps the columns; pages are separated by form feeds.
QStringList PdfPages(const QString& path)
{
    QStringList pages = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .value_or(QString())
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList NonBlankLines(const QString& page)
{
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

void ToPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// The answer to the print dialog: inspect it, then accept or reject it. Anything else that
// opens instead fails the test.
ModalCloser::Answer PrintDialogAnswer(bool accept, std::function<void(QPrintDialog&)> inspect = {})
{
    return [accept, inspect](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        if (inspect)
            inspect(*dialog);
        accept ? dialog->accept() : dialog->reject();
    };
}

} // namespace

// Real print jobs into PDF files, read back with poppler's tools, and the print dialog.
class PrintJobTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void initTestCase();
    void pdf_shows_title_lines_and_values_in_order_data();
    void pdf_shows_title_lines_and_values_in_order();
    void a_long_label_pushes_its_value_on();
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

void PrintJobTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the printed files back");
}

QString PrintJobTest::NewPdfPath(const QString& name) const
{
    return dir_.filePath(name + QStringLiteral(".pdf"));
}

void PrintJobTest::pdf_shows_title_lines_and_values_in_order_data()
{
    QTest::addColumn<QSizeF>("pageMm");
    QTest::addColumn<int>("minPages");

    QTest::newRow("A4, one page") << QSizeF(210, 297) << 1;
    QTest::newRow("short page, several pages") << QSizeF(210, 80) << 4;
}

void PrintJobTest::pdf_shows_title_lines_and_values_in_order()
{
    QFETCH(QSizeF, pageMm);
    QFETCH(int, minPages);

    const std::vector<ReportLine> lines = SampleReport(kAllOptions);
    const QString path = NewPdfPath(QString::fromLatin1(QTest::currentDataTag()));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    printer.setPageSize(QPageSize(pageMm, QPageSize::Millimeter));
    QCOMPARE(PrintReport(printer, kTitle, lines), PrintOutcome::Printed);

    const QStringList pages = PdfPages(path);
    QVERIFY(pages.size() >= minPages);
    if (minPages == 1)
        QCOMPARE(pages.size(), 1);

    // Walk the report through the pages: each page opens with the title, then the lines follow
    // in order, every value on its label's line and to the right of it.
    size_t next = 0;
    for (const QString& page : pages) {
        const QStringList text = NonBlankLines(page);
        QVERIFY(!text.isEmpty());
        QCOMPARE(text.front().trimmed(), kTitle.trimmed());
        for (qsizetype i = 1; i < text.size(); ++i) {
            while (next < lines.size() && QString::fromStdString(lines[next].label).trimmed().isEmpty())
                ++next;
            QVERIFY2(next < lines.size(), qPrintable(text[i]));
            const ReportLine& line = lines[next++];
            const QString label = QString::fromStdString(line.label).trimmed();
            QVERIFY2(text[i].trimmed().startsWith(label), qPrintable(text[i] + " / " + label));
            // pdftotext may drop the narrow blank between a number and its unit.
            if (line.hasValue) {
                const QString rest = text[i].mid(text[i].indexOf(label) + label.size());
                QVERIFY2(rest.startsWith(QStringLiteral("   ")), qPrintable(text[i]));
                QCOMPARE(WithoutBlanks(rest), WithoutBlanks(QString::fromStdString(line.value)));
            }
        }
    }
    while (next < lines.size() && QString::fromStdString(lines[next].label).trimmed().isEmpty())
        ++next;
    QCOMPARE(next, lines.size());

    const QString info = Run(QStringLiteral("pdfinfo"), {path}).value_or(QString());
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("Title: +%1\\n").arg(QCoreApplication::applicationName()))),
        qPrintable(info));
}

// A label longer than the label column, as a translation may be, keeps a blank before its value;
// the values of the others stay in their column.
void PrintJobTest::a_long_label_pushes_its_value_on()
{
    const std::vector<ReportLine> lines = {
        {"   Short", "32 W", true},
        {"   A label much longer than the label column leaves room on its line", "183 W", true},
        {"   Other", "9 W", true},
    };
    const QString path = NewPdfPath(QStringLiteral("long-label"));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    QCOMPARE(PrintReport(printer, kTitle, lines), PrintOutcome::Printed);

    // Each word's left and right edge, from poppler's word boxes.
    QMap<QString, std::pair<double, double>> words;
    const QString boxes =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}).value_or(QString());
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)"[^>]*>([^<]+)</word>)re"));
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
        words.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
    QVERIFY2(words.contains(QStringLiteral("line")) && words.contains(QStringLiteral("183")), qPrintable(boxes));
    QVERIFY2(words[QStringLiteral("183")].first > words[QStringLiteral("line")].second,
             qPrintable(QStringLiteral("%1 / %2")
                            .arg(words[QStringLiteral("183")].first)
                            .arg(words[QStringLiteral("line")].second)));
    QCOMPARE(words[QStringLiteral("9")].first, words[QStringLiteral("32")].first);
    QVERIFY(words[QStringLiteral("32")].first < words[QStringLiteral("183")].first);
}

void PrintJobTest::rule_spans_the_printable_width_below_the_title()
{
    const QString path = NewPdfPath(QStringLiteral("rule"));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    ReportPrinter report(&printer, kTitle);
    QVERIFY(report.StartJob());
    report.PrintLine(QStringLiteral("Conditions:"), 0);
    const ReportLayout layout = report.Layout();
    report.EndJob();

    const int dpi = 60;
    QVERIFY(Run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), path,
                                             dir_.filePath(QStringLiteral("rule"))}));
    const QImage page(dir_.filePath(QStringLiteral("rule-1.pgm")));
    QVERIFY(!page.isNull());

    // Device units to the picture's pixels, from the paper's corner.
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = double(dpi) / printer.resolution();
    const PageHeaderGeometry h = layout.Header();
    const int ruleRow = qRound((printable.top() + h.ruleFrom.y) * scale);
    const int from = qRound((printable.left() + h.ruleFrom.x) * scale);
    const int to = qRound((printable.left() + h.ruleTo.x) * scale);

    const auto darkRun = [&](int row) {
        int dark = 0;
        for (int x = from + 1; x < to - 1; ++x)
            dark += qGray(page.pixel(x, row)) < 128;
        return dark;
    };
    int best = 0;
    for (int row = ruleRow - 1; row <= ruleRow + 1; ++row)
        best = std::max(best, darkRun(row));
    QCOMPARE(best, to - from - 2);
    // Nothing else is drawn across the page: a row well below the text stays white.
    QCOMPARE(darkRun(qRound((printable.top() + layout.TopMargin() + 3 * layout.LineHeight()) * scale)), 0);
}

void PrintJobTest::unwritable_file_fails_and_prints_nothing()
{
    const QString path = dir_.filePath(QStringLiteral("missing/folder/report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(PrintReport(printer, kTitle, SampleReport({})), PrintOutcome::Failed);
    QVERIFY(!QFile::exists(path));
}

void PrintJobTest::dialog_offers_selection_and_file_without_page_numbers()
{
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, NewPdfPath(QStringLiteral("inspected")));
    ModalCloser closer(PrintDialogAnswer(false, [](QPrintDialog& dialog) {
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        QCOMPARE(dialog.printRange(), QAbstractPrintDialog::Selection);
        bool fileChoice = false;
        for (const QComboBox* box : dialog.findChildren<QComboBox*>())
            fileChoice = fileChoice || box->findText(QStringLiteral("PDF"), Qt::MatchContains) >= 0;
        QVERIFY(fileChoice);
        const QList<QRadioButton*> checked = dialog.findChildren<QRadioButton*>();
        QVERIFY(std::any_of(checked.begin(), checked.end(), [](const QRadioButton* b) {
            return b->isChecked() && b->text() == QStringLiteral("Selection");
        }));
    }));
    PrintCalculation(printer, nullptr, kTitle, SampleReport({}));
    QVERIFY(closer.count > 0);
}

void PrintJobTest::dialog_offers_no_page_range()
{
    // The report is printed whole, so neither page numbers nor a page list may be offered; the
    // choice between all and the selection stays (both print everything).
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, NewPdfPath(QStringLiteral("ranges")));
    ModalCloser closer(PrintDialogAnswer(false, [](QPrintDialog& dialog) {
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text().startsWith(QStringLiteral("&Options >>")))
                b->click(); // the range choices live in the folded-away part
        QStringList choices;
        for (const QRadioButton* b : dialog.findChildren<QRadioButton*>())
            if (b->isVisible() && b->parentWidget()->objectName() == QStringLiteral("gbPrintRange"))
                choices << b->text();
        QCOMPARE(choices, (QStringList{QStringLiteral("Print all"), QStringLiteral("Selection")}));
        for (const QSpinBox* box : dialog.findChildren<QSpinBox*>())
            QVERIFY2(!box->isVisible() || box->objectName() == QStringLiteral("copies"), qPrintable(box->objectName()));
        for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            QVERIFY2(!edit->isVisible() || !edit->toolTip().contains(QStringLiteral("pages")),
                     qPrintable(edit->objectName()));
    }));
    PrintCalculation(printer, nullptr, kTitle, SampleReport({}));
    QVERIFY(closer.count > 0);
}

void PrintJobTest::cancel_prints_nothing()
{
    const QString path = NewPdfPath(QStringLiteral("cancelled"));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    ModalCloser closer(PrintDialogAnswer(false));
    QCOMPARE(PrintCalculation(printer, nullptr, kTitle, SampleReport({})), PrintOutcome::Cancelled);
    QVERIFY(closer.count > 0);
    QVERIFY(!QFile::exists(path));
}

void PrintJobTest::ok_prints_on_the_chosen_printer()
{
    const QString path = NewPdfPath(QStringLiteral("confirmed"));
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    ModalCloser closer(PrintDialogAnswer(true));
    QCOMPARE(PrintCalculation(printer, nullptr, kTitle, SampleReport({})), PrintOutcome::Printed);
    QVERIFY(closer.count > 0);
    const QStringList pages = PdfPages(path);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(NonBlankLines(pages.front()).size(), 1 + 20); // the title and the 20 non-blank lines
}

QTEST_MAIN(PrintJobTest)
#include "tst_printjob.moc"
