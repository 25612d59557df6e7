// Print from the window: the report carries the figures of the inputs on the screen, even when
// the timer has not calculated them yet; the PDF's proposed name and its title.

#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/ReportLines.h"
#include "storage/MemoryProfileStore.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString PdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

QString WithoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private:
    QTemporaryDir dir_;
    MemoryProfileStore store_;
    std::unique_ptr<DoraRiveDlg> window_;

    // The window's keys work while it is active.
    void OpenWindow()
    {
        window_ = std::make_unique<DoraRiveDlg>(store_);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void Type(InputField f, const QString& text)
    {
        NumericEdit* edit = window_->Field(f);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Presses Ctrl+P and prints to a PDF file; what the dialog proposed is kept.
    QString PrintToPdf(const QString& name, QString* proposed = nullptr)
    {
        const QString path = dir_.filePath(name);
        ModalCloser closer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            QVERIFY(dialog);
            // Without a print queue the only printer is the PDF file the dialog's field names.
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            QVERIFY(file);
            if (proposed)
                *proposed = file->text();
            file->setText(path);
            dialog->accept();
        });
        QTest::keyClick(window_->Field(InputField::iAmbient), Qt::Key_P, Qt::ControlModifier);
        if (closer.count != 1)
            qWarning("%d dialogs answered", closer.count);
        return closer.count == 1 ? PdfText(path) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // The user's documents folder, as the desktop names it.
        QVERIFY(QDir().mkpath(dir_.filePath("docs")));
        QFile dirs(QDir(TestEnvironment::ConfigHome()).filePath("user-dirs.dirs"));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(dir_.filePath("docs")) + "\"\n");
    }
    void cleanup() { window_.reset(); }

    void the_pdf_is_named_after_the_calculation_beside_its_file()
    {
        OpenWindow();
        QString proposed;
        QVERIFY(!PrintToPdf(QStringLiteral("none.pdf"), &proposed).isEmpty());
        QCOMPARE(proposed, dir_.filePath("docs/") + QCoreApplication::applicationName() + ".pdf");

        const QString file = dir_.filePath(QStringLiteral("cabinet-600.kaldora"));
        QFile calc(file);
        QVERIFY(calc.open(QIODevice::WriteOnly));
        calc.write("{\"format\": \"nordavik-kaldora\", \"version\": 1, \"inputs\": {\"iWidth\": 600}}");
        calc.close();
        QVERIFY(window_->OpenFile(file));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(!PrintToPdf(QStringLiteral("named.pdf"), &proposed).isEmpty());
        QCOMPARE(proposed, dir_.filePath(QStringLiteral("cabinet-600.pdf")));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {dir_.filePath(QStringLiteral("named.pdf"))});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Title: +cabinet-600\n")),
                 "the document's title");
    }

    void print_right_after_typing_reports_the_new_figures()
    {
        OpenWindow();
        Type(InputField::iWidth, "900");
        window_->OnTimer();
        Type(InputField::iWidth, "1500");
        QVERIFY(window_->RecalcPending()); // the timer has not come yet
        const QString pdf = PrintToPdf(QStringLiteral("at-once.pdf"));
        QVERIFY(!pdf.isEmpty());

        window_->OnTimer(); // whatever was still pending
        const std::vector<ReportLine> lines =
            BuildReportLines(window_->Form(), window_->TablesInUse(), window_->Units(), window_->Results());
        int checked = 0;
        for (const ReportLine& line : lines) {
            const QString label = QString::fromStdString(line.label).trimmed();
            if (!line.hasValue || (label != "Width" && label != "Net volume" && label != "Cabinet load"))
                continue;
            const qsizetype at = pdf.indexOf(label);
            QVERIFY2(at >= 0, qPrintable(label));
            const QString rest = pdf.mid(at + label.size()).section(QLatin1Char('\n'), 0, 0);
            QCOMPARE(WithoutBlanks(rest), WithoutBlanks(QString::fromStdString(line.value)));
            ++checked;
        }
        QCOMPARE(checked, 3);
    }
};

QTEST_MAIN(PrintWindowTest)
#include "tst_print_window.moc"
