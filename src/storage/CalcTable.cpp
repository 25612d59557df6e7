#include "storage/CalcTable.h"

#include "model/ResultMembers.h"
#include "storage/CalcFile.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    return line + "\n";
}

// The inputs' names in the table's order: unit choices, selections, options, numbers.
const std::vector<std::string>& InputColumns()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list(std::begin(kUnitChoiceNames), std::end(kUnitChoiceNames));
        for (const SelectorInfo& s : kSelectors)
            list.emplace_back(s.name);
        for (const OptionInfo& o : kOptions)
            list.emplace_back(o.name);
        for (const InputFieldInfo& info : kInputFields)
            list.emplace_back(info.name);
        return list;
    }();
    return names;
}

std::string InputValue(const InputAssignments& inputs, const std::string& name)
{
    for (const auto* round : {&inputs.units, &inputs.selections, &inputs.options}) {
        const auto it = round->find(name);
        if (it != round->end())
            return std::to_string(it->second);
    }
    const auto it = inputs.numbers.find(name);
    return it == inputs.numbers.end() ? std::string() : it->second;
}

} // namespace

namespace CalcTable {

std::string CsvHeader()
{
    std::vector<std::string> columns{"file"};
    for (const std::string& name : InputColumns())
        columns.push_back(name);
    for (const ResultMember& v : kResultMembers)
        columns.emplace_back(v.name);
    columns.insert(columns.end(), {"outcome", "message"});
    return CsvLine(columns);
}

std::string CsvRow(const std::string& file, const InputAssignments& inputs, bool completed, const LoadResults& results,
                   const UnitSystem& units, const std::string& message)
{
    return CsvRows(file, inputs, {}).Row({}, completed, results, units, message);
}

CsvRows::CsvRows(const std::string& file, const InputAssignments& inputs, const std::vector<std::string>& sweptNames)
{
    std::string piece = CsvField(file);
    for (const std::string& name : InputColumns()) {
        piece += ",";
        const auto swept = std::find(sweptNames.begin(), sweptNames.end(), name);
        if (swept == sweptNames.end()) {
            piece += CsvField(InputValue(inputs, name));
            continue;
        }
        pieces_.push_back(std::move(piece));
        piece.clear();
        order_.push_back(static_cast<size_t>(swept - sweptNames.begin()));
    }
    pieces_.push_back(std::move(piece));
}

std::string CsvRows::Row(const std::vector<std::string>& sweptValues, bool completed, const LoadResults& results,
                         const UnitSystem& units, const std::string& message) const
{
    std::string row;
    row.reserve(512);
    for (size_t i = 0; i < order_.size(); ++i)
        row += pieces_[i] + CsvField(sweptValues.at(order_[i]));
    row += pieces_.back();
    for (const ResultMember& v : kResultMembers) {
        row += ",";
        if (completed)
            row += CalcFile::NumberText(PrintedValue(v, results, units));
    }
    row += completed ? ",completed," : ",stopped,";
    return row + CsvField(message) + "\n";
}

} // namespace CalcTable
