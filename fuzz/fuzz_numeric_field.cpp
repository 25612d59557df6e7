// The numeric field's rules under any sequence of typed characters, Delete and Backspace,
// pastes, cuts, focus loss and setters. After every step the text is its own sanitised form,
// holds no more whole digits or decimals than allowed, reads as a number, and the selection
// lies on character boundaries inside it.
#include "FuzzBytes.h"
#include "controls/NumericField.h"
#include "controls/Utf8Text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

using NB = NumericBehavior;

const std::array<LocaleChars, 4> kCharSets = {LocaleChars{'-', '.', ','}, LocaleChars{'-', ',', '.'},
                                              LocaleChars{'-', '.', ' '}, LocaleChars{'-', ',', '\''}};
const std::array<const char*, 5> kPrefixes = {"", "$ ", "\xE2\x82\xAC ", "Nr ", "kg "};
// Characters the user can type; bytes outside this set arrive as raw characters.
const std::array<char32_t, 10> kSpecialChars = {U'-', U'.', U',', U' ', U'\'', U'\b', U'\u20AC', U'$', U'N', U'\0'};
// The negative sign stays '-', so it is never a separator as well.
const std::array<char, 4> kSeparators = {'.', ',', ' ', '\''};

// The options whose texts stay their own sanitised form. ZeroFillDecimalsOnSet pads a set value
// with zeros that typing would not keep, so it is left out, as in the property test.
const std::array<std::uint32_t, 14> kOptionBits = {
    NB::BeepOutOfRange,     NB::BeepEmpty,
    NB::ClampOutOfRange,    NB::ClampEmpty,
    NB::RefocusOutOfRange,  NB::RefocusEmpty,
    NB::MessageOutOfRange,  NB::MessageEmpty,
    NB::ZeroFillWhole,      NB::ZeroFillDecimals,
    NB::SkipCheckWhenEmpty, NB::TrimLeadingZeros,
    NB::AutoDecimalPoint,   NB::ZeroFillDecimalsAlways,
};

std::uint32_t Options(FuzzBytes& in)
{
    const std::uint32_t mask = in.U32();
    std::uint32_t options = 0;
    for (std::size_t i = 0; i < kOptionBits.size(); ++i)
        if (mask & (1u << i))
            options |= kOptionBits[i];
    return options;
}

double Limit(FuzzBytes& in)
{
    switch (in.Pick(0, 3)) {
    case 0:
        return in.Pick(-100, 100) * 10.0;
    case 1:
        return static_cast<double>(in.I32()) / 100.0;
    case 2:
        return in.Flag() ? NB::HighestLimit : NB::LowestLimit;
    default:
        return in.AnyDouble();
    }
}

char32_t Character(FuzzBytes& in)
{
    const std::uint8_t b = in.Byte();
    if (b < 128 && b >= '0' && b <= '9')
        return b;
    if (b >= 0xF0)
        return kSpecialChars[b % kSpecialChars.size()];
    return b < 0x80 ? char32_t{b} : char32_t{b} + 0x100; // some non-ASCII characters too
}

// Patterns are written by the program, so they are made of the pattern characters (and a prefix).
std::string Pattern(FuzzBytes& in)
{
    static const char kPatternChars[] = {'#', '#', '#', ',', '.', '$', ' '};
    std::string pattern;
    for (int n = in.Pick(0, 16); n > 0; --n)
        pattern += kPatternChars[in.Pick(0, 6)];
    return pattern;
}

void Setter(NumericField& field, FuzzBytes& in)
{
    NumericBehavior& b = field.Behavior();
    switch (in.Pick(0, 11)) {
    case 0:
        b.SetDecimalPlaces(in.Pick(0, 9));
        break;
    case 1:
        b.SetWholeDigits(in.Pick(-15, 15));
        break;
    case 2:
        b.SetGroupSize(in.Pick(0, 5));
        break;
    case 3:
        b.SetSeparatorChars(kSeparators[in.Pick(0, 3)], kSeparators[in.Pick(0, 3)]);
        break;
    case 4:
        b.SetPrefixText(kPrefixes[in.Pick(0, 4)]);
        break;
    case 5:
        b.ApplyPattern(Pattern(in));
        break;
    case 6:
        b.ChangeOptions(Options(in), Options(in));
        break;
    case 7:
        b.SetLimits(Limit(in), Limit(in));
        break;
    case 8:
        b.SetValue(in.AnyDouble(), in.Flag());
        break;
    case 9:
        b.SetIntValue(in.I32());
        break;
    case 10:
        b.SetNegativeAllowed(in.Flag());
        break;
    default:
        b.ClampToLimits();
        break;
    }
}

void Step(NumericField& field, FuzzBytes& in)
{
    const int action = in.Pick(0, 15);
    if (action < 5) {
        field.TypeChar(Character(in));
        return;
    }
    switch (action) {
    case 5:
        field.Backspace();
        break;
    case 6:
        field.PressDelete();
        break;
    case 7: {
        const std::size_t size = field.CurrentText().size() + 2; // beyond the end is clamped
        field.Select(in.Byte() % size, in.Byte() % size);
        break;
    }
    case 8:
        field.Paste(in.Text(20));
        break;
    case 9:
        field.Cut();
        break;
    case 10:
        field.Clear();
        break;
    case 11:
        field.AssignText(in.Text(20));
        break;
    case 12:
        field.LoseFocus();
        break;
    case 13:
        field.SelectAll();
        break;
    default:
        Setter(field, in);
        break;
    }
}

void CheckInvariants(const NumericField& field)
{
    const NumericBehavior& b = field.Behavior();
    const std::string text = field.CurrentText();
    const std::string& prefix = b.PrefixText();
    // While the prefix itself is being typed its leading part stands alone.
    const bool typingPrefix =
        !text.empty() && text.size() <= prefix.size() && prefix.compare(0, text.size(), text) == 0;
    if (!typingPrefix)
        Require(b.SanitizeText(text) == text,
                "text '" + text + "' is not its sanitised form '" + b.SanitizeText(text) + "'");

    const std::string number = text.compare(0, prefix.size(), prefix) == 0 ? text.substr(prefix.size()) : text;
    int whole = 0;
    int decimals = 0;
    bool point = false;
    for (const char c : number) {
        if (c == b.Chars().decimalPoint)
            point = true;
        else if (c >= '0' && c <= '9')
            ++(point ? decimals : whole);
    }
    Require(whole <= std::abs(b.WholeDigits()), "too many whole digits in '" + text + "'");
    Require(decimals <= std::max(b.DecimalPlaces(), 0), "too many decimals in '" + text + "'");
    Require(!std::isnan(b.Value()), "the value of '" + text + "' is NaN");

    const EditSelection s = field.Selection();
    Require(s.start <= s.end && s.end <= text.size(), "selection outside '" + text + "'");
    Require(Utf8Text::Snap(text, s.start) == s.start && Utf8Text::Snap(text, s.end) == s.end,
            "selection inside a character of '" + text + "'");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const int whole = in.Pick(-12, 12);
    NumericField field(whole, in.Pick(0, 6), kCharSets[in.Pick(0, 3)]);
    field.Behavior().SetGroupSize(in.Pick(0, 4));
    field.Behavior().SetPrefixText(kPrefixes[in.Pick(0, 4)]);
    field.Behavior().ChangeOptions(Options(in), 0);
    field.Window().SetClipboard(in.Text(12));
    for (int steps = 0; !in.Empty() && steps < 200; ++steps) {
        Step(field, in);
        CheckInvariants(field);
    }
    return 0;
}
