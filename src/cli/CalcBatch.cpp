#include "cli/CalcBatch.h"

#include "cli/CalcOutput.h"
#include "model/FormRules.h"
#include "model/GoalSeek.h"
#include "model/InputTable.h"
#include "model/VariantCalc.h"
#include "storage/CalcFile.h"
#include "storage/MemoryProfileStore.h"
#include "storage/SettingsStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kFileError = 2;

void Print(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void PrintError(const std::string& message)
{
    std::fprintf(stderr, "dorarive-calc: %s\n", message.c_str());
}

} // namespace

CalcBatch::CalcBatch(const CalcOptions& options, const LocaleChars& chars, std::string title)
    : options_(options)
    , chars_(chars)
    , title_(std::move(title))
{
    // The window's settings are kept under its program name.
    if (options.stored)
        store_ = std::make_unique<SettingsStore>(QStringLiteral("dorarive"));
    else
        store_ = std::make_unique<MemoryProfileStore>();
}

CalcBatch::~CalcBatch() = default;

int CalcBatch::Run()
{
    if (const std::optional<std::string> error = ReadFiles()) {
        PrintError(*error);
        return kFileError;
    }
    return options_.Batch() ? RunEach() : RunOne();
}

std::optional<std::string> CalcBatch::ReadFiles()
{
    if (options_.opens.isEmpty()) {
        starts_.push_back({});
        return std::nullopt;
    }
    Tables tables;
    BuildTables(tables);
    for (const QString& file : options_.opens) {
        Start start{file, {}};
        if (std::optional<std::string> error = CalcFile::Read(file, tables, start.inputs))
            return error;
        starts_.push_back(start);
    }
    return std::nullopt;
}

void CalcBatch::Prepare(CalcRun& run, const Start& start, const InputAssignments& assignments)
{
    if (!start.file.isEmpty())
        run.ApplyFile(start.inputs);
    Assign(run, assignments);
}

void CalcBatch::Assign(CalcRun& run, const InputAssignments& assignments)
{
    // A sweep repeats the same note for every value; once is enough.
    for (const std::string& note : run.Apply(assignments))
        if (notesShown_.insert(note).second)
            PrintError(note);
}

int CalcBatch::RunOne()
{
    CalcRun run(*store_, chars_);
    Prepare(run, starts_.front(), options_.assignments);
    const RecalcOutcome outcome = run.Calculate();
    if (!options_.save.isEmpty()) {
        if (const std::optional<std::string> error =
                CalcFile::Save(options_.save, run.Form(), run.TablesInUse(), run.Units())) {
            PrintError(*error);
            return kFileError;
        }
    }
    switch (options_.format) {
    case CalcFormat::Json:
        Print(JsonReport(run));
        break;
    case CalcFormat::Csv:
        Print(QByteArray::fromStdString(CsvHeader() + CsvRow(starts_.front().file.toStdString(), run)));
        break;
    default:
        Print(QByteArray::fromStdString(TextReport(run, title_)));
    }
    return outcome == RecalcOutcome::Completed ? 0 : 1;
}

int CalcBatch::RunEach()
{
    if (options_.format == CalcFormat::Csv)
        Print(QByteArray::fromStdString(CsvHeader()));
    // The options were checked: every name is a number input's.
    for (const SweepRange& sweep : options_.sweeps)
        swept_.push_back(InputNamed(sweep.name)->Field());
    bool allCompleted = true;
    for (const Start& start : starts_)
        allCompleted = RunStart(start) && allCompleted;
    return allCompleted ? 0 : 1;
}

bool CalcBatch::RunStart(const Start& start)
{
    CalcRun run(*store_, chars_);
    Prepare(run, start, options_.assignments);
    if (options_.seek)
        return RunSeek(run, start);
    if (options_.sweeps.empty())
        return PrintPoint(run, start, Point{});
    return RunSweep(run, start);
}

bool CalcBatch::RunSweep(CalcRun& run, const Start& start)
{
    // Each value over the same prepared inputs: the swept fields are the only inputs that change,
    // and nothing a calculation writes back depends on an earlier one. Rows go in the order of the
    // first sweep, then the second.
    csvRows_.reset();
    const std::vector<std::string> single{""};
    const SweepRange& outer = options_.sweeps.front();
    const SweepRange* inner = options_.sweeps.size() > 1 ? &options_.sweeps[1] : nullptr;
    bool allCompleted = true;
    for (const std::string& a : outer.values) {
        for (const std::string& b : inner ? inner->values : single) {
            Point point{{{outer.name, a}}};
            InputAssignments values;
            values.numbers[outer.name] = a;
            if (inner) {
                point.values.emplace_back(inner->name, b);
                values.numbers[inner->name] = b;
            }
            Assign(run, values);
            allCompleted = PrintPoint(run, start, point) && allCompleted;
        }
    }
    return allCompleted;
}

bool CalcBatch::RunSeek(CalcRun& run, const Start& start)
{
    const SeekRequest& seek = *options_.seek;
    const InputField field = InputNamed(seek.name)->Field();
    const auto [low, high] = PermittedRange(field, run.Units());
    VariantCalc calc(run.TablesInUse(), run.Units());
    const SeekAnswer answer = SeekInput(calc, ReadLoadInputs(run.Form(), run.TablesInUse(), run.Units()), field,
                                        *ResultMemberNamed(seek.result), seek.target, low, high);
    if (answer.answers.empty()) {
        const QString label = start.file.isEmpty() ? QString() : start.file + QStringLiteral(": ");
        const auto q = [](const std::string& text) { return QString::fromStdString(text); };
        const QString none = QCoreApplication::translate("CalcBatch", "no value of %1 from %2 to %3 gives %4")
                                 .arg(q(seek.name), q(CalcFile::NumberText(low)), q(CalcFile::NumberText(high)),
                                      q(seek.result + "=" + CalcFile::NumberText(seek.target)));
        PrintError((label + none).toStdString());
        return false;
    }
    bool allCompleted = true;
    for (double value : answer.answers) {
        InputAssignments values;
        values.numbers[seek.name] = CalcFile::NumberText(value);
        Assign(run, values);
        // The answer as the field holds it, cut to its decimals.
        const Point point{{{seek.name, CalcFile::NumberText(run.Form().Value(field))}}, true};
        allCompleted = PrintPoint(run, start, point) && allCompleted;
    }
    return allCompleted;
}

bool CalcBatch::PrintPoint(CalcRun& run, const Start& start, const Point& point)
{
    const bool sweeping = !options_.sweeps.empty();
    const bool completed = (sweeping ? run.CalculateSwept(swept_) : run.Calculate()) == RecalcOutcome::Completed;
    // A blank line between text reports, none before the first.
    if (options_.format == CalcFormat::Text && !std::exchange(first_, false))
        Print("\n");
    // A swept k is written as the file writes it (the custom k while not "Customized"): the
    // whole row then.
    const bool sweptK = std::any_of(swept_.begin(), swept_.end(), [](InputField f) {
        return f == InputField::iInsulTherm || f == InputField::iDoorInsulTherm;
    });
    if (options_.format == CalcFormat::Csv && sweeping && !sweptK) {
        if (!csvRows_) {
            std::vector<std::string> names;
            for (const SweepRange& sweep : options_.sweeps)
                names.push_back(sweep.name);
            csvRows_ = std::make_unique<CalcTable::CsvRows>(
                start.file.toStdString(), CalcFile::InputsOf(run.Form(), run.TablesInUse(), run.Units()), names);
        }
        std::vector<std::string> values;
        for (InputField field : swept_)
            values.push_back(CalcFile::NumberText(run.Form().Value(field)));
        Print(QByteArray::fromStdString(csvRows_->Row(values, completed, run.Results(), run.Units(), Message(run))));
        return completed;
    }
    Print(Printed(run, start, point.values.empty() ? nullptr : &point));
    return completed;
}

QByteArray CalcBatch::Heading(const Start& start, const Point* point) const
{
    QByteArray label = start.file.toUtf8();
    if (point != nullptr)
        for (const auto& [name, value] : point->values)
            label += (label.isEmpty() ? "" : " ") + QByteArray::fromStdString(name + "=" + value);
    return "==> " + label + " <==\n";
}

QJsonObject CalcBatch::JsonOf(const CalcRun& run, const Start& start, const Point* point) const
{
    QJsonObject object = JsonObject(run);
    if (!start.file.isEmpty())
        object.insert(QStringLiteral("file"), start.file);
    if (point == nullptr)
        return object;
    QJsonArray values;
    for (const auto& [name, value] : point->values)
        values.append(QJsonObject{{QStringLiteral("name"), QString::fromStdString(name)},
                                  {QStringLiteral("value"), QString::fromStdString(value).toDouble()}});
    if (point->found) {
        QJsonObject seek = values.first().toObject();
        seek.insert(QStringLiteral("result"), QString::fromStdString(options_.seek->result));
        seek.insert(QStringLiteral("target"), options_.seek->target);
        object.insert(QStringLiteral("seek"), seek);
    } else {
        // One sweep: its object; a grid: one object per input.
        object.insert(QStringLiteral("sweep"), values.size() == 1 ? values.first() : QJsonValue(values));
    }
    return object;
}

QByteArray CalcBatch::Printed(const CalcRun& run, const Start& start, const Point* point) const
{
    switch (options_.format) {
    case CalcFormat::Csv:
        return QByteArray::fromStdString(CsvRow(start.file.toStdString(), run));
    case CalcFormat::Json:
        return QJsonDocument(JsonOf(run, start, point)).toJson(QJsonDocument::Compact) + "\n";
    default:
        return Heading(start, point) + QByteArray::fromStdString(TextReport(run, title_));
    }
}
