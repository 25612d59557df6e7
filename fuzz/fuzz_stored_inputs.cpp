// The stored inputs with any 32-bit value in any entry: loading them into the form, one
// calculation and saving them back never fails. Selections stay inside their tables, the
// calculation either completes with finite loads or stops at a check, and what is saved is a
// fixed point: loading and saving it again writes the same entries.
#include "FuzzBytes.h"
#include "cli/CalcRun.h"
#include "controls/HeadlessForm.h"
#include "model/FormRules.h"
#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/Tables.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

namespace S = StoredInputs;

const LocaleChars kCharSets[] = {LocaleChars{'-', '.', ','}, LocaleChars{'-', ',', '.'}};

std::vector<std::string> EntryNames()
{
    // Selections, then options (indices 3 to 6), then numbers, then unit choices.
    std::vector<std::string> names;
    for (const SelectorInfo& s : kSelectors)
        names.emplace_back(s.name);
    for (const OptionInfo& o : kOptions)
        names.emplace_back(o.name);
    for (const InputFieldInfo& info : kInputFields)
        names.emplace_back(info.name);
    for (const char* unit :
         {S::kUnitsEnergy, S::kUnitsTemperature, S::kUnitsKValue, S::kUnitsVolume, S::kUnitsLength, S::kUnitsMass})
        names.emplace_back(unit);
    return names;
}

const std::vector<std::string>& Names()
{
    static const std::vector<std::string> names = EntryNames();
    return names;
}

struct Saved {
    MemoryProfileStore store;
    std::vector<std::int32_t> values; // in the order of Names(), units excluded
    bool doorThicknessWritten = false;
};

// Entries whose every 32-bit value the headless fields (9 whole digits, 2 decimals) hold exactly:
// lengths in hundredths, the cool-down time in tenths.
const char* const kExactEntries[] = {"iDepth",      "iWidth",      "iHeight",    "iDoorWidth",
                                     "iDoorHeight", "iInsulation", "iDoorInsul", "iTime"};
const char* const kWholeEntries[] = {"iRunTime",   "iAmbient",  "iEvapTemp", "iEvaporating", "iCondensing",
                                     "iSubcool",   "iOpenings", "iCoolMass", "iFanLoad",     "iAntisweatLoad",
                                     "iLightLoad", "iStart",    "iEnd"};
constexpr std::int64_t kNineDigits = 999999999;

Saved LoadAndSave(const ProfileStore& from, const LocaleChars& chars, bool calculate)
{
    Tables tables;
    BuildTables(tables);
    const UnitSystem units = S::ReadUnitChoices(from);
    HeadlessForm form(chars);
    S::LoadStoredInputs(from, form, tables, units);

    Require(form.Selection(Selector::iType) >= 0 &&
                form.Selection(Selector::iType) < tables.insulationMaterials.Count(),
            "wall material outside its table");
    Require(form.Selection(Selector::iType2) >= 0 && form.Selection(Selector::iType2) < tables.doorMaterials.Count(),
            "door material outside its table");
    Require(form.Selection(Selector::iProd) >= 0 && form.Selection(Selector::iProd) < tables.products.Count(),
            "product outside its table");

    bool doorThicknessWritten = false;
    if (calculate) {
        const RecalcResult result = Recalculate(ReadLoadInputs(form, tables, units), units, tables, LoadResults{});
        ApplyWriteBacks(result, form, tables);
        const LoadResults& results = result.results;
        const std::size_t rows = ListedRows(result, units).size();
        if (result.outcome == RecalcOutcome::Completed) {
            Require(rows == 4, "a completed calculation without its four rows");
            for (const double load :
                 {results.netVolume, results.cabinetLoad, results.doorLoad, results.transmissionLoad,
                  results.additionalLoad, results.coolDownLoad, results.requestedCapacity, results.tEvaporator,
                  results.tCondenser, results.subcooling})
                Require(std::isfinite(load), "a completed calculation with a load that is not finite");
        } else {
            Require(rows == 1, "a stopped calculation without its single error row");
        }
        doorThicknessWritten = result.doorThickness.has_value();
    }

    Saved saved;
    saved.doorThicknessWritten = doorThicknessWritten;
    S::SaveInputs(saved.store, form, tables, units);
    for (std::size_t i = 0; i + 6 < Names().size(); ++i) {
        Require(saved.store.Has(S::kSection, Names()[i]), "entry " + Names()[i] + " not saved");
        saved.values.push_back(saved.store.GetProfileInt(S::kSection, Names()[i], 0));
    }
    return saved;
}

bool IsKEntry(const std::string& name)
{
    return name == "iInsulTherm" || name == "iDoorInsulTherm";
}

// A value the field can show comes back as it was stored; a glass door's fixed thickness is
// the one value the calculation itself replaces.
void CheckUnchanged(const MemoryProfileStore& stored, const Saved& saved)
{
    auto check = [&](const char* name, bool fits) {
        if (!stored.Has(S::kSection, name) || (saved.doorThicknessWritten && std::string(name) == "iDoorInsul"))
            return;
        const std::int32_t before = stored.GetProfileInt(S::kSection, name, 0);
        const std::int32_t after = saved.store.GetProfileInt(S::kSection, name, 0);
        if (fits || std::llabs(before) <= kNineDigits)
            Require(before == after, std::string("entry ") + name + " stored as " + std::to_string(before) +
                                         ", saved as " + std::to_string(after));
    };
    for (const char* name : kExactEntries)
        check(name, true);
    for (const char* name : kWholeEntries)
        check(name, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const LocaleChars& chars = kCharSets[in.Flag() ? 1 : 0];
    MemoryProfileStore store;
    while (!in.Empty()) {
        const std::string& name = Names()[in.Byte() % Names().size()];
        store.WriteProfileInt(S::kSection, name, in.I32());
    }

    const Saved first = LoadAndSave(store, chars, true);
    CheckUnchanged(store, first);
    for (std::size_t i = 3; i < 7; ++i)
        Require(first.values[i] == 0 || first.values[i] == 1, "option " + Names()[i] + " saved as neither 0 nor 1");

    const Saved second = LoadAndSave(first.store, chars, false);
    // A k value shown in the imperial unit at four decimals reads back to within that step.
    const bool imperialK = S::ReadUnitChoices(store).kValue != 0;
    for (std::size_t i = 0; i < first.values.size(); ++i) {
        const std::int64_t difference = std::int64_t{first.values[i]} - second.values[i];
        const std::int64_t allowed = imperialK && IsKEntry(Names()[i]) ? 30 : 0;
        Require(std::llabs(difference) <= allowed, "entry " + Names()[i] + " saved as " +
                                                       std::to_string(first.values[i]) + ", then as " +
                                                       std::to_string(second.values[i]));
    }
    return 0;
}
