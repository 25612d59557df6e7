// Where the layout puts the controls: pure geometry for given client and screen sizes.

#include "mainwindow/Layout.h"
#include "model/Tables.h"

#include <QtTest>

namespace {

LayoutInput Input(int w, int h, int screen)
{
    LayoutInput in;
    in.clientWidth = w;
    in.clientHeight = h;
    in.screenHeight = screen;
    return in;
}

LayoutInput AllOn(LayoutInput in)
{
    in.iCondCheck = in.iDoorCheck = in.iHeatCheck = in.iCoolCheck = true;
    return in;
}

int RowOf(const LayoutResult& r, ControlId id)
{
    return (r.Of(id).rect.y - kFirstRowTop) / r.rowPitch;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void full_hd_places_columns_and_bottom_controls()
    {
        const LayoutResult r = ComputeLayout(Input(1920, 1040, 1080));
        QCOMPARE(r.rowPitch, 27);
        QCOMPARE(r.formLeft, 1040);
        QVERIFY(r.wideLayout);
        QCOMPARE(r.Of(InputField::iAmbient).rect, (ControlRect{1270, 107, 50, 23}));
        QCOMPARE(r.Of(OptionBox::iHeatCheck).rect, (ControlRect{1690, 80, 14, 15}));
        QCOMPARE(r.Of(Selector::iType).rect.x, 1180);
        QCOMPARE(r.Of(ControlId::ResultsList).rect, (ControlRect{1411, 840, 410, 115}));
        QCOMPARE(r.Of(ControlId::UnitsButton).rect, (ControlRect{1810, 1007, 80, 25}));
        QCOMPARE(r.Of(ControlId::PrintButton).rect.x, 1720);
        QCOMPARE(r.Of(ControlId::HelpButton).rect.x, 1630);
        QCOMPARE(r.Of(ControlId::ProductSelectionButton).rect, (ControlRect{1411, 958, 150, 25}));
        QCOMPARE(r.Of(ControlId::HomePageLink).rect, (ControlRect{10, 1007, 370, 23}));
        QCOMPARE(r.Of(ControlId::ProductPageLink).rect, (ControlRect{0, 0, 0, 0}));
        QCOMPARE(r.fieldFontCellHeight, 14);
        QCOMPARE(r.measuringFontHeight, 12);
        QCOMPARE(r.listFontCellHeight, 20);
    }

    void small_screen_uses_smaller_rows_and_fonts()
    {
        const LayoutResult r = ComputeLayout(Input(1366, 705, 768));
        QCOMPARE(r.rowPitch, 26);
        QCOMPARE(r.formLeft, 586);
        QCOMPARE(r.Of(InputField::iAmbient).rect.x, 816);
        QCOMPARE(r.Of(InputField::iAmbient).rect.height, 22);
        QCOMPARE(r.fieldFontCellHeight, 10);
        QCOMPARE(r.measuringFontHeight, 9);
        QVERIFY(!ComputeLayout(Input(800, 600, 768)).wideLayout);
        QVERIFY(ComputeLayout(Input(801, 600, 768)).wideLayout);
    }

    void results_list_stays_inside_the_client_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("listWidth");
        // The client sizes a maximised window gets under a title bar.
        QTest::newRow("1920") << 1920 << 410;
        QTest::newRow("1601") << 1601 << 410;
        QTest::newRow("1600") << 1600 << 401;
        QTest::newRow("1366") << 1366 << 401;
        QTest::newRow("1024") << 1024 << 401;
        QTest::newRow("800") << 800 << 401;
    }

    void results_list_stays_inside_the_client()
    {
        QFETCH(int, width);
        QFETCH(int, listWidth);
        const LayoutResult r = ComputeLayout(Input(width, 749, 768));
        const ControlRect list = r.Of(ControlId::ResultsList).rect;
        QCOMPARE(list.x, r.formLeft + 371); // where it stands, with the button under it
        QCOMPARE(list.width, listWidth);
        QVERIFY(list.x + list.width <= width - 8);
    }

    void form_left_switches_above_1600()
    {
        QCOMPARE(ComputeLayout(Input(1600, 900, 1080)).formLeft, 820);
        QCOMPARE(ComputeLayout(Input(1601, 900, 1080)).formLeft, 721);
        QCOMPARE(ComputeLayout(Input(700, 500, 768)).formLeft, -80); // not guarded
    }

    void options_off_take_their_rows_out()
    {
        const LayoutResult r = ComputeLayout(Input(1920, 1040, 1080));
        QList<int> column1;
        for (ControlId id : std::initializer_list<ControlId>{
                 InputField::iAmbient, InputField::iEvapTemp, OptionBox::iCondCheck, InputField::iDepth,
                 InputField::iWidth, InputField::iHeight, Selector::iType, InputField::iInsulTherm,
                 InputField::iInsulation, OptionBox::iDoorCheck})
            column1 << RowOf(r, id);
        QCOMPARE(column1, (QList<int>{1, 2, 3, 5, 6, 7, 9, 10, 11, 12}));
        QCOMPARE(RowOf(r, OptionBox::iHeatCheck), 0);
        QCOMPARE(RowOf(r, OptionBox::iCoolCheck), 1);
        QCOMPARE(RowOf(r, InputField::iRunTime), 3);
        for (ControlId id :
             std::initializer_list<ControlId>{InputField::iEvaporating, InputField::iDoorWidth, Selector::iType2,
                                              InputField::iOpenings, InputField::iCoolMass, Selector::iProd}) {
            QVERIFY(!r.Of(id).shown);
            QVERIFY(!r.Of(id).enabled);
            QCOMPARE(r.Of(id).rect, (ControlRect{-100, 0, 0, 0}));
        }
    }

    void all_options_on_fill_both_columns()
    {
        const LayoutResult r = ComputeLayout(AllOn(Input(1920, 1040, 1080)));
        QCOMPARE(RowOf(r, InputField::iEvaporating), 4);
        QCOMPARE(RowOf(r, InputField::iSubcool), 6);
        QCOMPARE(RowOf(r, InputField::iDepth), 8);
        QCOMPARE(RowOf(r, InputField::iDoorWidth), 17);
        QCOMPARE(RowOf(r, Selector::iType2), 19);
        QCOMPARE(RowOf(r, InputField::iDoorInsulTherm), 20);
        QCOMPARE(RowOf(r, InputField::iDoorInsul), 21);
        QCOMPARE(RowOf(r, InputField::iAntisweatLoad), 4);
        QCOMPARE(RowOf(r, OptionBox::iCoolCheck), 5);
        QCOMPARE(RowOf(r, Selector::iProd), 7);
        QCOMPARE(RowOf(r, InputField::iTime), 10);
        QCOMPARE(RowOf(r, InputField::iRunTime), 12);
        QCOMPARE(r.Of(Selector::iType2).rect.width, 160);
        QCOMPARE(r.Of(Selector::iProd).rect.x, 1040 + 560);
        for (const ControlPlacement& p : r.placements)
            if (&p != &r.Of(ControlId::ProductPageLink))
                QVERIFY(p.shown);
    }

    void enable_rules_follow_the_materials_data()
    {
        QTest::addColumn<bool>("door");
        QTest::addColumn<int>("iType");
        QTest::addColumn<int>("iType2");
        QTest::addColumn<bool>("wallK");
        QTest::addColumn<bool>("doorK");
        QTest::addColumn<bool>("doorThickness");
        QTest::newRow("defaults, door on") << true << 1 << 4 << false << false << true;
        QTest::newRow("customized wall") << false << 0 << 4 << true << false << false;
        QTest::newRow("customized door") << true << 1 << 0 << false << true << true;
        QTest::newRow("glass door") << true << 1 << 2 << false << false << false;
        QTest::newRow("glass stays disabled with the door off") << false << 1 << 3 << false << false << false;
    }

    void enable_rules_follow_the_materials()
    {
        QFETCH(bool, door);
        QFETCH(int, iType);
        QFETCH(int, iType2);
        QFETCH(bool, wallK);
        QFETCH(bool, doorK);
        QFETCH(bool, doorThickness);
        LayoutInput in = Input(1920, 1040, 1080);
        in.iDoorCheck = door;
        in.iType = iType;
        in.iType2 = iType2;
        Tables tables;
        BuildTables(tables);
        in.doorIsGlass = tables.doorMaterials.IsGlass(iType2);
        const LayoutResult r = ComputeLayout(in);
        QCOMPARE(r.Of(InputField::iInsulTherm).enabled, wallK);
        QCOMPARE(r.Of(InputField::iDoorInsulTherm).enabled, doorK);
        QCOMPARE(r.Of(InputField::iDoorInsul).enabled, doorThickness);
        QCOMPARE(r.Of(Selector::iType2).enabled, door);
    }

    void every_control_has_its_own_place_and_a_forged_one_none()
    {
        // An unknown identifier used to fall back to the ambient field's placement.
        for (int i = 0; i < kControlCount; ++i)
            QCOMPARE(IndexOf(kControls[static_cast<std::size_t>(i)].id), i);
        const LayoutResult r = ComputeLayout(Input(1920, 1040, 1080));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, r.Of(static_cast<InputField>(1001)));
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "tst_layout.moc"
