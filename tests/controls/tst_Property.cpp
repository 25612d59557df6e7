// Random keystroke, paste and setter sequences over random field settings: whatever happens,
// the text stays in its valid form, within its digits, and reads as a number.
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "controls/NumericField.h"
#include "controls/Utf8Text.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Rng = std::mt19937;

constexpr unsigned kFixedSeed = 20240531;
constexpr int kSequences = 3000;
constexpr int kSteps = 40;
constexpr int kWidgetSequences = 150;
constexpr int kWidgetSteps = 30;

const std::array<LocaleChars, 4> kCharSets = {LocaleChars{'-', '.', ','}, LocaleChars{'-', ',', '.'},
                                              LocaleChars{'-', '.', ' '}, LocaleChars{'-', ',', '\''}};
const std::array<const char*, 5> kPrefixes = {"", "", "$ ", "€ ", "Nr "};
const std::array<const char*, 22> kKeys = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
                                           "9", "-", ".", ",", " ", "'", "a", "€", "$", "N", "r"};

// CI runs the fixed seed; DORARIVE_PROPERTY_SEED explores others.
unsigned Seed()
{
    const QByteArray seed = qgetenv("DORARIVE_PROPERTY_SEED");
    return seed.isEmpty() ? kFixedSeed : seed.toUInt();
}

int Pick(Rng& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool Chance(Rng& rng, int percent)
{
    return Pick(rng, 1, 100) <= percent;
}

std::string RandomText(Rng& rng, int maxLength)
{
    std::string text;
    for (int i = Pick(rng, 0, maxLength); i > 0; --i)
        text += kKeys[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kKeys.size()) - 1))];
    return text;
}

double RandomValue(Rng& rng)
{
    switch (Pick(rng, 0, 7)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return Chance(rng, 50) ? HUGE_VAL : -HUGE_VAL;
    case 2:
        return -0.0;
    case 3:
        return Pick(rng, -1000, 1000);
    case 4:
        return std::uniform_real_distribution<double>(-1e13, 1e13)(rng);
    case 5:
        return std::uniform_real_distribution<double>(-1, 1)(rng);
    case 6:
        return Chance(rng, 50) ? 1.7976931348623157e308 : 1e-300;
    default:
        return std::uniform_real_distribution<double>(-100, 100)(rng);
    }
}

std::string RandomPattern(Rng& rng)
{
    std::string pattern = kPrefixes[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kPrefixes.size()) - 1))];
    const int whole = Pick(rng, 0, 10);
    const int group = Pick(rng, 0, 4);
    for (int i = whole; i > 0; --i) {
        pattern += '#';
        if (group > 0 && i > 1 && (i - 1) % group == 0)
            pattern += ',';
    }
    if (Chance(rng, 70)) {
        pattern += '.';
        pattern.append(static_cast<std::size_t>(Pick(rng, 0, 4)), '#');
    }
    return pattern;
}

char RandomSeparator(Rng& rng)
{
    const char separators[] = {'.', ',', ' ', '\''};
    return separators[Pick(rng, 0, 3)];
}

// Every check of the text; an empty string means all hold.
std::string Violation(const NumericBehavior& behavior, const std::string& text, EditSelection selection)
{
    const std::string& prefix = behavior.PrefixText();
    // The user typing the prefix itself passes through its leading parts.
    const bool typingPrefix =
        !text.empty() && text.size() <= prefix.size() && prefix.compare(0, text.size(), text) == 0;
    if (!typingPrefix && behavior.SanitizeText(text) != text)
        return "text is not its own sanitised form: '" + text + "' vs '" + behavior.SanitizeText(text) + "'";

    const std::string number = text.compare(0, prefix.size(), prefix) == 0 ? text.substr(prefix.size()) : text;
    int whole = 0;
    int decimals = 0;
    bool point = false;
    for (const char c : number) {
        if (c == behavior.Chars().decimalPoint)
            point = true;
        else if (c >= '0' && c <= '9')
            ++(point ? decimals : whole);
    }
    if (whole > behavior.WholeDigits())
        return "too many whole digits in '" + text + "'";
    if (decimals > behavior.DecimalPlaces())
        return "too many decimals in '" + text + "'";
    if (std::isnan(behavior.Value()))
        return "value is NaN for '" + text + "'";
    if (selection.start > selection.end || selection.end > text.size())
        return "selection outside the text";
    if (Utf8Text::Snap(text, selection.start) != selection.start ||
        Utf8Text::Snap(text, selection.end) != selection.end)
        return "selection inside a character";
    return {};
}

// Settings and setter steps that both property tests share.
void ApplySetter(NumericBehavior& b, Rng& rng, std::string& log)
{
    switch (Pick(rng, 0, 8)) {
    case 0: {
        const int places = Pick(rng, 0, 5);
        b.SetDecimalPlaces(places);
        log += " places" + std::to_string(places);
        break;
    }
    case 1: {
        const int whole = Pick(rng, -12, 12);
        b.SetWholeDigits(whole);
        log += " whole" + std::to_string(whole);
        break;
    }
    case 2: {
        const int group = Pick(rng, 0, 4);
        b.SetGroupSize(group);
        log += " group" + std::to_string(group);
        break;
    }
    case 3: {
        const char point = RandomSeparator(rng);
        const char group = RandomSeparator(rng);
        b.SetSeparatorChars(point, group);
        log += std::string(" chars[") + point + group + "]";
        break;
    }
    case 4: {
        const char* prefix = kPrefixes[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kPrefixes.size()) - 1))];
        b.SetPrefixText(prefix);
        log += std::string(" prefix'") + prefix + "'";
        break;
    }
    case 5: {
        const std::string pattern = RandomPattern(rng);
        b.ApplyPattern(pattern);
        log += " pattern'" + pattern + "'";
        break;
    }
    case 6: {
        const std::uint32_t bits =
            Chance(rng, 50) ? NumericBehavior::AutoDecimalPoint : NumericBehavior::ZeroFillDecimalsAlways;
        if (Chance(rng, 50))
            b.ChangeOptions(bits, 0);
        else
            b.ChangeOptions(0, bits);
        log += " options" + std::to_string(b.Options());
        break;
    }
    case 7: {
        const double value = RandomValue(rng);
        b.SetValue(value, Chance(rng, 70));
        log += " value" + std::to_string(value);
        break;
    }
    default: {
        const int value = Chance(rng, 20) ? (Chance(rng, 50) ? INT_MIN : INT_MAX) : Pick(rng, -100000, 100000);
        b.SetIntValue(value);
        log += " int" + std::to_string(value);
        break;
    }
    }
}

void RandomSettings(NumericBehavior& b, Rng& rng)
{
    const LocaleChars& chars =
        kCharSets[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kCharSets.size()) - 1))];
    b.SetSeparatorChars(chars.decimalPoint, chars.groupSeparator);
    b.SetGroupSize(Chance(rng, 50) ? 0 : Pick(rng, 1, 4));
    b.SetPrefixText(kPrefixes[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kPrefixes.size()) - 1))]);
    std::uint32_t options = 0;
    if (Chance(rng, 30))
        options |= NumericBehavior::AutoDecimalPoint;
    if (Chance(rng, 20))
        options |= NumericBehavior::ZeroFillDecimalsAlways;
    if (Chance(rng, 30))
        options |= NumericBehavior::ZeroFillWhole;
    if (Chance(rng, 30))
        options |= NumericBehavior::ZeroFillDecimals;
    if (Chance(rng, 30))
        options |= NumericBehavior::TrimLeadingZeros;
    if (Chance(rng, 30)) {
        options |= NumericBehavior::ClampOutOfRange | NumericBehavior::ClampEmpty;
        b.SetLimits(Pick(rng, -500, 0), Pick(rng, 1, 5000));
    }
    b.ChangeOptions(options, 0);
}

} // namespace

class PropertyTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void random_sequences_keep_text_valid();
    void random_widget_sequences_keep_text_valid();
};

void PropertyTest::random_sequences_keep_text_valid()
{
    Rng rng(Seed());
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        const int whole = Pick(rng, 0, 12);
        NumericField field(Chance(rng, 25) ? -whole : whole, Pick(rng, 0, 5), kCharSets[0]);
        NumericBehavior& b = field.Behavior();
        RandomSettings(b, rng);
        std::string log = "sequence " + std::to_string(sequence) + " whole " + std::to_string(b.WholeDigits()) +
                          " places " + std::to_string(b.DecimalPlaces()) + " options " + std::to_string(b.Options()) +
                          " prefix '" + b.PrefixText() + "':";
        for (int step = 0; step < kSteps; ++step) {
            const int action = Pick(rng, 0, 99);
            if (action < 45) {
                const char* key = kKeys[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kKeys.size()) - 1))];
                field.Type(key);
                log += std::string(" '") + key + "'";
            } else if (action < 53) {
                field.Backspace();
                log += " BS";
            } else if (action < 60) {
                field.PressDelete();
                log += " DEL";
            } else if (action < 72) {
                const std::size_t size = field.CurrentText().size();
                const auto start = static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(size)));
                const auto end =
                    Chance(rng, 60) ? start : static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(size)));
                field.Select(start, end);
                log += " sel" + std::to_string(field.Selection().start) + "-" + std::to_string(field.Selection().end);
            } else if (action < 79) {
                const std::string text = RandomText(rng, 12);
                field.Paste(text);
                log += " paste'" + text + "'";
            } else if (action < 82) {
                field.Cut();
                log += " cut";
            } else if (action < 84) {
                field.Clear();
                log += " clear";
            } else if (action < 87) {
                const std::string text = RandomText(rng, 14);
                field.AssignText(text);
                log += " set'" + text + "'";
            } else if (action < 90) {
                field.LoseFocus();
                log += " focus";
            } else {
                ApplySetter(b, rng, log);
            }
            log += "=" + field.CurrentText() + "@" + std::to_string(field.Selection().start);
            const std::string problem = Violation(b, field.CurrentText(), field.Selection());
            if (!problem.empty())
                QFAIL((problem + "\n" + log).c_str());
        }
    }
}

void PropertyTest::random_widget_sequences_keep_text_valid()
{
    Rng rng(Seed() + 1);
    for (int sequence = 0; sequence < kWidgetSequences; ++sequence) {
        const int whole = Pick(rng, 0, 12);
        NumericEdit edit(Chance(rng, 25) ? -whole : whole, Pick(rng, 0, 5), kCharSets[0]);
        NumericBehavior& b = edit.Behavior();
        RandomSettings(b, rng);
        std::string log = "widget sequence " + std::to_string(sequence) + " whole " + std::to_string(b.WholeDigits()) +
                          " places " + std::to_string(b.DecimalPlaces()) + " options " + std::to_string(b.Options()) +
                          " prefix '" + b.PrefixText() + "':";
        for (int step = 0; step < kWidgetSteps; ++step) {
            const int action = Pick(rng, 0, 99);
            if (action < 45) {
                const char* key = kKeys[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(kKeys.size()) - 1))];
                // keyClicks knows ASCII only; other characters arrive as text of an unknown key.
                QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString::fromUtf8(key), Qt::NoModifier);
                log += std::string(" '") + key + "'";
            } else if (action < 52) {
                QTest::keyClick(&edit, Qt::Key_Backspace);
                log += " BS";
            } else if (action < 59) {
                QTest::keyClick(&edit, Qt::Key_Delete);
                log += " DEL";
            } else if (action < 70) {
                const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
                const bool shift = Chance(rng, 40);
                QTest::keyClick(&edit, keys[Pick(rng, 0, 3)], shift ? Qt::ShiftModifier : Qt::NoModifier);
                log += shift ? " shift-move" : " move";
            } else if (action < 78) {
                const std::string text = RandomText(rng, 12);
                QGuiApplication::clipboard()->setText(QString::fromStdString(text));
                QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
                log += " paste'" + text + "'";
            } else if (action < 81) {
                QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
                log += " cut";
            } else if (action < 85) {
                QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
                log += " undo";
            } else if (action < 88) {
                QTest::keyClick(&edit, Qt::Key_Backspace, Qt::ControlModifier);
                log += " ctrl-BS";
            } else {
                ApplySetter(b, rng, log);
            }
            log += "=" + edit.CurrentText().toStdString() + "@" + std::to_string(edit.cursorPosition());
            const std::string problem = Violation(b, edit.CurrentText().toStdString(), b.Window().Selection());
            if (!problem.empty())
                QFAIL((problem + "\n" + log).c_str());
        }
    }
}

QTEST_MAIN(PropertyTest)
#include "tst_Property.moc"
