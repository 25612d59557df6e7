#pragma once

#include "model/LoadResults.h"
#include "model/UnitSystem.h"
#include "storage/InputAssignments.h"

#include <string>
#include <vector>

// Calculations as one CSV table, the same for dorarive-calc --csv and the What If window: the
// header, then per calculation its file (or nothing), every input as a calculation file holds it,
// every result (empty when a check stopped it), the outcome ("completed" or "stopped") and the
// message (the error row or the warning).
namespace CalcTable {

std::string CsvHeader();
std::string CsvRow(const std::string& file, const InputAssignments& inputs, bool completed, const LoadResults& results,
                   const UnitSystem& units, const std::string& message);

// The rows of a sweep, where only the swept inputs change from row to row: the other columns are
// written once, so a row costs its swept values and its results.
class CsvRows {
public:
    CsvRows(const std::string& file, const InputAssignments& inputs, const std::vector<std::string>& sweptNames);
    // sweptValues in the order of the names given, as a calculation file writes numbers.
    std::string Row(const std::vector<std::string>& sweptValues, bool completed, const LoadResults& results,
                    const UnitSystem& units, const std::string& message) const;

private:
    std::vector<std::string> pieces_; // the text before each swept value, and after the last
    std::vector<size_t> order_;       // which swept value comes next, left to right
};

} // namespace CalcTable
