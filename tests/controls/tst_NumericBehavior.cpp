// The numeric field's rules, driven headless through NumericField and its in-memory window.
#include "controls/NumericField.h"
#include "controls/Utf8Text.h"

#include <QTest>

#include <climits>
#include <clocale>
#include <cmath>
#include <memory>
#include <string>

using Opt = NumericBehavior;

namespace {

LocaleChars Chars(char point, char group)
{
    LocaleChars chars;
    chars.decimalPoint = point;
    chars.groupSeparator = group;
    return chars;
}

const LocaleChars kDot = Chars('.', ',');
const LocaleChars kComma = Chars(',', '.');

// Runs a keystroke script: '\b' is Backspace, '\x7f' the Delete key, anything else is typed.
void Press(NumericField& field, const std::string& keys)
{
    for (const char key : keys) {
        if (key == '\b')
            field.Backspace();
        else if (key == '\x7f')
            field.PressDelete();
        else
            field.TypeChar(static_cast<unsigned char>(key));
    }
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

class NumericBehaviorTest : public QObject {
    Q_OBJECT

private slots:
    void keystrokes_data();
    void keystrokes();
    void set_value_truncates_data();
    void set_value_truncates();
    void reads_values_data();
    void reads_values();
    void paste_is_cut_to_valid_form_data();
    void paste_is_cut_to_valid_form();
    void comma_locale_full_stop_data();
    void comma_locale_full_stop();
    void locale_chars_equal_rule_data();
    void locale_chars_equal_rule();
    void value_agrees_with_process_locale();
    void focus_loss_data();
    void focus_loss();
    void limits_texts_data();
    void limits_texts();
    void check_limits_counts_disabled_as_valid();
    void clamp_to_limits_data();
    void clamp_to_limits();
    void patterns_data();
    void patterns();
    void setters_revalidate_data();
    void setters_revalidate();
    void change_options_reports_change();
    void zero_fill_on_set_skips_keystrokes();
    void prefix_holding_digits_is_not_read();
    void cut_and_clear_keep_text_valid_data();
    void cut_and_clear_keep_text_valid();
    void read_only_field_takes_nothing();
};

// --- typing, Backspace and Delete ---------------------------------------------------------------

void NumericBehaviorTest::keystrokes_data()
{
    QTest::addColumn<int>("whole");
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<uint>("options");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    const uint none = 0;
    // clang-format off
    QTest::newRow("ten digits into nine")          << 9 << 2 << 0 << "" << none << "" << 0 << 0 << "1234567890" << "123456789" << 9;
    QTest::newRow("full whole part typed over")    << 9 << 2 << 0 << "" << none << "123456789" << 4 << 4 << "0" << "123406789" << 5;
    QTest::newRow("digit after full whole refused")<< 9 << 2 << 0 << "" << none << "123456789" << 9 << 9 << "5" << "123456789" << 9;
    QTest::newRow("auto decimal point")            << 9 << 2 << 0 << "" << uint(Opt::AutoDecimalPoint) << "123456789" << 9 << 9 << "5" << "123456789.5" << 11;
    QTest::newRow("auto point types over decimal") << 3 << 2 << 0 << "" << uint(Opt::AutoDecimalPoint) << "123.45" << 3 << 3 << "9" << "123.95" << 5;
    QTest::newRow("selection over full whole")     << 9 << 2 << 0 << "" << none << "123456789" << 0 << 9 << "7" << "7" << 1;
    QTest::newRow("letters and spaces dropped")    << 9 << 2 << 0 << "" << none << "" << 0 << 0 << "a1 b2x" << "12" << 2;
    QTest::newRow("second point moves caret")      << 9 << 2 << 0 << "" << none << "12.34" << 1 << 1 << "." << "12.34" << 3;
    QTest::newRow("point replaces selected point") << 9 << 2 << 0 << "" << none << "12.34" << 1 << 4 << "." << "1.4" << 2;
    QTest::newRow("point cuts decimals")           << 9 << 2 << 0 << "" << none << "12345" << 2 << 2 << "." << "12.34" << 3;
    QTest::newRow("no decimals refuses point")     << 9 << 0 << 0 << "" << none << "12" << 2 << 2 << ".5" << "125" << 3;
    QTest::newRow("third decimal refused")         << 9 << 2 << 0 << "" << none << "1.23" << 4 << 4 << "4" << "1.23" << 4;
    QTest::newRow("full decimals typed over")      << 9 << 2 << 0 << "" << none << "1.23" << 2 << 2 << "9" << "1.93" << 3;
    QTest::newRow("minus keeps caret")             << 9 << 2 << 0 << "" << none << "123" << 2 << 2 << "-" << "-123" << 3;
    QTest::newRow("minus again removes sign")      << 9 << 2 << 0 << "" << none << "-123" << 3 << 3 << "-" << "123" << 2;
    QTest::newRow("minus twice restores")          << 9 << 2 << 0 << "" << none << "123" << 1 << 1 << "--" << "123" << 1;
    QTest::newRow("minus at start inserts sign")   << 9 << 2 << 0 << "" << none << "123" << 0 << 0 << "-" << "-123" << 1;
    QTest::newRow("minus at start steps over")     << 9 << 2 << 0 << "" << none << "-123" << 0 << 0 << "-" << "-123" << 1;
    QTest::newRow("minus refused without negatives") << -9 << 2 << 0 << "" << none << "123" << 2 << 2 << "-" << "123" << 2;
    QTest::newRow("digit before sign of full part")<< 9 << 2 << 0 << "" << none << "-123456789" << 0 << 0 << "5" << "-523456789" << 2;
    QTest::newRow("selection with sign of full part") << 9 << 2 << 0 << "" << none << "-123456789" << 0 << 10 << "5" << "5" << 1;
    QTest::newRow("selection of sign and digit")   << 9 << 2 << 0 << "" << none << "-123456789" << 0 << 2 << "5" << "523456789" << 1;
    QTest::newRow("selection of digits in full part") << 9 << 2 << 3 << "" << none << "123,456,789" << 2 << 6 << "5" << "1,256,789" << 4;
    QTest::newRow("selected separator typed past") << 9 << 2 << 3 << "" << none << "123,456,789" << 3 << 4 << "5" << "123,556,789" << 5;
    QTest::newRow("backspace")                     << 9 << 2 << 0 << "" << none << "123" << 3 << 3 << "\b" << "12" << 2;
    QTest::newRow("backspace over point joins")    << 3 << 2 << 0 << "" << none << "123.45" << 4 << 4 << "\b" << "123" << 3;
    QTest::newRow("delete")                        << 9 << 2 << 0 << "" << none << "123" << 0 << 0 << "\x7f" << "23" << 0;
    QTest::newRow("delete selection to end")       << 9 << 2 << 0 << "" << none << "12345" << 2 << 5 << "\x7f" << "12" << 2;
    QTest::newRow("groups while typing")           << 9 << 2 << 3 << "" << none << "" << 0 << 0 << "1234567" << "1,234,567" << 9;
    QTest::newRow("groups digit in front")         << 9 << 2 << 3 << "" << none << "1,234" << 0 << 0 << "9" << "91,234" << 1;
    QTest::newRow("groups backspace shifts caret") << 9 << 2 << 3 << "" << none << "1,234" << 5 << 5 << "\b" << "123" << 3;
    QTest::newRow("groups delete takes separator and digit") << 9 << 2 << 3 << "" << none << "1,234" << 1 << 1 << "\x7f" << "134" << 0;
    QTest::newRow("groups full part typed over")   << 6 << 2 << 3 << "" << none << "123,456" << 3 << 3 << "9" << "123,956" << 5;
    QTest::newRow("groups negative")               << 9 << 2 << 3 << "" << none << "" << 0 << 0 << "-1234567" << "-1,234,567" << 10;
    QTest::newRow("prefix completed before digit") << 9 << 2 << 0 << "$ " << none << "$ 12" << 0 << 0 << "5" << "$ 512" << 3;
    QTest::newRow("prefix char steps over")        << 9 << 2 << 0 << "$ " << none << "$ 12" << 0 << 0 << "$" << "$ 12" << 1;
    QTest::newRow("prefix letter ignored")         << 9 << 2 << 0 << "$ " << none << "$ 12" << 0 << 0 << "x" << "$ 12" << 0;
    QTest::newRow("prefix added to first digit")   << 9 << 2 << 0 << "$ " << none << "" << 0 << 0 << "7" << "$ 7" << 3;
    QTest::newRow("multibyte prefix")              << 9 << 2 << 3 << "€ " << none << "" << 0 << 0 << "1234" << "€ 1,234" << 9;
    QTest::newRow("prefix not deleted alone")      << 9 << 2 << 0 << "$ " << none << "$ 12" << 0 << 0 << "\x7f" << "$ 12" << 0;
    QTest::newRow("prefix deleted with the rest")  << 9 << 2 << 0 << "$ " << none << "$ 12" << 1 << 4 << "\x7f" << "" << 0;
    QTest::newRow("backspace into prefix restores")<< 9 << 2 << 0 << "$ " << none << "$ 12" << 2 << 2 << "\b" << "$ 12" << 1;
    QTest::newRow("zero fill always while typing") << 9 << 2 << 0 << "" << uint(Opt::ZeroFillDecimalsAlways) << "" << 0 << 0 << "12.5" << "12.50" << 4;
    // clang-format on
}

void NumericBehaviorTest::keystrokes()
{
    QFETCH(int, whole);
    QFETCH(int, places);
    QFETCH(int, groupSize);
    QFETCH(QString, prefix);
    QFETCH(uint, options);
    QFETCH(QString, initial);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, caret);

    NumericField field(whole, places, kDot);
    field.Behavior().SetGroupSize(groupSize);
    field.Behavior().SetPrefixText(prefix.toStdString());
    field.Behavior().ChangeOptions(options, 0);
    field.AssignText(initial.toStdString());
    QCOMPARE(Q(field.CurrentText()), initial);
    // Positions in the table count characters; the field counts UTF-8 bytes.
    const std::string text = field.CurrentText();
    field.Select(Utf8Text::OffsetOfChar(text, static_cast<std::size_t>(selStart)),
                 Utf8Text::OffsetOfChar(text, static_cast<std::size_t>(selEnd)));
    Press(field, keys.toStdString());

    QCOMPARE(Q(field.CurrentText()), expected);
    const std::string after = field.CurrentText();
    QCOMPARE(field.Selection().start, Utf8Text::OffsetOfChar(after, static_cast<std::size_t>(caret)));
    QCOMPARE(field.Selection().end, field.Selection().start);
    QCOMPARE(field.Window().Beeps(), 0);
}

// --- values -----------------------------------------------------------------------------------

void NumericBehaviorTest::set_value_truncates_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("trimZeros");
    QTest::addColumn<QString>("expected");

    QTest::newRow("2 places truncate") << 2 << 1.23456 << true << "1.23";
    QTest::newRow("4 places truncate") << 4 << 1.23456 << true << "1.2345";
    QTest::newRow("never rounds up") << 2 << 0.999 << true << "0.99";
    QTest::newRow("hundred") << 2 << 100.0 << true << "100";
    QTest::newRow("zero") << 2 << 0.0 << true << "0";
    QTest::newRow("too many whole digits") << 2 << 12345678901.0 << true << "123456789";
    QTest::newRow("negative") << 2 << -2.5 << true << "-2.5";
    QTest::newRow("untrimmed zeros cut") << 2 << 12.5 << false << "12.50";
    QTest::newRow("no places") << 0 << 12.75 << true << "12";
    QTest::newRow("not a number shows nothing") << 2 << std::nan("") << true << "";
    QTest::newRow("infinity shows nothing") << 2 << HUGE_VAL << true << "";
}

void NumericBehaviorTest::set_value_truncates()
{
    QFETCH(int, places);
    QFETCH(double, value);
    QFETCH(bool, trimZeros);
    QFETCH(QString, expected);

    NumericField field(9, places, kDot);
    field.SetValue(value, trimZeros);
    QCOMPARE(Q(field.CurrentText()), expected);
}

void NumericBehaviorTest::reads_values_data()
{
    QTest::addColumn<int>("whole");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("intValue");

    QTest::newRow("decimal") << 9 << false << 0 << "12.5" << 12.5 << 12;
    QTest::newRow("negative decimal") << 9 << false << 0 << "-12.75" << -12.75 << -12;
    QTest::newRow("empty") << 9 << false << 0 << "" << 0.0 << 0;
    QTest::newRow("sign only") << 9 << false << 0 << "-" << 0.0 << 0;
    QTest::newRow("point only") << 9 << false << 0 << "." << 0.0 << 0;
    QTest::newRow("grouped") << 9 << false << 3 << "1,234,567.5" << 1234567.5 << 1234567;
    QTest::newRow("comma decimal") << 9 << true << 0 << "12,5" << 12.5 << 12;
    QTest::newRow("comma grouped") << 9 << true << 3 << "-1.234,25" << -1234.25 << -1234;
    QTest::newRow("int beyond range clamps") << 12 << false << 0 << "99999999999" << 99999999999.0 << INT_MAX;
    QTest::newRow("int below range clamps") << 12 << false << 0 << "-99999999999" << -99999999999.0 << INT_MIN;
}

void NumericBehaviorTest::reads_values()
{
    QFETCH(int, whole);
    QFETCH(bool, comma);
    QFETCH(int, groupSize);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, intValue);

    NumericField field(whole, 2, comma ? kComma : kDot);
    field.Behavior().SetGroupSize(groupSize);
    field.AssignText(text.toStdString());
    QCOMPARE(Q(field.CurrentText()), text);
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.IntValue(), intValue);
}

// --- paste ------------------------------------------------------------------------------------

void NumericBehaviorTest::paste_is_cut_to_valid_form_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedEnd");

    QTest::newRow("mixed text into empty field") << 2 << "" << 0 << 0 << "abc-1x2.345"
                                                 << "-12.34" << 0 << 0;
    QTest::newRow("decimals dropped without places") << 0 << "" << 0 << 0 << "12.75"
                                                     << "12" << 0 << 0;
    QTest::newRow("valid paste keeps caret after it") << 2 << "12" << 1 << 1 << "99"
                                                      << "1992" << 3 << 3;
    QTest::newRow("too many digits") << 2 << "12345678" << 8 << 8 << "999"
                                     << "123456789" << 8 << 8;
    QTest::newRow("over a selection") << 2 << "1234" << 1 << 3 << "x5.5.5"
                                      << "15.55" << 1 << 3;
}

void NumericBehaviorTest::paste_is_cut_to_valid_form()
{
    QFETCH(int, places);
    QFETCH(QString, initial);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedEnd);

    NumericField field(9, places, kDot);
    field.AssignText(initial.toStdString());
    field.Select(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selEnd));
    field.Paste(clipboard.toStdString());
    QCOMPARE(Q(field.CurrentText()), expected);
    QCOMPARE(field.Selection(),
             (EditSelection{static_cast<std::size_t>(expectedStart), static_cast<std::size_t>(expectedEnd)}));
}

// --- locale -----------------------------------------------------------------------------------

void NumericBehaviorTest::comma_locale_full_stop_data()
{
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("beeps");

    // Without grouping a "." is the decimal point, typed or pasted (data sheets, files).
    QTest::newRow("typed point") << 0 << 4 << false << "0.04"
                                 << "0,04" << 0.04 << 0;
    QTest::newRow("pasted point") << 0 << 4 << true << "0.0412"
                                  << "0,0412" << 0.0412 << 0;
    QTest::newRow("comma still the point") << 0 << 2 << false << "12,5"
                                           << "12,5" << 12.5 << 0;
    QTest::newRow("second point moves caret") << 0 << 2 << false << "1.2.5"
                                              << "1,52" << 1.52 << 0;
    QTest::newRow("no places") << 0 << 0 << false << "12.5"
                               << "125" << 125.0 << 0;
    // Where digits are grouped "." stays the group separator: pasted it groups, typed it is
    // left out with a beep rather than without a word.
    QTest::newRow("grouping paste") << 3 << 2 << true << "1.234,5"
                                    << "1.234,5" << 1234.5 << 0;
    QTest::newRow("grouping typed point beeps") << 3 << 2 << false << "12.5"
                                                << "125" << 125.0 << 1;
}

void NumericBehaviorTest::comma_locale_full_stop()
{
    QFETCH(int, groupSize);
    QFETCH(int, places);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(double, value);
    QFETCH(int, beeps);

    NumericField field(9, places, kComma);
    field.Behavior().SetGroupSize(groupSize);
    if (paste)
        field.Paste(input.toStdString());
    else
        field.Type(input.toStdString());
    QCOMPARE(Q(field.CurrentText()), expected);
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.Window().Beeps(), beeps);
    field.SetValue(3.75, true);
    QCOMPARE(Q(field.CurrentText()), places > 0 ? QString("3,75") : QString("3"));
}

void NumericBehaviorTest::locale_chars_equal_rule_data()
{
    QTest::addColumn<char>("point");
    QTest::addColumn<char>("group");
    QTest::addColumn<char>("expectedGroup");

    QTest::newRow("comma point") << ',' << ',' << '.';
    QTest::newRow("dot point") << '.' << '.' << ',';
    QTest::newRow("other point") << '\'' << '\'' << ',';
    QTest::newRow("different kept") << ',' << ' ' << ' ';
}

void NumericBehaviorTest::locale_chars_equal_rule()
{
    QFETCH(char, point);
    QFETCH(char, group);
    QFETCH(char, expectedGroup);

    NumericField field(9, 2, Chars(point, group));
    QCOMPARE(field.Chars().decimalPoint, point);
    QCOMPARE(field.Chars().groupSeparator, expectedGroup);

    NumericField other(9, 2, kDot);
    other.Behavior().SetSeparatorChars(point, group);
    QCOMPARE(other.Chars().groupSeparator, expectedGroup);
}

void NumericBehaviorTest::value_agrees_with_process_locale()
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    // The C locale has no thousands separator and a full stop: the defaults stay.
    std::setlocale(LC_NUMERIC, "C");
    const LocaleChars fromC = LocaleChars::FromProcessLocale();
    std::setlocale(LC_NUMERIC, saved.c_str());
    QCOMPARE(fromC, kDot);

    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    const char* found = nullptr;
    for (const char* name : commaLocales)
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            found = name;
            break;
        }
    if (found == nullptr)
        QSKIP("no locale with a decimal comma installed");
    // A field made with full-stop characters still reads and writes correctly while the
    // process reads numbers with a comma.
    NumericField dot(9, 2, kDot);
    dot.SetValue(12.5, true);
    const std::string shown = dot.CurrentText();
    const double read = dot.Value();
    NumericField comma(9, 2);
    comma.SetValue(7.25, true);
    const std::string commaShown = comma.CurrentText();
    const double commaRead = comma.Value();
    std::setlocale(LC_NUMERIC, saved.c_str());
    QCOMPARE(Q(shown), QString("12.5"));
    QCOMPARE(read, 12.5);
    QCOMPARE(Q(commaShown), QString("7,25"));
    QCOMPARE(commaRead, 7.25);
}

// --- focus loss -------------------------------------------------------------------------------

void NumericBehaviorTest::focus_loss_data()
{
    QTest::addColumn<int>("whole");
    QTest::addColumn<uint>("options");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("refocus");

    const double lo = Opt::LowestLimit;
    const double hi = Opt::HighestLimit;
    const QString between = "Please specify a numeric value between 0 and 100.";
    const uint messageAndRefocus = Opt::MessageOutOfRange | Opt::RefocusOutOfRange;
    // clang-format off
    QTest::newRow("no options change nothing")      << 9 << 0u << 0.0 << 100.0 << "00150" << "00150" << 0 << "" << 0;
    QTest::newRow("between message and refocus")    << 9 << messageAndRefocus << 0.0 << 100.0 << "150" << "150" << 0 << between << 1;
    QTest::newRow("message needs refocus")          << 9 << uint(Opt::MessageOutOfRange) << 0.0 << 100.0 << "150" << "150" << 0 << "" << 0;
    QTest::newRow("refocus alone")                  << 9 << uint(Opt::RefocusOutOfRange) << 0.0 << 100.0 << "150" << "150" << 0 << "" << 1;
    QTest::newRow("beep out of range")              << 9 << uint(Opt::BeepOutOfRange) << 0.0 << 100.0 << "-1" << "-1" << 1 << "" << 0;
    QTest::newRow("within limits quiet")            << 9 << (messageAndRefocus | Opt::BeepOutOfRange) << 0.0 << 100.0 << "100" << "100" << 0 << "" << 0;
    QTest::newRow("clamp above")                    << 9 << uint(Opt::ClampOutOfRange) << 0.0 << 100.0 << "150" << "100" << 0 << "" << 0;
    QTest::newRow("clamp below")                    << 9 << uint(Opt::ClampOutOfRange) << 0.5 << 100.0 << "-3" << "0.5" << 0 << "" << 0;
    QTest::newRow("empty beeps")                    << 9 << uint(Opt::BeepEmpty) << lo << hi << "" << "" << 1 << "" << 0;
    QTest::newRow("empty skipped")                  << 9 << uint(Opt::BeepEmpty | Opt::SkipCheckWhenEmpty) << lo << hi << "" << "" << 0 << "" << 0;
    QTest::newRow("empty clamped")                  << 9 << uint(Opt::ClampEmpty) << 5.0 << 10.0 << "" << "5" << 0 << "" << 0;
    QTest::newRow("empty message and refocus")      << 9 << uint(Opt::MessageEmpty | Opt::RefocusEmpty) << lo << hi << "" << "" << 0 << "Please specify a valid numeric value." << 1;
    QTest::newRow("empty bits ignore a number")     << 9 << uint(Opt::BeepEmpty | Opt::RefocusEmpty) << 0.0 << 1.0 << "5" << "5" << 0 << "" << 0;
    QTest::newRow("trim leading zeros")             << 9 << uint(Opt::TrimLeadingZeros) << lo << hi << "0012.5" << "12.5" << 0 << "" << 0;
    QTest::newRow("trim to one zero")               << 9 << uint(Opt::TrimLeadingZeros) << lo << hi << "000" << "0" << 0 << "" << 0;
    QTest::newRow("trim before point keeps zero")   << 9 << uint(Opt::TrimLeadingZeros) << lo << hi << "-00.5" << "-0.5" << 0 << "" << 0;
    QTest::newRow("fill decimals")                  << 9 << uint(Opt::ZeroFillDecimals) << lo << hi << "12" << "12.00" << 0 << "" << 0;
    QTest::newRow("fill decimals of empty")         << 9 << uint(Opt::ZeroFillDecimals) << lo << hi << "" << "0.00" << 0 << "" << 0;
    QTest::newRow("fill decimals of sign")          << 9 << uint(Opt::ZeroFillDecimals) << lo << hi << "-" << "0.00" << 0 << "" << 0;
    QTest::newRow("fill short decimals")            << 9 << uint(Opt::ZeroFillDecimals) << lo << hi << "1.5" << "1.50" << 0 << "" << 0;
    QTest::newRow("fill whole")                     << 4 << uint(Opt::ZeroFillWhole) << lo << hi << "12" << "0012" << 0 << "" << 0;
    QTest::newRow("fill whole after sign")          << 4 << uint(Opt::ZeroFillWhole) << lo << hi << "-1.5" << "-0001.5" << 0 << "" << 0;
    QTest::newRow("fill whole and decimals")        << 3 << uint(Opt::ZeroFillWhole | Opt::ZeroFillDecimals) << lo << hi << "7" << "007.00" << 0 << "" << 0;
    // clang-format on
}

void NumericBehaviorTest::focus_loss()
{
    QFETCH(int, whole);
    QFETCH(uint, options);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    QFETCH(QString, message);
    QFETCH(int, refocus);

    NumericField field(whole, 2, kDot);
    field.Behavior().SetLimits(minimum, maximum);
    field.Behavior().ChangeOptions(options, 0);
    field.AssignText(text.toStdString());
    QCOMPARE(Q(field.CurrentText()), text);
    field.LoseFocus();

    QCOMPARE(Q(field.CurrentText()), expected);
    QCOMPARE(field.Window().Beeps(), beeps);
    const auto& messages = field.Window().Messages();
    QCOMPARE(static_cast<int>(messages.size()), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(Q(messages.front()), message);
    QCOMPARE(field.Window().FocusRequests(), refocus);
}

void NumericBehaviorTest::limits_texts_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("expected");

    const double lo = Opt::LowestLimit;
    const double hi = Opt::HighestLimit;
    QTest::newRow("both") << 0.0 << 100.0 << false << "Please specify a numeric value between 0 and 100.";
    QTest::newRow("both with decimals") << -2.5 << 7.125 << false
                                        << "Please specify a numeric value between -2.5 and 7.125.";
    QTest::newRow("comma locale") << 0.5 << 1.0 << true << "Please specify a numeric value between 0,5 and 1.";
    QTest::newRow("minimum only") << 5.5 << hi << false
                                  << "Please specify a numeric value greater than or equal to 5.5.";
    QTest::newRow("maximum only") << lo << 40.0 << false << "Please specify a numeric value less than or equal to 40.";
    QTest::newRow("no limits") << lo << hi << false << "Please specify a valid numeric value.";
}

void NumericBehaviorTest::limits_texts()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(bool, comma);
    QFETCH(QString, expected);

    NumericField field(9, 2, comma ? kComma : kDot);
    field.Behavior().SetLimits(minimum, maximum);
    field.Behavior().ReportLimits();
    QCOMPARE(field.Window().Messages().size(), std::size_t{1});
    QCOMPARE(Q(field.Window().Messages().front()), expected);
}

void NumericBehaviorTest::check_limits_counts_disabled_as_valid()
{
    NumericField field(9, 2, kDot);
    field.Behavior().SetLimits(0, 10);
    field.AssignText("11");
    QVERIFY(!field.Behavior().IsWithinLimits());
    QVERIFY(!field.Behavior().CheckLimits(false));
    QCOMPARE(field.Window().Messages().size(), std::size_t{0});
    QVERIFY(!field.Behavior().CheckLimits(true));
    QCOMPARE(field.Window().Messages().size(), std::size_t{1});
    QCOMPARE(field.Window().FocusRequests(), 1);

    field.Window().SetEnabled(false);
    QVERIFY(field.Behavior().CheckLimits(true));
    QCOMPARE(field.Window().Messages().size(), std::size_t{1});
}

void NumericBehaviorTest::clamp_to_limits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty goes to minimum") << ""
                                           << "10";
    QTest::newRow("above") << "25"
                           << "20";
    QTest::newRow("below") << "-5"
                           << "10";
    QTest::newRow("within untouched") << "15.5"
                                      << "15.5";
}

void NumericBehaviorTest::clamp_to_limits()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    NumericField field(9, 2, kDot);
    field.Behavior().SetLimits(10, 20);
    field.AssignText(text.toStdString());
    field.Behavior().ClampToLimits();
    QCOMPARE(Q(field.CurrentText()), expected);
}

// --- patterns and setters ---------------------------------------------------------------------

void NumericBehaviorTest::patterns_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("whole");
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<char>("point");
    QTest::addColumn<char>("group");
    QTest::addColumn<QString>("described");

    QTest::newRow("plain") << false << "###.##" << 3 << 2 << 0 << "" << '.' << ',' << "###.##";
    QTest::newRow("grouped") << false << "#,###.##" << 4 << 2 << 3 << "" << '.' << ',' << "#,###.##";
    QTest::newRow("prefix") << false << "$ #,###,###.##" << 7 << 2 << 3 << "$ " << '.' << ',' << "$ #,###,###.##";
    QTest::newRow("whole only") << false << "####" << 4 << 0 << 0 << "" << '.' << ',' << "####.";
    QTest::newRow("groups of two") << false << "##,##,###" << 7 << 0 << 3 << "" << '.' << ',' << "#,###,###.";
    QTest::newRow("comma locale") << true << "#.###,##" << 4 << 2 << 3 << "" << ',' << '.' << "#.###,##";
    QTest::newRow("full stop in comma locale") << true << "#,###.#" << 4 << 1 << 3 << "" << '.' << ',' << "#,###.#";
}

void NumericBehaviorTest::patterns()
{
    QFETCH(bool, comma);
    QFETCH(QString, pattern);
    QFETCH(int, whole);
    QFETCH(int, places);
    QFETCH(int, groupSize);
    QFETCH(QString, prefix);
    QFETCH(char, point);
    QFETCH(char, group);
    QFETCH(QString, described);

    NumericField field(-9, 5, comma ? kComma : kDot);
    field.Behavior().ApplyPattern(pattern.toStdString());
    QCOMPARE(field.WholeDigits(), whole);
    QCOMPARE(field.DecimalPlaces(), places);
    QCOMPARE(field.Behavior().GroupSize(), groupSize);
    QCOMPARE(Q(field.Behavior().PrefixText()), prefix);
    QCOMPARE(field.Chars().decimalPoint, point);
    QCOMPARE(field.Chars().groupSeparator, group);
    QVERIFY(field.Behavior().NegativeAllowed());
    QCOMPARE(Q(field.Behavior().Pattern()), described);

    // The description configures the same field again.
    NumericField again(9, 2, comma ? kComma : kDot);
    again.Behavior().ApplyPattern(field.Behavior().Pattern());
    QCOMPARE(again.WholeDigits(), whole);
    QCOMPARE(again.DecimalPlaces(), places);
    QCOMPARE(Q(again.Behavior().PrefixText()), prefix);
}

void NumericBehaviorTest::setters_revalidate_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("value");

    QTest::newRow("fewer decimals") << "12.34"
                                    << "places 1"
                                    << "12.3" << 12.3;
    QTest::newRow("no decimals") << "12.34"
                                 << "places 0"
                                 << "12" << 12.0;
    QTest::newRow("fewer whole digits") << "12345.5"
                                        << "whole 2"
                                        << "12.5" << 12.5;
    QTest::newRow("negative whole digits drop sign") << "-12"
                                                     << "whole -9"
                                                     << "12" << 12.0;
    QTest::newRow("negatives forbidden") << "-5"
                                         << "negative off"
                                         << "5" << 5.0;
    QTest::newRow("grouping") << "1234567.5"
                              << "groups 3"
                              << "1,234,567.5" << 1234567.5;
    QTest::newRow("pattern") << "12345.67"
                             << "pattern ##.#"
                             << "12.6" << 12.6;
    QTest::newRow("limits keep text") << "150"
                                      << "limits"
                                      << "150" << 150.0;
    // The number survives a change of characters instead of losing its point.
    QTest::newRow("separators") << "1234.5"
                                << "comma"
                                << "1234,5" << 1234.5;
    QTest::newRow("prefix") << "12"
                            << "prefix"
                            << "€ 12" << 12.0;
}

void NumericBehaviorTest::setters_revalidate()
{
    QFETCH(QString, initial);
    QFETCH(QString, setter);
    QFETCH(QString, expected);
    QFETCH(double, value);

    NumericField field(9, 2, kDot);
    field.AssignText(initial.toStdString());
    QCOMPARE(Q(field.CurrentText()), initial);
    NumericBehavior& b = field.Behavior();
    const QStringList parts = setter.split(' ');
    if (parts[0] == "places")
        b.SetDecimalPlaces(parts[1].toInt());
    else if (parts[0] == "whole")
        b.SetWholeDigits(parts[1].toInt());
    else if (parts[0] == "negative")
        b.SetNegativeAllowed(false);
    else if (parts[0] == "groups")
        b.SetGroupSize(parts[1].toInt());
    else if (parts[0] == "pattern")
        b.ApplyPattern(parts[1].toStdString());
    else if (parts[0] == "limits")
        b.SetLimits(0, 100);
    else if (parts[0] == "comma")
        b.SetSeparatorChars(',', '.');
    else if (parts[0] == "prefix")
        b.SetPrefixText("€ ");
    QCOMPARE(Q(field.CurrentText()), expected);
    QCOMPARE(field.Value(), value);
}

void NumericBehaviorTest::change_options_reports_change()
{
    NumericField field(9, 2, kDot);
    field.AssignText("12");
    QVERIFY(field.Behavior().ChangeOptions(Opt::ZeroFillDecimalsAlways, 0));
    QCOMPARE(Q(field.CurrentText()), QString("12.00"));
    QVERIFY(!field.Behavior().ChangeOptions(Opt::ZeroFillDecimalsAlways, 0));
    QVERIFY(field.Behavior().ChangeOptions(Opt::NoNegative, Opt::ZeroFillDecimalsAlways));
    QCOMPARE(field.Behavior().Options(), std::uint32_t{Opt::NoNegative});
    QVERIFY(!field.Behavior().NegativeAllowed());
}

void NumericBehaviorTest::zero_fill_on_set_skips_keystrokes()
{
    NumericField field(9, 2, kDot);
    field.Behavior().ChangeOptions(Opt::ZeroFillDecimalsOnSet, 0);
    field.SetValue(12, true);
    QCOMPARE(Q(field.CurrentText()), QString("12.00"));
    field.Backspace();
    QCOMPARE(Q(field.CurrentText()), QString("12.0"));
}

void NumericBehaviorTest::prefix_holding_digits_is_not_read()
{
    NumericField field(9, 2, kDot);
    field.Behavior().ApplyPattern("No1 ###.##");
    QCOMPARE(Q(field.Behavior().PrefixText()), QString("No1 "));
    field.AssignText("No1 42.5");
    QCOMPARE(Q(field.CurrentText()), QString("No1 42.5"));
    QCOMPARE(field.Value(), 42.5);
    field.Behavior().Revalidate();
    QCOMPARE(Q(field.CurrentText()), QString("No1 42.5"));
}

void NumericBehaviorTest::cut_and_clear_keep_text_valid_data()
{
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("cut point of full field") << 0 << "123456789.12" << 9 << 10 << true << "123456789"
                                             << ".";
    QTest::newRow("cut across separator") << 3 << "1,234,567" << 4 << 7 << true << "12,367"
                                          << "4,5";
    QTest::newRow("cut nothing selected") << 0 << "123" << 1 << 1 << true << "123"
                                          << "";
    QTest::newRow("clear selection") << 0 << "12345" << 1 << 3 << false << "145"
                                     << "";
    QTest::newRow("clear nothing selected") << 0 << "12345" << 1 << 1 << false << "12345"
                                            << "";
}

void NumericBehaviorTest::cut_and_clear_keep_text_valid()
{
    QFETCH(int, groupSize);
    QFETCH(QString, initial);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    QFETCH(bool, cut);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard);

    NumericField field(9, 2, kDot);
    field.Behavior().SetGroupSize(groupSize);
    field.AssignText(initial.toStdString());
    field.Select(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selEnd));
    if (cut)
        field.Cut();
    else
        field.Clear();
    QCOMPARE(Q(field.CurrentText()), expected);
    QCOMPARE(Q(field.Window().Clipboard()), clipboard);
}

void NumericBehaviorTest::read_only_field_takes_nothing()
{
    NumericField field(9, 2, kDot);
    field.AssignText("12.5");
    field.Window().SetReadOnly(true);
    field.Select(0, 4);
    field.Type("9");
    field.Backspace();
    field.PressDelete();
    field.Paste("77");
    field.Cut();
    QCOMPARE(Q(field.CurrentText()), QString("12.5"));
    // Programmatic text still arrives, through the set-text rule.
    field.SetValue(3.14159, true);
    QCOMPARE(Q(field.CurrentText()), QString("3.14"));
}

QTEST_GUILESS_MAIN(NumericBehaviorTest)
#include "tst_NumericBehavior.moc"
