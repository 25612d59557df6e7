// Any bytes as a calculation file. Reading never fails other than by refusing with a message.
// A document it accepts applies to a fresh form, and the form calculates to finite loads or
// stops at a check. What the form then saves is read back without a complaint and, applied
// to another fresh form, leaves that form saving the same inputs. The one allowance: a custom
// k value in the imperial unit goes through the "Customized" row in W/m·K, and the unit's
// conversion factors are inverse to about eleven digits, so a k of hundreds of millions may
// move in its last decimal.
#include "FuzzBytes.h"
#include "controls/HeadlessForm.h"
#include "model/FormRules.h"
#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/Tables.h"
#include "storage/CalcFile.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

const LocaleChars kChars{'-', '.', ','};

InputAssignments ApplyAndKeep(const InputAssignments& file, HeadlessForm& form)
{
    Tables tables;
    BuildTables(tables);
    UnitSystem units;
    CalcFile::ApplyOverFirstRun(file, form, tables, units);
    return CalcFile::InputsOf(form, tables, units);
}

void Calculate(const InputAssignments& file)
{
    Tables tables;
    BuildTables(tables);
    UnitSystem units;
    HeadlessForm form(kChars);
    CalcFile::ApplyOverFirstRun(file, form, tables, units);
    const RecalcResult result = Recalculate(ReadLoadInputs(form, tables, units), units, tables, LoadResults{});
    if (result.outcome != RecalcOutcome::Completed)
        return;
    const LoadResults& results = result.results;
    for (const double value : {results.netVolume, results.cabinetLoad, results.doorLoad, results.additionalLoad,
                               results.coolDownLoad, results.requestedCapacity})
        Require(std::isfinite(value), "a completed calculation with a load that is not finite");
}

bool SameNumber(const std::string& a, const std::string& b)
{
    const double x = std::stod(a);
    const double y = std::stod(b);
    return std::fabs(x - y) <= std::max(1e-4, 1e-9 * std::fabs(x));
}

void RequireSameInputs(const InputAssignments& again, const InputAssignments& kept)
{
    InputAssignments exact = again;
    const bool imperialK = kept.units.at("UnitsPressure") != 0;
    for (const char* k : {"iInsulTherm", "iDoorInsulTherm"}) {
        if (imperialK && SameNumber(again.numbers.at(k), kept.numbers.at(k)))
            exact.numbers[k] = kept.numbers.at(k);
    }
    Require(exact == kept, "a saved calculation opened and saved again changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Tables tables;
    BuildTables(tables);
    InputAssignments file;
    const auto problem =
        CalcFile::Parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), tables, file);
    if (problem) {
        Require(!problem->text.empty(), "a refusal without a message");
        return 0;
    }
    Calculate(file);

    HeadlessForm form(kChars);
    const InputAssignments kept = ApplyAndKeep(file, form);
    InputAssignments reread;
    const auto own = CalcFile::Parse(CalcFile::Document(kept), tables, reread);
    Require(!own, "our own document refused: " + (own ? own->text : std::string()));
    Require(reread == kept, "our own document read back differently");
    HeadlessForm again(kChars);
    RequireSameInputs(ApplyAndKeep(reread, again), kept);
    return 0;
}
