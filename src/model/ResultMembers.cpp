#include "model/ResultMembers.h"

#include "model/ResultRows.h"
#include "model/Translatable.h"

const ResultMember kResultMembers[10] = {
    {"netVolume", &LoadResults::netVolume, ShownVolume},
    {"cabinetLoad", &LoadResults::cabinetLoad},
    {"doorLoad", &LoadResults::doorLoad},
    {"transmissionLoad", &LoadResults::transmissionLoad},
    {"additionalLoad", &LoadResults::additionalLoad},
    {"coolDownLoad", &LoadResults::coolDownLoad},
    {"requestedCapacity", &LoadResults::requestedCapacity},
    {"tEvaporator", &LoadResults::tEvaporator},
    {"tCondenser", &LoadResults::tCondenser},
    {"subcooling", &LoadResults::subcooling, ShownTemperatureDifference},
};

double PrintedValue(const ResultMember& result, const LoadResults& results, const UnitSystem& units)
{
    const double value = results.*result.member;
    return result.shown ? result.shown(value, units) : value;
}

const ResultMember* ResultMemberNamed(const std::string& name)
{
    for (const ResultMember& r : kResultMembers)
        if (name == r.name)
            return &r;
    return nullptr;
}

const char* ResultLabel(const ResultMember& result)
{
    return ResultLabel(result.member);
}

const char* ResultLabel(double LoadResults::*member)
{
    const struct {
        double LoadResults::*member;
        const char* label;
    } labels[] = {
        {&LoadResults::netVolume, QT_TRANSLATE_NOOP("ResultMember", "Net volume")},
        {&LoadResults::cabinetLoad, QT_TRANSLATE_NOOP("ResultMember", "Cabinet load")},
        {&LoadResults::doorLoad, QT_TRANSLATE_NOOP("ResultMember", "Door load")},
        {&LoadResults::transmissionLoad, QT_TRANSLATE_NOOP("ResultMember", "Transmission load")},
        {&LoadResults::additionalLoad, QT_TRANSLATE_NOOP("ResultMember", "Additional heat load")},
        {&LoadResults::coolDownLoad, QT_TRANSLATE_NOOP("ResultMember", "Cool down load")},
        {&LoadResults::requestedCapacity, kResultNames[0]},
        {&LoadResults::tEvaporator, kResultNames[1]},
        {&LoadResults::tCondenser, kResultNames[2]},
        {&LoadResults::subcooling, kResultNames[3]},
    };
    for (const auto& l : labels)
        if (l.member == member)
            return l.label;
    return "";
}

const char* ResultLabelContext(double LoadResults::*member)
{
    const bool compressorRow = member == &LoadResults::requestedCapacity || member == &LoadResults::tEvaporator ||
                               member == &LoadResults::tCondenser || member == &LoadResults::subcooling;
    return compressorRow ? "ResultRows" : "ResultMember";
}
