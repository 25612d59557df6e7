#pragma once

#include "model/LoadResults.h"
#include "storage/InputAssignments.h"

#include <string>

// Calculations as one CSV table, the same for dorarive-calc --csv and the What If window: the
// header, then per calculation its file (or nothing), every input as a calculation file holds it,
// every result (empty when a check stopped it), the outcome ("completed" or "stopped") and the
// message (the error row or the warning).
namespace CalcTable {

std::string CsvHeader();
std::string CsvRow(const std::string& file, const InputAssignments& inputs, bool completed, const LoadResults& results,
                   const std::string& message);

} // namespace CalcTable
