// The painted sheet as a screen reader takes it: which texts, in which order, with which label,
// figure and unit, and which of them are messages to announce. No screen needed.
#include "presentation/SheetReading.h"

#include <QStringList>
#include <QTest>

namespace {

SheetReadingInput Sheet(SheetOptions options = {}, UnitSystem units = {})
{
    SheetReadingInput in;
    in.options = options;
    in.frame = {620, 27, 16};
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

    void door_load_only_with_the_door_option()
    {
        SheetOptions door;
        door.iDoorCheck = true;
        const QStringList names = Names(SheetReading::Items(Sheet(door)));
        QCOMPARE(names.indexOf("Door load 13 W"), names.indexOf("Cabinet load 41 W") + 1);
        QVERIFY(!Names(SheetReading::Items(Sheet())).join('|').contains("Door load"));
    }

    void figures_and_units_follow_the_unit_choices()
    {
        SheetReadingInput in = Sheet({}, UnitSystem{1, 1, 1, 1, 1, 1});
        in.results.netVolume = 7.0629; // the calculation gives the volume in the unit chosen
        const QStringList names = Names(SheetReading::Items(in));
        QVERIFY2(names.contains("Net volume 7.06 ft3"), qPrintable(names.join('|')));
        QVERIFY2(names.contains("Cabinet load 141 Btu/hr"), qPrintable(names.join('|')));
        QVERIFY(names.contains("Additional heat load 7 W")); // painted in watts whatever the choice
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

    void spoken_labels_lose_indent_and_colon()
    {
        QCOMPARE(SheetReading::SpokenLabel("   Net volume"), std::string("Net volume"));
        QCOMPARE(SheetReading::SpokenLabel("Load:"), std::string("Load"));
        QCOMPARE(SheetReading::SpokenLabel("   "), std::string());
    }
};

QTEST_MAIN(SheetReadingTest)
#include "tst_sheet_reading.moc"
