#include "cli/CalcOutput.h"

#include "controls/Translated.h"
#include "model/ResultMembers.h"
#include "model/ResultRows.h"
#include "presentation/ReportLines.h"
#include "presentation/SheetValues.h"
#include "storage/CalcFile.h"
#include "storage/CalcTable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr size_t kValueColumn = 36;

// The characters of UTF-8 text, as a terminal gives each a column: a translated label's "ü" is
// two bytes.
size_t Characters(const std::string& text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Columns(const std::string& left, const std::string& right)
{
    std::string line = left;
    if (!right.empty()) {
        const size_t width = Characters(left);
        line.append(width < kValueColumn ? kValueColumn - width : 1, ' ');
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

QJsonObject ResultsObject(const CalcRun& run)
{
    QJsonObject results;
    for (const ResultMember& v : kResultMembers)
        results.insert(QLatin1String(v.name), PrintedValue(v, run.Results(), run.Units()));
    return results;
}

} // namespace

std::string TextReport(const CalcRun& run, const std::string& title)
{
    std::string out = title + "\n";
    for (const ReportLine& line :
         BuildReportLines(run.Form(), run.TablesInUse(), run.Units(), run.Results(), Translated))
        out +=
            Columns(line.labelContext ? QCoreApplication::translate(line.labelContext, line.label.c_str()).toStdString()
                                      : line.label,
                    line.hasValue ? line.value : std::string());
    const ShownCalculation shown = run.ShownIn(Translated);
    for (const ResultRow& row : shown.rows)
        out += Columns(row.name, row.value);
    if (!shown.warning.empty())
        out += shown.warning + "\n";
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
        {"results", ResultsObject(run)},
        {"fields", fields},
    };
}

QByteArray JsonReport(const CalcRun& run)
{
    return QJsonDocument(JsonObject(run)).toJson(QJsonDocument::Indented);
}

std::string CsvHeader()
{
    return CalcTable::CsvHeader();
}

std::string Message(const CalcRun& run)
{
    const bool completed = run.Outcome() == RecalcOutcome::Completed;
    const ResultRow* error = completed || run.Shown().rows.empty() ? nullptr : &run.Shown().rows.front();
    return error ? error->name + (error->value.empty() ? "" : " " + error->value) : run.Shown().warning;
}

std::string CsvRow(const std::string& file, const CalcRun& run)
{
    return CalcTable::CsvRow(file, CalcFile::InputsOf(run.Form(), run.TablesInUse(), run.Units()),
                             run.Outcome() == RecalcOutcome::Completed, run.Results(), run.Units(), Message(run));
}
