#include "cli/CalcBatch.h"

#include "cli/CalcOutput.h"
#include "storage/CalcFile.h"
#include "storage/MemoryProfileStore.h"
#include "storage/SettingsStore.h"

#include <QJsonDocument>

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
    bool stopped = false;
    bool first = true;
    const auto printOne = [&](CalcRun& run, const Start& start, const std::string* value) {
        stopped = run.Calculate() == RecalcOutcome::Stopped || stopped;
        // A blank line between text reports, none before the first.
        if (options_.format == CalcFormat::Text && !std::exchange(first, false))
            Print("\n");
        Print(Printed(run, start, value));
    };
    for (const Start& start : starts_) {
        CalcRun run(*store_, chars_);
        Prepare(run, start, options_.assignments);
        if (!options_.sweep) {
            printOne(run, start, nullptr);
            continue;
        }
        // Each value over the same prepared inputs: the swept field is the only input that
        // changes, and nothing a calculation writes back depends on an earlier one.
        for (const std::string& value : options_.sweep->values) {
            InputAssignments swept;
            swept.numbers[options_.sweep->name] = value;
            Assign(run, swept);
            printOne(run, start, &value);
        }
    }
    return stopped ? 1 : 0;
}

QByteArray CalcBatch::Heading(const Start& start, const std::string* sweepValue) const
{
    QByteArray label = start.file.toUtf8();
    if (sweepValue != nullptr)
        label += (label.isEmpty() ? "" : " ") + QByteArray::fromStdString(options_.sweep->name + "=" + *sweepValue);
    return "==> " + label + " <==\n";
}

QByteArray CalcBatch::Printed(const CalcRun& run, const Start& start, const std::string* sweepValue) const
{
    switch (options_.format) {
    case CalcFormat::Csv:
        return QByteArray::fromStdString(CsvRow(start.file.toStdString(), run));
    case CalcFormat::Json: {
        QJsonObject object = JsonObject(run);
        if (!start.file.isEmpty())
            object.insert(QStringLiteral("file"), start.file);
        if (sweepValue != nullptr)
            object.insert(QStringLiteral("sweep"),
                          QJsonObject{{QStringLiteral("name"), QString::fromStdString(options_.sweep->name)},
                                      {QStringLiteral("value"), QString::fromStdString(*sweepValue).toDouble()}});
        return QJsonDocument(object).toJson(QJsonDocument::Compact) + "\n";
    }
    default:
        return Heading(start, sweepValue) + QByteArray::fromStdString(TextReport(run, title_));
    }
}
