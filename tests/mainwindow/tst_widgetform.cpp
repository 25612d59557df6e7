// The window's form takes a calculation file through the same rounds as the headless form: the
// same texts in the real widgets, pasted without touching the clipboard.

#include "controls/HeadlessForm.h"
#include "controls/NumericEdit.h"
#include "mainwindow/WidgetForm.h"
#include "storage/CalcFile.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const LocaleChars kComma{'-', ',', '.'};

// The form's widgets as the window makes them, without the window.
struct Widgets {
    Widgets()
    {
        BuildTables(tables);
        for (const InputFieldInfo& info : kInputFields) {
            auto* edit = new NumericEdit(9, 2, kComma, &parent);
            form.AddField(info.field, edit);
        }
        const int rows[3] = {tables.insulationMaterials.Count(), tables.doorMaterials.Count(), tables.products.Count()};
        for (int i = 0; i < 3; ++i) {
            auto* box = new QComboBox(&parent);
            for (int row = 0; row < rows[i]; ++row)
                box->addItem(QString::number(row));
            form.AddSelection(kSelectors[i].selector, box);
        }
        for (const OptionInfo& o : kOptions)
            form.AddOption(o.box, new QCheckBox(&parent));
        StoredInputs::LoadStoredInputs(MemoryProfileStore{}, form, tables, units);
        form.TakeOptionStates();
    }

    QWidget parent;
    WidgetForm form;
    Tables tables;
    UnitSystem units;
};

QString Refusal(const std::optional<std::string>& error)
{
    return error ? QString::fromStdString(*error) : QString();
}

class WidgetFormTest : public QObject {
    Q_OBJECT

private slots:
    void a_file_opens_into_the_widgets_as_into_the_headless_form()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cabinet.kaldora"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "nordavik-kaldora", "version": 1,
            "units": {"UnitsLength": 1, "UnitsTemperature": 1, "UnitsPressure": 1},
            "inputs": {"iType": 2, "iType2": 0, "iProd": 5, "iDoorCheck": 1, "iCondCheck": 1,
                       "iDepth": "17.935", "iAmbient": -4.5, "iInsulTherm": 0.0213, "iDoorInsulTherm": "0.01999",
                       "iTime": 2.5, "iRunTime": 80}})");
        file.close();

        Widgets window;
        // The window disables a k-value field while its material is not "Customized".
        window.form.Field(InputField::iInsulTherm)->setEnabled(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
        QSignalSpy depthChanged(window.form.Field(InputField::iDepth), &NumericEdit::changed);
        QCOMPARE(Refusal(CalcFile::Open(path, window.form, window.tables, window.units)), QString());
        window.form.TakeOptionStates();

        HeadlessForm headless(kComma);
        Tables tables;
        BuildTables(tables);
        UnitSystem units;
        QCOMPARE(Refusal(CalcFile::Open(path, headless, tables, units)), QString());

        for (const InputFieldInfo& info : kInputFields)
            QCOMPARE(window.form.Text(info.field), headless.Text(info.field));
        QCOMPARE(window.form.Text(InputField::iDepth), std::string("17,93"));
        QCOMPARE(window.form.Text(InputField::iDoorInsulTherm), std::string("0,0199"));
        QCOMPARE(window.units, units);
        QCOMPARE(CalcFile::InputsOf(window.form, window.tables, window.units),
                 CalcFile::InputsOf(headless, tables, units));
        QCOMPARE(window.tables.insulationMaterials.CustomK(), tables.insulationMaterials.CustomK());
        QVERIFY(window.form.Option(OptionBox::iDoorCheck));
        QCOMPARE(window.form.Selection(Selector::iProd), 5);
        QVERIFY(!depthChanged.isEmpty()); // the window recalculates on it
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
    }
};

} // namespace

QTEST_MAIN(WidgetFormTest)
#include "tst_widgetform.moc"
