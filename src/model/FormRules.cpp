#include "model/FormRules.h"

#include "model/Conversions.h"

using namespace Conversions;

namespace {

void SetRounded(InputForm& form, InputField field, double value)
{
    form.SetValue(field, static_cast<double>(RoundHalfAwayFromZero(value)), true);
}

// Back to W/(m.K) a table row's k is taken exactly from the table; only a custom value is
// converted, so switching units back and forth never drifts a table value.
double KToSi(const InputForm& form, const Tables& tables, InputField field)
{
    const MaterialInput& material = *MaterialOfK(field);
    const int row = form.Selection(material.selector);
    return row == 0 ? BtuPerHFtFToWPerMK(form.Value(field)) : (tables.*material.table).K(row);
}

// Converts one shown value whose unit choice changed; `imperial` is the new choice.
void ConvertShown(InputForm& form, const Tables& tables, InputField field, Quantity quantity, bool imperial)
{
    const double value = form.Value(field);
    switch (quantity) {
    case Quantity::Temperature:
        SetRounded(form, field, imperial ? CelsiusToFahrenheit(value) : FahrenheitToCelsius(value));
        break;
    case Quantity::TemperatureDifference:
        form.SetValue(field, imperial ? KelvinDiffToFahrenheitDiff(value) : FahrenheitDiffToKelvinDiff(value), true);
        break;
    case Quantity::Mass:
        SetRounded(form, field, imperial ? KilogramsToPounds(value) : PoundsToKilograms(value));
        break;
    case Quantity::KValue:
        form.SetValue(field, imperial ? WPerMKToBtuPerHFtF(value) : KToSi(form, tables, field), true);
        break;
    case Quantity::Length:
        if (!imperial) {
            SetRounded(form, field, InchesToMillimetres(value));
            break;
        }
        form.SetDecimalPlaces(field, 2);
        form.SetValue(field, MillimetresToInches(value), true);
        break;
    default:
        break;
    }
}

// The unit choice a quantity is shown in; -1 for those no choice converts.
int ChoiceOf(Quantity quantity, const UnitSystem& units)
{
    if (quantity == Quantity::Temperature || quantity == Quantity::TemperatureDifference)
        return units.temperature;
    if (quantity == Quantity::Mass)
        return units.mass;
    if (quantity == Quantity::KValue)
        return units.kValue;
    return quantity == Quantity::Length ? units.length : -1;
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
    for (const InputRow& row : kInputs) {
        if (row.quantity == Quantity::Selection)
            in.*row.member.whole = form.Selection(row.SelectorId());
        else if (row.quantity == Quantity::Option)
            in.*row.member.flag = form.Option(row.Box());
        else if (row.member.whole)
            in.*row.member.whole = form.IntValue(row.Field());
        else if (row.quantity != Quantity::KValue)
            in.*row.member.number = form.Value(row.Field());
    }
    // A custom k counts from its field only while "Customized" is selected.
    for (const MaterialInput& m : kMaterialInputs)
        in.*InputOf(m.kField).member.number =
            form.Selection(m.selector) == 0 ? SiK(form.Value(m.kField), units) : (tables.*m.table).CustomK();
    return in;
}

void ShowSelectedK(InputForm& form, const Tables& tables, const UnitSystem& units, Selector which)
{
    const MaterialInput& material = MaterialOf(which);
    form.SetValue(material.kField, ShownK((tables.*material.table).K(form.Selection(which)), units), true);
}

void ConvertInputsForNewUnits(InputForm& form, const Tables& tables, const UnitSystem& previous,
                              const UnitSystem& current)
{
    for (const InputRow& row : kInputs) {
        const int choice = ChoiceOf(row.quantity, current);
        if (choice != ChoiceOf(row.quantity, previous))
            ConvertShown(form, tables, row.Field(), row.quantity, choice == 1);
    }
}
