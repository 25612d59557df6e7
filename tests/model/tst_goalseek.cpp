#include "model/FormRules.h"
#include "model/GoalSeek.h"
#include "model/VariantCalc.h"

#include <QtTest>

#include <cmath>

// The goal seek and the variant calculation under it, on the real calculation.
class GoalSeekTest : public QObject {
    Q_OBJECT
private slots:
    void variant_leaves_the_tables_it_was_given();
    void variant_reports_the_check_that_stopped_it();
    void thickness_for_a_capacity_to_the_fields_precision();
    void imperial_target_and_range();
    void no_answer_in_the_range_says_how_far_it_came();
    void several_answers_where_the_result_turns();
    void a_check_stopping_part_of_the_range_leaves_the_rest();
    void whole_per_cent_runtime();

private:
    Tables tables_ = [] {
        Tables t;
        BuildTables(t);
        return t;
    }();
};

void GoalSeekTest::variant_leaves_the_tables_it_was_given()
{
    VariantCalc calc(tables_, UnitSystem{});
    LoadInputs in;
    in.iType = 0;
    in.iInsulTherm = 0.04;
    const VariantOutcome out = calc.Calculate(in);
    QVERIFY(out.completed);
    QVERIFY(out.message.empty());
    QCOMPARE(tables_.insulationMaterials.CustomK(), 0.0);
    QVERIFY(std::fabs(out.results.transmissionLoad - 2.595 * 29 * 0.04 / 0.05) < 1e-9);
}

void GoalSeekTest::variant_reports_the_check_that_stopped_it()
{
    VariantCalc calc(tables_, UnitSystem{});
    LoadInputs in;
    in.iRunTime = 5;
    const VariantOutcome out = calc.Calculate(in);
    QVERIFY(!out.completed);
    QCOMPARE(QString::fromStdString(out.message), QStringLiteral("Invalid max runtime value. 10 to 100"));
}

void GoalSeekTest::thickness_for_a_capacity_to_the_fields_precision()
{
    VariantCalc calc(tables_, UnitSystem{});
    const ResultMember& capacity = *ResultMemberNamed("requestedCapacity");
    const SeekAnswer a = SeekInput(calc, LoadInputs{}, InputField::iInsulation, capacity, 40.0, 10, 200);
    QCOMPARE(a.answers.size(), size_t(1));
    const double x = a.answers[0];
    QCOMPARE(std::round(x * 100) / 100, x);
    // The answer beats both neighbours at the field's precision.
    LoadInputs in;
    const auto miss = [&](double t) {
        in.iInsulation = t;
        return std::fabs(calc.Calculate(in).results.requestedCapacity - 40.0);
    };
    QVERIFY(miss(x) <= miss(x - 0.01));
    QVERIFY(miss(x) <= miss(x + 0.01));
    QVERIFY(miss(x) < 0.01);
}

void GoalSeekTest::imperial_target_and_range()
{
    // A k swept in BTU/(h.ft.F) against a requested capacity: the k goes in as the field shows it.
    UnitSystem units;
    units.kValue = 1;
    VariantCalc calc(tables_, units);
    LoadInputs base;
    base.iType = 0;
    base.iInsulTherm = 0.027;
    const ResultMember& capacity = *ResultMemberNamed("requestedCapacity");
    const SeekAnswer a = SeekInput(calc, base, InputField::iInsulTherm, capacity, 54.1836, 0.001, 0.1);
    QCOMPARE(a.answers.size(), size_t(1));
    QVERIFY(std::fabs(a.answers[0] - ShownK(0.027, units)) < 0.0001);
}

void GoalSeekTest::no_answer_in_the_range_says_how_far_it_came()
{
    VariantCalc calc(tables_, UnitSystem{});
    const SeekAnswer a =
        SeekInput(calc, LoadInputs{}, InputField::iInsulation, *ResultMemberNamed("cabinetLoad"), 1.0, 10, 200);
    QVERIFY(a.answers.empty());
    QVERIFY(a.anyCompleted);
    QVERIFY(a.lowestReached > 1.0);
    QVERIFY(a.highestReached > a.lowestReached);
    QVERIFY(a.stopMessage.empty());
}

void GoalSeekTest::several_answers_where_the_result_turns()
{
    const auto parabola = [](double x) { return SeekSample{true, (x - 3) * (x - 3), {}}; };
    const SeekAnswer a = GoalSeek(parabola, 0, 10, 4, 2);
    QCOMPARE(a.answers.size(), size_t(2));
    QCOMPARE(a.answers[0], 1.0);
    QCOMPARE(a.answers[1], 5.0);
}

void GoalSeekTest::a_check_stopping_part_of_the_range_leaves_the_rest()
{
    // Below 5 mm the thickness check stops the calculation.
    VariantCalc calc(tables_, UnitSystem{});
    const ResultMember& capacity = *ResultMemberNamed("requestedCapacity");
    const SeekAnswer a = SeekInput(calc, LoadInputs{}, InputField::iInsulation, capacity, 100.0, 0, 60);
    QCOMPARE(QString::fromStdString(a.stopMessage), QStringLiteral("Invalid insulation thickness. 5mm to 500mm"));
    QCOMPARE(a.answers.size(), size_t(1));
    QVERIFY(a.answers[0] >= 5);
    const SeekAnswer none = SeekInput(calc, LoadInputs{}, InputField::iInsulation, capacity, 100.0, 0, 4);
    QVERIFY(none.answers.empty());
    QVERIFY(!none.anyCompleted);
}

void GoalSeekTest::whole_per_cent_runtime()
{
    VariantCalc calc(tables_, UnitSystem{});
    const ResultMember& capacity = *ResultMemberNamed("requestedCapacity");
    // 40.6377 W at 50 % asks for 81.2754 W.
    const SeekAnswer a = SeekInput(calc, LoadInputs{}, InputField::iRunTime, capacity, 81.2754, 10, 100);
    QCOMPARE(a.answers.size(), size_t(1));
    QCOMPARE(a.answers[0], 50.0);
}

QTEST_APPLESS_MAIN(GoalSeekTest)
#include "tst_goalseek.moc"
