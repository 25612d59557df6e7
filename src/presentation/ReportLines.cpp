#include "presentation/ReportLines.h"

#include "model/Format.h"
#include "model/ResultRows.h"
#include "model/Translatable.h"
#include "presentation/SheetValues.h"

namespace {

// The report's sections in the order they are printed; a section whose option is off prints
// nothing at all.
class ReportBuilder {
public:
    ReportBuilder(const InputForm& form, const Tables& tables, const UnitSystem& units, const LoadResults& results)
        : form_(form)
        , tables_(tables)
        , units_(units)
        , results_(results)
        , door_(form.Option(OptionBox::iDoorCheck))
        , heat_(form.Option(OptionBox::iHeatCheck))
        , cool_(form.Option(OptionBox::iCoolCheck))
        , cond_(form.Option(OptionBox::iCondCheck))
    {
    }

    std::vector<ReportLine> Build()
    {
        Blank(2);
        Conditions();
        Cabinet();
        Door();
        AdditionalHeat();
        CoolDown();
        Line(QT_TRANSLATE_NOOP("FormSheet", "Compressor:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Max runtime"), InputField::iRunTime, kPercentUnit);
        Loads();
        Blank(3);
        CompressorConditions();
        Blank(1);
        return std::move(lines_);
    }

private:
    void Line(const std::string& label) { lines_.push_back({label, {}, false}); }
    void Blank(int count)
    {
        for (int i = 0; i < count; ++i)
            Line(" ");
    }
    void Value(const std::string& label, const std::string& value) { lines_.push_back({label, value, true}); }
    void Value(const std::string& label, const std::string& value, int unitKind)
    {
        Value(label, FormatText("%s %s", value.c_str(), UnitLabel(units_, unitKind).c_str()));
    }
    void Field(const std::string& label, InputField field, int unitKind) { Value(label, form_.Text(field), unitKind); }
    void Result(const std::string& label, SheetValue value, int unitKind)
    {
        Value(label, SheetValueText(value, results_, units_), unitKind);
    }

    void Conditions()
    {
        Line(QT_TRANSLATE_NOOP("FormSheet", "Conditions:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Ambient temperature"), InputField::iAmbient, kTemperatureUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Temperature inside box"), InputField::iEvapTemp, kTemperatureUnit);
        if (!cond_)
            return;
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Evaporating temperature"), InputField::iEvaporating, kTemperatureUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Condensing temperature"), InputField::iCondensing, kTemperatureUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Subcooling"), InputField::iSubcool, kTemperatureDifferenceUnit);
    }

    void Cabinet()
    {
        Line(QT_TRANSLATE_NOOP("FormSheet", "Cabinet Design:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Depth (inner dimensions)"), InputField::iDepth, kLengthUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Width"), InputField::iWidth, kLengthUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Height"), InputField::iHeight, kLengthUnit);
        Result(QT_TRANSLATE_NOOP("FormSheet", "   Net volume"), SheetValue::NetVolume, kVolumeUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness"), InputField::iInsulation, kLengthUnit);
        Value(QT_TRANSLATE_NOOP("FormSheet", "   Insulation type"),
              tables_.insulationMaterials.Name(form_.Selection(Selector::iType)));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value"), InputField::iInsulTherm, kKValueUnit);
    }

    void Door()
    {
        if (!door_)
            return;
        Line(QT_TRANSLATE_NOOP("FormSheet", "Door Design:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Width"), InputField::iDoorWidth, kLengthUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Height"), InputField::iDoorHeight, kLengthUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness"), InputField::iDoorInsul, kLengthUnit);
        Value(QT_TRANSLATE_NOOP("FormSheet", "   Insulation type"),
              tables_.doorMaterials.Name(form_.Selection(Selector::iType2)));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value"), InputField::iDoorInsulTherm, kKValueUnit);
    }

    void AdditionalHeat()
    {
        if (!heat_)
            return;
        Line(QT_TRANSLATE_NOOP("FormSheet", "Additional Heat Load:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Door or lid openings"), InputField::iOpenings, kWattsUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Fan"), InputField::iFanLoad, kWattsUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Light"), InputField::iLightLoad, kWattsUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Antisweat"), InputField::iAntisweatLoad, kWattsUnit);
    }

    void CoolDown()
    {
        if (!cool_)
            return;
        Line(QT_TRANSLATE_NOOP("FormSheet", "Cool Down Load:"));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Cool down mass"), InputField::iCoolMass, kMassUnit);
        Value(QT_TRANSLATE_NOOP("FormSheet", "   Type of product"),
              tables_.products.Name(form_.Selection(Selector::iProd)));
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Start temperature"), InputField::iStart, kTemperatureUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   End temperature"), InputField::iEnd, kTemperatureUnit);
        Field(QT_TRANSLATE_NOOP("FormSheet", "   Cool down time"), InputField::iTime, kHoursUnit);
    }

    void Loads()
    {
        Line(QT_TRANSLATE_NOOP("FormSheet", "Load:"));
        Result(QT_TRANSLATE_NOOP("FormSheet", "   Cabinet load"), SheetValue::CabinetLoad, kEnergyUnit);
        if (door_)
            Result(QT_TRANSLATE_NOOP("FormSheet", "   Door load"), SheetValue::DoorLoad, kEnergyUnit);
        if (heat_)
            Result(QT_TRANSLATE_NOOP("FormSheet", "   Additional heat load"), SheetValue::AdditionalLoad, kWattsUnit);
        if (cool_)
            Result(QT_TRANSLATE_NOOP("FormSheet", "   Cool down load"), SheetValue::CoolDownLoad, kEnergyUnit);
    }

    void CompressorConditions()
    {
        Line(FormatText("%s:", kResultsHeading));
        const double conditions[4] = {
            ShownEnergy(results_.requestedCapacity, units_), ShownTemperature(results_.tEvaporator, units_),
            ShownTemperature(results_.tCondenser, units_), ShownTemperatureDifference(results_.subcooling, units_)};
        const int kinds[4] = {kEnergyUnit, kTemperatureUnit, kTemperatureUnit, kTemperatureDifferenceUnit};
        for (int i = 0; i < 4; ++i)
            Value(FormatText("   %s", kResultNames[i]), FormatText("%.0f", conditions[i]), kinds[i]);
    }

    const InputForm& form_;
    const Tables& tables_;
    const UnitSystem& units_;
    const LoadResults& results_;
    const bool door_;
    const bool heat_;
    const bool cool_;
    const bool cond_;
    std::vector<ReportLine> lines_;
};

} // namespace

std::vector<ReportLine> BuildReportLines(const InputForm& form, const Tables& tables, const UnitSystem& units,
                                         const LoadResults& results)
{
    return ReportBuilder(form, tables, units, results).Build();
}

std::string ReportTitle(const std::string& fileDescription, const std::string& versionText)
{
    return fileDescription + " v" + versionText;
}
