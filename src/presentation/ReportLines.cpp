#include "presentation/ReportLines.h"

#include "model/Format.h"
#include "model/ResultRows.h"
#include "model/Translatable.h"
#include "presentation/FormSheet.h"
#include "presentation/SheetValues.h"

namespace {

// The report's sections in the order they are printed; a section whose option is off prints
// nothing at all.
class ReportBuilder {
public:
    ReportBuilder(const InputForm& form, const Tables& tables, const UnitSystem& units, const LoadResults& results,
                  TextLookup lookup)
        : form_(form)
        , tables_(tables)
        , units_(units)
        , results_(results)
        , lookup_(lookup)
        , door_(form.Option(OptionBox::iDoorCheck))
        , heat_(form.Option(OptionBox::iHeatCheck))
        , cool_(form.Option(OptionBox::iCoolCheck))
    {
    }

    std::vector<ReportLine> Build()
    {
        Blank(2);
        Inputs();
        Loads();
        Blank(3);
        CompressorConditions();
        Blank(1);
        return std::move(lines_);
    }

private:
    void Line(const std::string& label) { lines_.push_back({label, {}, false}); }
    void Heading(int row) { lines_.push_back({FormSheet::Label(row), {}, false, FormSheet::kLabelContext}); }
    void Blank(int count)
    {
        for (int i = 0; i < count; ++i)
            Line(" ");
    }
    void Value(const std::string& label, const std::string& value, int unitKind)
    {
        lines_.push_back(
            {label, FormatText("%s %s", value.c_str(), UnitLabel(units_, unitKind, lookup_).c_str()), true});
    }
    // A line whose label is that of a sheet row.
    void RowValue(int row, const std::string& value, int unitKind = kNoUnit)
    {
        const std::string shown =
            unitKind == kNoUnit ? value
                                : FormatText("%s %s", value.c_str(), UnitLabel(units_, unitKind, lookup_).c_str());
        lines_.push_back({FormSheet::Label(row), shown, true, FormSheet::kLabelContext});
    }
    void Result(SheetValue value)
    {
        const int row = FormSheet::RowOf(value);
        RowValue(row, SheetValueText(value, results_, units_), FormSheet::Rows()[row].unitKind);
    }

    void Input(const InputRow& input)
    {
        // On paper the door's width goes without the sheet's "(inner dimensions)", like the cabinet's.
        const bool doorWidth = input.id.value == static_cast<int>(InputField::iDoorWidth);
        const int labelRow = doorWidth ? InputOf(InputField::iWidth).sheetRow : input.sheetRow;
        if (input.quantity == Quantity::Selection) {
            const Selector selector = input.SelectorId();
            const char* context = selector == Selector::iProd ? "Products" : "Materials";
            RowValue(labelRow,
                     LookUp(lookup_, context, SelectionName(tables_, selector, form_.Selection(selector)).c_str()));
        } else
            RowValue(labelRow, form_.Text(input.Field()), FormSheet::Rows()[input.sheetRow].unitKind);
    }

    // The inputs under the sheet's headings, those of an option only while it is on, so a section
    // whose option is off prints nothing at all. A figure the sheet shows under an input is
    // printed under it (the net volume under the height).
    void Inputs()
    {
        int heading = -1;
        for (const InputRow* input : kReportOrder) {
            if (input->quantity == Quantity::Option || (input->shownBy && !form_.Option(*input->shownBy)))
                continue;
            if (FormSheet::HeadingOf(input->sheetRow) != heading) {
                heading = FormSheet::HeadingOf(input->sheetRow);
                Heading(heading);
            }
            Input(*input);
            if (const auto& below = FormSheet::Rows()[input->sheetRow + 1].value)
                Result(*below);
        }
    }

    void Loads()
    {
        Heading(FormSheet::HeadingOf(FormSheet::RowOf(SheetValue::CabinetLoad)));
        Result(SheetValue::CabinetLoad);
        if (door_)
            Result(SheetValue::DoorLoad);
        if (heat_)
            Result(SheetValue::AdditionalLoad);
        if (cool_)
            Result(SheetValue::CoolDownLoad);
    }

    void CompressorConditions()
    {
        // The colon is part of the text: French sets a space before it.
        Line(LookUp(lookup_, "ReportLines", QT_TRANSLATE_NOOP("ReportLines", "Compressor Selection Conditions:")));
        const double conditions[4] = {
            ShownEnergy(results_.requestedCapacity, units_), ShownTemperature(results_.tEvaporator, units_),
            ShownTemperature(results_.tCondenser, units_), ShownTemperatureDifference(results_.subcooling, units_)};
        const int kinds[4] = {kEnergyUnit, kTemperatureUnit, kTemperatureUnit, kTemperatureDifferenceUnit};
        for (int i = 0; i < 4; ++i)
            Value(FormatText("   %s", LookUp(lookup_, "ResultRows", kResultNames[i]).c_str()),
                  FormatText("%.0f", conditions[i]), kinds[i]);
    }

    const InputForm& form_;
    const Tables& tables_;
    const UnitSystem& units_;
    const LoadResults& results_;
    const TextLookup lookup_;
    const bool door_;
    const bool heat_;
    const bool cool_;
    std::vector<ReportLine> lines_;
};

} // namespace

std::vector<ReportLine> BuildReportLines(const InputForm& form, const Tables& tables, const UnitSystem& units,
                                         const LoadResults& results, TextLookup lookup)
{
    return ReportBuilder(form, tables, units, results, lookup).Build();
}

std::string ReportTitle(const std::string& fileDescription, const std::string& versionText)
{
    return fileDescription + " v" + versionText;
}
