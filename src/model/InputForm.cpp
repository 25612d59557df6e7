#include "model/InputForm.h"

const InputFieldInfo kInputFields[23] = {
    {InputField::iAmbient, "iAmbient"},
    {InputField::iEvapTemp, "iEvapTemp"},
    {InputField::iEvaporating, "iEvaporating"},
    {InputField::iCondensing, "iCondensing"},
    {InputField::iSubcool, "iSubcool"},
    {InputField::iDepth, "iDepth"},
    {InputField::iWidth, "iWidth"},
    {InputField::iHeight, "iHeight"},
    {InputField::iInsulTherm, "iInsulTherm"},
    {InputField::iInsulation, "iInsulation"},
    {InputField::iDoorWidth, "iDoorWidth"},
    {InputField::iDoorHeight, "iDoorHeight"},
    {InputField::iDoorInsulTherm, "iDoorInsulTherm"},
    {InputField::iDoorInsul, "iDoorInsul"},
    {InputField::iOpenings, "iOpenings"},
    {InputField::iLightLoad, "iLightLoad"},
    {InputField::iFanLoad, "iFanLoad"},
    {InputField::iAntisweatLoad, "iAntisweatLoad"},
    {InputField::iCoolMass, "iCoolMass"},
    {InputField::iStart, "iStart"},
    {InputField::iEnd, "iEnd"},
    {InputField::iTime, "iTime"},
    {InputField::iRunTime, "iRunTime"},
};

const SelectorInfo kSelectors[3] = {
    {Selector::iType, "iType"},
    {Selector::iType2, "iType2"},
    {Selector::iProd, "iProd"},
};

const OptionInfo kOptions[4] = {
    {OptionBox::iDoorCheck, "iDoorCheck"},
    {OptionBox::iHeatCheck, "iHeatCheck"},
    {OptionBox::iCoolCheck, "iCoolCheck"},
    {OptionBox::iCondCheck, "iCondCheck"},
};

const char* FieldName(InputField field)
{
    for (const auto& info : kInputFields)
        if (info.field == field)
            return info.name;
    return "";
}

bool FieldFromName(const std::string& name, InputField& field)
{
    for (const auto& info : kInputFields) {
        if (name == info.name) {
            field = info.field;
            return true;
        }
    }
    return false;
}
