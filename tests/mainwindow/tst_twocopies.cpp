// Two copies of the program over one settings file: whichever closes last leaves its whole
// calculation, the inputs and the units they are in, never one copy's numbers under the other
// copy's unit choices.

#include "controls/NumericEdit.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/ResultsList.h"
#include "storage/SettingsStore.h"

#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLengthPair = 4;

// Chooses inches in the Units dialog as soon as it is open, and confirms.
void ChooseInchesWhenOpen()
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (auto* dialog = qobject_cast<CSettingsDlg*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            dialog->ImperialButton(kLengthPair)->click();
            dialog->accept();
        }
    });
    poll->start(10);
}

// One running copy: its own store object over the shared file, and its window.
struct Copy {
    explicit Copy(const QString& application)
        : store(std::make_unique<SettingsStore>(application))
        , window(std::make_unique<DoraRiveDlg>(*store))
    {
    }
    void Close()
    {
        window.reset(); // stores at close
        store.reset();  // and writes the file
    }
    QString Depth() const { return window->Field(InputField::iDepth)->CurrentText(); }

    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<DoraRiveDlg> window;
};

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir configHome_;
    int files_ = 0;

private slots:
    void initTestCase()
    {
        // QSettings takes the configuration folder once per process: point it here first.
        QVERIFY(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
    }

    void the_copy_closing_last_wins_as_a_whole_data()
    {
        QTest::addColumn<bool>("inchesCloseLast");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("depth");
        QTest::newRow("millimetre copy closes last") << false << 0 << "400";
        QTest::newRow("inch copy closes last") << true << 1 << "15.74";
    }
    void the_copy_closing_last_wins_as_a_whole()
    {
        QFETCH(bool, inchesCloseLast);
        QFETCH(int, length);
        QFETCH(QString, depth);
        const QString application = QStringLiteral("copies%1").arg(++files_);
        Copy inches(application);
        Copy millimetres(application);

        ChooseInchesWhenOpen();
        inches.window->OnUnitsButton(); // stored at once
        QCOMPARE(inches.Depth(), QStringLiteral("15.74"));
        QCOMPARE(millimetres.Depth(), QStringLiteral("400"));
        if (inchesCloseLast) {
            millimetres.Close();
            inches.Close();
        } else {
            inches.Close();
            millimetres.Close();
        }

        Copy next(application);
        QCOMPARE(next.window->Units().length, length);
        QCOMPARE(next.Depth(), depth);
        // A full calculation, not "Invalid cabinet depth." for a 400-inch cabinet.
        QCOMPARE(next.window->ResultsListWidget()->rowCount(), 4);
    }
};

QTEST_MAIN(TwoCopiesTest)
#include "tst_twocopies.moc"
