#include "model/CustomKStart.h"

#include "model/FormRules.h"

void ShowKOfChosenRow(InputForm& form, Tables& tables, const UnitSystem& units, Selector which)
{
    const bool walls = which == Selector::iType;
    MaterialTable& table = walls ? tables.insulationMaterials : tables.doorMaterials;
    const InputField field = walls ? InputField::iInsulTherm : InputField::iDoorInsulTherm;
    // Every other row is shown by ShowSelectedK, so the field holds the previous row's k, cut
    // to its four decimals in the unit in use.
    if (form.Selection(which) == 0 && table.CustomK() == 0.0) {
        table.SetCustomK(SiK(form.Value(field), units));
        return;
    }
    ShowSelectedK(form, tables, units, which);
}
