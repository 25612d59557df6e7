// Every text a user reads must reach Qt's translation tools: lupdate (run by the test
// "lupdate_catalogue" just before this one) extracts the marked texts of src/ into a scratch
// catalogue, and the texts the window, its menu, the sheet, the input checks and the dialogs show
// are looked up among its source texts. A text written without a marker is missing there.

#include "TestEnvironment.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/ProgramNotices.h"
#include "mainwindow/CommandMenu.h"
#include "mainwindow/DoraRiveDlg.h"
#include "model/Checks.h"
#include "model/ResultRows.h"
#include "presentation/FormSheet.h"
#include "storage/MemoryProfileStore.h"
#include "version/ProgramTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QSet<QString> CatalogueSources()
{
    QFile file(QStringLiteral(DORARIVE_SCRATCH_TS));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> sources;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            sources.insert(xml.readElementText());
        else
            xml.readNext();
    }
    return sources;
}

// The texts of a dialog's own controls; the standard buttons are Qt's, with Qt's catalogues.
QStringList DialogTexts(const QWidget& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (!qobject_cast<QDialogButtonBox*>(b->parentWidget()))
            texts << b->text();
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>())
        texts << g->title();
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void initTestCase()
    {
        sources_ = CatalogueSources();
        QVERIFY2(sources_.size() > 150, "the scratch catalogue is missing or nearly empty");
    }

    void sheet_labels_and_units_are_extracted()
    {
        const SheetOptions all{true, true, true, true};
        for (const UnitSystem& units : {UnitSystem{}, UnitSystem{1, 1, 1, 1, 1, 1}})
            for (const SheetLine& line : FormSheet::VisibleLines(all, {0, 20, 12, {}}, LoadResults{}, units)) {
                Expect(line.labelText);
                if (line.unitText != " ")
                    Expect(line.unitText);
            }
        Expect(kResultsHeading);
        for (const char* name : kResultNames)
            Expect(name);
    }

    void check_messages_are_extracted()
    {
        for (int id = static_cast<int>(CheckId::CabinetDepth); id <= static_cast<int>(CheckId::DoorK); ++id)
            Expect(Check(static_cast<CheckId>(id)).message);
        for (const char* format : {"Error: %s", "Warning: %s", "%d to %d", "%0.1f to %0.1f hours", "%d%s to %d%s"})
            Expect(format);
    }

    void tables_are_extracted()
    {
        Tables tables;
        BuildTables(tables);
        for (int row = 0; row < tables.insulationMaterials.Count(); ++row)
            Expect(tables.insulationMaterials.Name(row));
        for (int row = 0; row < tables.doorMaterials.Count(); ++row)
            Expect(tables.doorMaterials.Name(row));
        for (int row = 0; row < tables.products.Count(); ++row)
            Expect(tables.products.Name(row));
        for (int row = 0; row < FormSheet::kRowCount; ++row)
            if (!tables.FormHelp(row).empty())
                Expect(tables.FormHelp(row));
        for (int row = 0; row < Tables::kResultHelpCount; ++row)
            Expect(tables.ResultHelp(row));
    }

    void menu_and_window_texts_are_extracted()
    {
        QWidget owner;
        CommandMenu menu(&owner, [](CommandMenu::Command) {});
        for (const QAction* action : menu.Menu()->actions())
            if (!action->isSeparator())
                Expect(action->text());

        MemoryProfileStore store;
        DoraRiveDlg window(store);
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            Expect(button->text());
            Expect(button->accessibleDescription()); // the painted tip
        }
        for (const QComboBox* box : window.findChildren<QComboBox*>())
            for (int i = 0; i < box->count(); ++i)
                Expect(box->itemText(i));
    }

    void dialog_texts_are_extracted()
    {
        CSettingsDlg units(UnitSystem{});
        CHelpDlg help;
        CAboutDlg about(QStringLiteral("name"), QStringLiteral("1.0"), QIcon());
        for (const QWidget* dialog : {static_cast<QWidget*>(&units), static_cast<QWidget*>(&help)})
            for (const QString& text : DialogTexts(*dialog))
                Expect(text);
        Expect(about.windowTitle());
        for (const QLabel* label : help.findChildren<QLabel*>())
            Expect(label->text());
        for (const QString& line : CHelpDlg::HelpText().split(u'\n'))
            if (!line.isEmpty() && line != QString::fromUtf8(ProgramTexts::kProductName))
                Expect(line);
        const QString trademarks = QString::fromUtf8(ProgramNotices::kTrademarks);
        QVERIFY(CHelpDlg::DisclaimerText().endsWith(trademarks));
        Expect(CHelpDlg::DisclaimerText().chopped(trademarks.size()));
        Expect(trademarks);
    }

private:
    void Expect(const std::string& text) { Expect(QString::fromStdString(text)); }
    void Expect(const char* text) { Expect(QString::fromUtf8(text)); }
    void Expect(const QString& text)
    {
        QVERIFY2(sources_.contains(text), qPrintable(QStringLiteral("not extracted: \"%1\"").arg(text)));
    }

    QSet<QString> sources_;
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
