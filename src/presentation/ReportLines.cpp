#include "presentation/ReportLines.h"

#include "model/Format.h"
#include "model/ResultRows.h"
#include "presentation/SheetValues.h"

namespace {

class ReportBuilder {
public:
    ReportBuilder(const InputForm& form, const UnitSystem& units)
        : form_(form)
        , units_(units)
    {
    }

    void Line(const std::string& label) { lines_.push_back({label, {}, false}); }
    void Value(const std::string& label, const std::string& value) { lines_.push_back({label, value, true}); }
    void Value(const std::string& label, const std::string& value, int unitKind)
    {
        Value(label, FormatText("%s %s", value.c_str(), UnitLabel(units_, unitKind).c_str()));
    }
    void Field(const std::string& label, InputField field, int unitKind) { Value(label, form_.Text(field), unitKind); }

    std::vector<ReportLine> Take() { return std::move(lines_); }

private:
    const InputForm& form_;
    const UnitSystem& units_;
    std::vector<ReportLine> lines_;
};

} // namespace

std::vector<ReportLine> BuildReportLines(const InputForm& form, const Tables& tables, const UnitSystem& units,
                                         const LoadResults& results)
{
    ReportBuilder b(form, units);
    const bool door = form.Option(OptionBox::iDoorCheck);
    const bool heat = form.Option(OptionBox::iHeatCheck);
    const bool cool = form.Option(OptionBox::iCoolCheck);
    const bool cond = form.Option(OptionBox::iCondCheck);

    b.Line(" ");
    b.Line(" ");
    b.Line("Conditions:");
    b.Field("   Ambient temperature", InputField::iAmbient, kTemperatureUnit);
    b.Field("   Temperature inside box", InputField::iEvapTemp, kTemperatureUnit);
    if (cond) {
        b.Field("   Evaporating temperature", InputField::iEvaporating, kTemperatureUnit);
        b.Field("   Condensing temperature", InputField::iCondensing, kTemperatureUnit);
        b.Field("   Subcooling", InputField::iSubcool, kTemperatureDifferenceUnit);
    }
    b.Line("Cabinet Design:");
    b.Field("   Depth (inner dimensions)", InputField::iDepth, kLengthUnit);
    b.Field("   Width", InputField::iWidth, kLengthUnit);
    b.Field("   Height", InputField::iHeight, kLengthUnit);
    b.Value("   Net volume", SheetValueText(SheetValue::NetVolume, results, units), kVolumeUnit);
    b.Field("   Insulation thickness", InputField::iInsulation, kLengthUnit);
    b.Value("   Insulation type", tables.insulationMaterials.Name(form.Selection(Selector::iType)));
    b.Field("   Insulation k value", InputField::iInsulTherm, kKValueUnit);
    if (door) {
        b.Line("Door Design:");
        b.Field("   Width", InputField::iDoorWidth, kLengthUnit);
        b.Field("   Height", InputField::iDoorHeight, kLengthUnit);
        b.Field("   Insulation thickness", InputField::iDoorInsul, kLengthUnit);
        b.Value("   Insulation type", tables.doorMaterials.Name(form.Selection(Selector::iType2)));
        b.Field("   Insulation k value", InputField::iDoorInsulTherm, kKValueUnit);
    }
    if (heat) {
        b.Line("Additional Heat Load:");
        b.Field("   Door or lid openings", InputField::iOpenings, kWattsUnit);
        b.Field("   Fan", InputField::iFanLoad, kWattsUnit);
        b.Field("   Light", InputField::iLightLoad, kWattsUnit);
        b.Field("   Antisweat", InputField::iAntisweatLoad, kWattsUnit);
    }
    if (cool) {
        b.Line("Cool Down Load:");
        b.Field("   Cool down mass", InputField::iCoolMass, kMassUnit);
        b.Value("   Type of product", tables.products.Name(form.Selection(Selector::iProd)));
        b.Field("   Start temperature", InputField::iStart, kTemperatureUnit);
        b.Field("   End temperature", InputField::iEnd, kTemperatureUnit);
        b.Field("   Cool down time", InputField::iTime, kHoursUnit);
    }
    b.Line("Compressor:");
    b.Field("   Max runtime", InputField::iRunTime, kPercentUnit);
    b.Line("Load:");
    b.Value("   Cabinet load", SheetValueText(SheetValue::CabinetLoad, results, units), kEnergyUnit);
    if (door)
        b.Value("   Door load", SheetValueText(SheetValue::DoorLoad, results, units), kEnergyUnit);
    if (heat)
        b.Value("   Additional heat load", SheetValueText(SheetValue::AdditionalLoad, results, units), kWattsUnit);
    if (cool)
        b.Value("   Cool down load", SheetValueText(SheetValue::CoolDownLoad, results, units), kEnergyUnit);
    b.Line(" ");
    b.Line(" ");
    b.Line(" ");
    b.Line(FormatText("%s:", kResultsHeading));
    const double conditions[4] = {ShownEnergy(results.requestedCapacity, units),
                                  ShownTemperature(results.tEvaporator, units),
                                  ShownTemperature(results.tCondenser, units), results.subcooling};
    const int kinds[4] = {kEnergyUnit, kTemperatureUnit, kTemperatureUnit, kTemperatureDifferenceUnit};
    for (int i = 0; i < 4; ++i)
        b.Value(FormatText("   %s", kResultNames[i]), FormatText("%.0f", conditions[i]), kinds[i]);
    b.Line(" ");
    return b.Take();
}

std::string ReportTitle(const std::string& fileDescription, const std::string& versionText)
{
    return fileDescription + " v" + versionText;
}
