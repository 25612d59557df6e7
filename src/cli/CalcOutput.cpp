#include "cli/CalcOutput.h"

#include "presentation/ReportLines.h"
#include "presentation/SheetValues.h"
#include "storage/CalcFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kValueColumn = 36;

std::string Columns(const std::string& left, const std::string& right)
{
    std::string line = left;
    if (!right.empty()) {
        line.resize(std::max<size_t>(line.size() + 1, kValueColumn), ' ');
        line += right;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line + "\n";
}

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QJsonObject SheetObject(const CalcRun& run)
{
    const struct {
        const char* name;
        SheetValue value;
    } values[] = {
        {"netVolume", SheetValue::NetVolume},       {"cabinetLoad", SheetValue::CabinetLoad},
        {"doorLoad", SheetValue::DoorLoad},         {"additionalLoad", SheetValue::AdditionalLoad},
        {"coolDownLoad", SheetValue::CoolDownLoad},
    };
    QJsonObject sheet;
    for (const auto& v : values)
        sheet.insert(QLatin1String(v.name), Q(SheetValueText(v.value, run.Results(), run.Units())));
    return sheet;
}

struct ResultValue {
    const char* name;
    double LoadResults::*value;
};

const ResultValue kResultValues[] = {
    {"netVolume", &LoadResults::netVolume},
    {"cabinetLoad", &LoadResults::cabinetLoad},
    {"doorLoad", &LoadResults::doorLoad},
    {"transmissionLoad", &LoadResults::transmissionLoad},
    {"additionalLoad", &LoadResults::additionalLoad},
    {"coolDownLoad", &LoadResults::coolDownLoad},
    {"requestedCapacity", &LoadResults::requestedCapacity},
    {"tEvaporator", &LoadResults::tEvaporator},
    {"tCondenser", &LoadResults::tCondenser},
    {"subcooling", &LoadResults::subcooling},
};

QJsonObject ResultsObject(const LoadResults& r)
{
    QJsonObject results;
    for (const ResultValue& v : kResultValues)
        results.insert(QLatin1String(v.name), r.*v.value);
    return results;
}

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
        for (const InputRow* row : kSaveOrder) // the selections, then the options
            if (!row->IsNumber())
                list.emplace_back(row->name);
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

std::string TextReport(const CalcRun& run, const std::string& title)
{
    std::string out = title + "\n";
    for (const ReportLine& line : BuildReportLines(run.Form(), run.TablesInUse(), run.Units(), run.Results()))
        out +=
            Columns(line.labelContext ? QCoreApplication::translate(line.labelContext, line.label.c_str()).toStdString()
                                      : line.label,
                    line.hasValue ? line.value : std::string());
    for (const ResultRow& row : run.Shown().rows)
        out += Columns(row.name, row.value);
    if (!run.Shown().warning.empty())
        out += run.Shown().warning + "\n";
    return out;
}

QJsonObject JsonObject(const CalcRun& run)
{
    QJsonArray rows;
    for (const ResultRow& row : run.Shown().rows)
        rows.append(QJsonArray{Q(row.name), Q(row.value)});
    QJsonObject fields;
    for (const InputFieldInfo& info : kInputFields)
        fields.insert(QLatin1String(info.name), Q(run.Form().Text(info.field)));

    return QJsonObject{
        {"rows", rows},
        {"warning", Q(run.Shown().warning)},
        {"sheet", SheetObject(run)},
        {"results", ResultsObject(run.Results())},
        {"fields", fields},
    };
}

QByteArray JsonReport(const CalcRun& run)
{
    return QJsonDocument(JsonObject(run)).toJson(QJsonDocument::Indented);
}

std::string CsvHeader()
{
    std::vector<std::string> columns{"file"};
    for (const std::string& name : InputColumns())
        columns.push_back(name);
    for (const ResultValue& v : kResultValues)
        columns.emplace_back(v.name);
    columns.insert(columns.end(), {"outcome", "message"});
    return CsvLine(columns);
}

std::string CsvRow(const std::string& file, const CalcRun& run)
{
    const bool completed = run.Outcome() == RecalcOutcome::Completed;
    const InputAssignments inputs = CalcFile::InputsOf(run.Form(), run.TablesInUse(), run.Units());
    std::vector<std::string> fields{file};
    for (const std::string& name : InputColumns())
        fields.push_back(InputValue(inputs, name));
    for (const ResultValue& v : kResultValues)
        fields.push_back(completed ? CalcFile::NumberText(run.Results().*v.value) : std::string());
    const ResultRow* error = completed || run.Shown().rows.empty() ? nullptr : &run.Shown().rows.front();
    fields.push_back(completed ? "completed" : "stopped");
    fields.push_back(error ? error->name + (error->value.empty() ? "" : " " + error->value) : run.Shown().warning);
    return CsvLine(fields);
}
