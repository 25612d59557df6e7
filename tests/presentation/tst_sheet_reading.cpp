// The painted sheet as a screen reader takes it: which texts, in which order and where, which of
// them keep their identity through a new figure, and which are messages to announce. No screen
// needed; the window's own test follows the same texts through calculations and unit changes.
#include "presentation/SheetReading.h"

#include <QStringList>
#include <QTest>

namespace {

SheetReadingInput Sheet(SheetOptions options = {}, UnitSystem units = {})
{
    SheetReadingInput in;
    in.options = options;
    in.frame = {620, 27, 16, {}};
    in.clientWidth = 1400;
    in.clientHeight = 1000;
    in.results.netVolume = 200.0;
    in.results.cabinetLoad = 41.4;
    in.results.doorLoad = 12.6;
    in.results.additionalLoad = 7.0;
    in.results.coolDownLoad = 0.0;
    in.units = units;
    in.productName = "Nordavik Kaldora";
    in.versionText = "1.0 ";
    return in;
}

QStringList Names(const std::vector<SpokenItem>& items)
{
    QStringList names;
    for (const SpokenItem& item : items)
        names << QString::fromStdString(item.name);
    return names;
}

} // namespace

class SheetReadingTest : public QObject {
    Q_OBJECT

private slots:
    void header_then_figures_in_reading_order()
    {
        const auto items = SheetReading::Items(Sheet());
        const QStringList expected{"Nordavik Kaldora",         "Version 1.0",
                                   "Net volume 200 L",         "Cabinet load 41 W",
                                   "Additional heat load 7 W", "Cool down load 0 W"};
        QCOMPARE(Names(items), expected);
        QCOMPARE(items[0].role, SpokenRole::Heading);
        for (size_t i = 1; i < items.size(); ++i)
            QCOMPARE(items[i].role, SpokenRole::Text);
        QCOMPARE(items[2].value, std::string("200"));
        QCOMPARE(items[2].unit, std::string("L"));
        // Left column before right, each top down: a reader's review order agrees with the list.
        QVERIFY(items[2].rect.left < items[3].rect.left);
        QVERIFY(items[3].rect.top < items[4].rect.top && items[4].rect.top < items[5].rect.top);
        QVERIFY(items[0].rect.bottom <= items[1].rect.top);
    }

    void rows_keep_their_keys_while_figures_change()
    {
        SheetReadingInput in = Sheet();
        const auto before = SheetReading::Items(in);
        in.results.netVolume = 400.0;
        in.units.energy = 1;
        const auto after = SheetReading::Items(in);
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i)
            QCOMPARE(after[i].key, before[i].key);
        QCOMPARE(after[2].name, std::string("Net volume 400 L"));
    }

    void messages_come_last_as_alerts_keyed_by_their_text()
    {
        SheetReadingInput in = Sheet();
        in.warningText = "Warning: Evaporating temp greater than box temp.";
        const auto warned = SheetReading::Items(in);
        QCOMPARE(warned.back().role, SpokenRole::Alert);
        QCOMPARE(warned.back().name, in.warningText);

        in.warningText.clear();
        in.errorText = "Invalid max runtime value.";
        in.errorRange = "10 to 100";
        const auto failed = SheetReading::Items(in);
        QCOMPARE(failed.size(), warned.size());
        QCOMPARE(failed.back().role, SpokenRole::Alert);
        QCOMPARE(failed.back().name, std::string("Invalid max runtime value. 10 to 100"));
        // Another message is another announcement, not a change of the first.
        QVERIFY(failed.back().key != warned.back().key);
        QVERIFY(failed.back().rect.Width() > 0 && failed.back().rect.Height() > 0);
    }
};

QTEST_MAIN(SheetReadingTest)
#include "tst_sheet_reading.moc"
