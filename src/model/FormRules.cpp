#include "model/FormRules.h"

#include "model/Conversions.h"

using namespace Conversions;

namespace {

constexpr InputField kTemperatureFields[] = {
    InputField::iEvapTemp, InputField::iStart,       InputField::iEnd,
    InputField::iAmbient,  InputField::iEvaporating, InputField::iCondensing,
};

constexpr InputField kLengthFields[] = {
    InputField::iDepth,     InputField::iWidth,      InputField::iHeight,    InputField::iInsulation,
    InputField::iDoorWidth, InputField::iDoorHeight, InputField::iDoorInsul,
};

void SetRounded(InputForm& form, InputField field, double value)
{
    form.SetValue(field, static_cast<double>(RoundHalfAwayFromZero(value)), true);
}

void ConvertTemperatures(InputForm& form, bool toFahrenheit)
{
    double values[6];
    for (int i = 0; i < 6; ++i)
        values[i] = form.Value(kTemperatureFields[i]);
    double subcool = form.Value(InputField::iSubcool);

    for (double& v : values)
        v = toFahrenheit ? CelsiusToFahrenheit(v) : FahrenheitToCelsius(v);
    subcool = toFahrenheit ? KelvinDiffToFahrenheitDiff(subcool) : FahrenheitDiffToKelvinDiff(subcool);

    for (int i = 0; i < 6; ++i)
        SetRounded(form, kTemperatureFields[i], values[i]);
    form.SetValue(InputField::iSubcool, subcool, true);
}

void ConvertMass(InputForm& form, bool toPounds)
{
    const double mass = form.Value(InputField::iCoolMass);
    SetRounded(form, InputField::iCoolMass, toPounds ? KilogramsToPounds(mass) : PoundsToKilograms(mass));
}

// Back to W/(m.K) a table row's k is taken exactly from the table; only a custom value is
// converted, so switching units back and forth never drifts a table value.
double KToSi(const InputForm& form, const MaterialTable& table, int row, InputField field)
{
    return row == 0 ? BtuPerHFtFToWPerMK(form.Value(field)) : table.K(row);
}

void ConvertKValues(InputForm& form, const Tables& tables, bool toImperial)
{
    double wall, door;
    if (toImperial) {
        wall = WPerMKToBtuPerHFtF(form.Value(InputField::iInsulTherm));
        door = WPerMKToBtuPerHFtF(form.Value(InputField::iDoorInsulTherm));
    } else {
        wall = KToSi(form, tables.insulationMaterials, form.Selection(Selector::iType), InputField::iInsulTherm);
        door = KToSi(form, tables.doorMaterials, form.Selection(Selector::iType2), InputField::iDoorInsulTherm);
    }
    form.SetValue(InputField::iInsulTherm, wall, true);
    form.SetValue(InputField::iDoorInsulTherm, door, true);
}

void ConvertLengths(InputForm& form, bool toInches)
{
    for (InputField field : kLengthFields) {
        const double value = form.Value(field);
        if (toInches) {
            form.SetDecimalPlaces(field, 2);
            form.SetValue(field, MillimetresToInches(value), true);
        } else {
            SetRounded(form, field, InchesToMillimetres(value));
        }
    }
}

} // namespace

double ShownK(double siK, const UnitSystem& units)
{
    return units.KValueImperial() ? WPerMKToBtuPerHFtF(siK) : siK;
}

double SiK(double shownK, const UnitSystem& units)
{
    return units.KValueImperial() ? BtuPerHFtFToWPerMK(shownK) : shownK;
}

LoadInputs ReadLoadInputs(const InputForm& form, const Tables& tables, const UnitSystem& units)
{
    LoadInputs in;
    in.iType = form.Selection(Selector::iType);
    in.iType2 = form.Selection(Selector::iType2);
    in.iProd = form.Selection(Selector::iProd);
    in.iDoorCheck = form.Option(OptionBox::iDoorCheck);
    in.iHeatCheck = form.Option(OptionBox::iHeatCheck);
    in.iCoolCheck = form.Option(OptionBox::iCoolCheck);
    in.iCondCheck = form.Option(OptionBox::iCondCheck);

    in.iWidth = form.Value(InputField::iWidth);
    in.iHeight = form.Value(InputField::iHeight);
    in.iDepth = form.Value(InputField::iDepth);
    in.iDoorWidth = form.Value(InputField::iDoorWidth);
    in.iDoorHeight = form.Value(InputField::iDoorHeight);
    in.iCoolMass = form.Value(InputField::iCoolMass);
    in.iStart = form.Value(InputField::iStart);
    in.iEnd = form.Value(InputField::iEnd);
    in.iTime = form.Value(InputField::iTime);
    in.iAmbient = form.Value(InputField::iAmbient);
    in.iEvapTemp = form.Value(InputField::iEvapTemp);
    in.iEvaporating = form.Value(InputField::iEvaporating);
    in.iCondensing = form.Value(InputField::iCondensing);
    in.iSubcool = form.Value(InputField::iSubcool);
    in.iInsulation = form.Value(InputField::iInsulation);
    in.iDoorInsul = form.Value(InputField::iDoorInsul);
    in.iOpenings = form.Value(InputField::iOpenings);
    in.iLightLoad = form.Value(InputField::iLightLoad);
    in.iFanLoad = form.Value(InputField::iFanLoad);
    in.iAntisweatLoad = form.Value(InputField::iAntisweatLoad);
    in.iInsulTherm =
        in.iType == 0 ? SiK(form.Value(InputField::iInsulTherm), units) : tables.insulationMaterials.CustomK();
    in.iDoorInsulTherm =
        in.iType2 == 0 ? SiK(form.Value(InputField::iDoorInsulTherm), units) : tables.doorMaterials.CustomK();
    in.iRunTime = form.IntValue(InputField::iRunTime);
    return in;
}

void ShowSelectedK(InputForm& form, const Tables& tables, const UnitSystem& units, Selector which)
{
    const bool walls = which == Selector::iType;
    const MaterialTable& table = walls ? tables.insulationMaterials : tables.doorMaterials;
    const InputField field = walls ? InputField::iInsulTherm : InputField::iDoorInsulTherm;
    form.SetValue(field, ShownK(table.K(form.Selection(which)), units), true);
}

void ConvertInputsForNewUnits(InputForm& form, const Tables& tables, const UnitSystem& previous,
                              const UnitSystem& current)
{
    if (current.temperature != previous.temperature)
        ConvertTemperatures(form, current.temperature == 1);
    if (current.mass != previous.mass)
        ConvertMass(form, current.mass == 1);
    if (current.kValue != previous.kValue)
        ConvertKValues(form, tables, current.kValue == 1);
    if (current.length != previous.length)
        ConvertLengths(form, current.length == 1);
}
