#include "cli/CalcOptions.h"

#include "cli/CalcArguments.h"
#include "model/InputTable.h"

#include "model/ResultMembers.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <charconv>

namespace {

// The help's texts, in the user's language.
constexpr const char* kContext = "CalcOptions";
QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

const char* const kDescription = QT_TRANSLATE_NOOP(
    "CalcOptions", "Calculates the heat load and the compressor capacity of a refrigerated cabinet.\n"
                   "Starts from the first-run inputs (or, with --stored, the inputs the window stored, or with\n"
                   "--open, a calculation file), sets NAME=VALUE inputs (unit choices first, then selections and\n"
                   "options, then numbers) and prints the report. Several --open files or a --sweep make one\n"
                   "calculation each; two --sweep options make a grid. --seek NAME RESULT=VALUE finds the value of\n"
                   "NAME that gives RESULT (a member of the JSON results) the VALUE, and prints that calculation.\n"
                   "Exit status: 0 calculated, 1 stopped at an input check or no value found, 2 usage or file error.");

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption stored{QStringLiteral("stored"),
                              Tr(QT_TRANSLATE_NOOP("CalcOptions", "Start from the inputs the window stored."))};
    QCommandLineOption json{QStringLiteral("json"),
                            Tr(QT_TRANSLATE_NOOP("CalcOptions", "Print one JSON object instead of the report."))};
    QCommandLineOption csv{
        QStringLiteral("csv"),
        Tr(QT_TRANSLATE_NOOP("CalcOptions", "Print a table: a header row, then one row per calculation."))};
    QCommandLineOption open{
        QStringLiteral("open"),
        Tr(QT_TRANSLATE_NOOP("CalcOptions", "Start from a calculation file (repeat it for several files).")),
        QStringLiteral("FILE")};
    QCommandLineOption save{QStringLiteral("save"),
                            Tr(QT_TRANSLATE_NOOP("CalcOptions", "Write the inputs to a calculation file.")),
                            QStringLiteral("FILE")};
    QCommandLineOption sweep{
        QStringLiteral("sweep"),
        Tr(QT_TRANSLATE_NOOP("CalcOptions", "Calculate once for each value of a number input, e.g. "
                                            "iDepth=300:600:50 (at most 10000 values); twice for a grid "
                                            "(at most 100000 rows).")),
        QStringLiteral("NAME=FROM:TO:STEP")};
    QCommandLineOption seek{
        QStringLiteral("seek"),
        Tr(QT_TRANSLATE_NOOP("CalcOptions", "Find the value of a number input within its permitted range that "
                                            "gives a result, e.g. --seek iInsulation requestedCapacity=60.")),
        QStringLiteral("NAME")};

    Parser()
    {
        parser.setApplicationDescription(Tr(kDescription));
        parser.addOptions({stored, json, csv, open, save, sweep, seek});
        parser.addHelpOption();
        parser.addPositionalArgument(
            QStringLiteral("NAME=VALUE"),
            Tr(QT_TRANSLATE_NOOP("CalcOptions", "An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1.")),
            QStringLiteral("[NAME=VALUE ...]"));
    }
};

// A usage error in the user's language: the names of options, inputs and results and the values
// given go into the pattern as they are, in one arg() call.
std::string Error(const QString& text)
{
    return text.toStdString();
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::optional<std::string> ParseSweeps(const QStringList& values, CalcOptions& into)
{
    long long rows = 1;
    for (const QString& value : values) {
        SweepRange range;
        if (auto error = ParseSweep(value.toStdString(), range))
            return error;
        for (const SweepRange& earlier : into.sweeps)
            if (earlier.name == range.name)
                return Error(QCoreApplication::translate("CalcOptions", "--sweep: %1 twice").arg(Q(range.name)));
        rows *= static_cast<long long>(range.values.size());
        into.sweeps.push_back(std::move(range));
    }
    if (rows > CalcOptions::kMaxSweepRows)
        return Error(QCoreApplication::translate("CalcOptions", "--sweep: at most %1 rows, got %2")
                         .arg(QString::number(CalcOptions::kMaxSweepRows), QString::number(rows)));
    return std::nullopt;
}

// NAME is the option's value; RESULT=VALUE the one argument that names a result, taken out of the
// input assignments (no input is named like a result).
std::optional<std::string> ParseSeek(const std::string& name, std::vector<std::string>& positional, CalcOptions& into)
{
    const InputRow* input = InputNamed(name);
    if (!input || !input->IsNumber())
        return Error(QCoreApplication::translate("CalcOptions", "--seek: %1 is no number input").arg(Q(name)));
    const auto goal = std::find_if(positional.begin(), positional.end(), [](const std::string& a) {
        return ResultMemberNamed(a.substr(0, a.find('='))) != nullptr;
    });
    if (goal == positional.end())
        return Error(
            QCoreApplication::translate("CalcOptions", "--seek %1 needs RESULT=VALUE, e.g. requestedCapacity=60")
                .arg(Q(name)));
    const std::string result = goal->substr(0, goal->find('='));
    const std::string value = goal->find('=') == std::string::npos ? std::string() : goal->substr(goal->find('=') + 1);
    if (!IsPlainNumber(value))
        return Error(
            QCoreApplication::translate("CalcOptions", "--seek: %1 takes a number such as 60 or -7.5, got \"%2\"")
                .arg(Q(result), Q(value)));
    double target = 0;
    std::from_chars(value.data(), value.data() + value.size(), target); // "." whatever the locale
    into.seek = SeekRequest{name, result, target};
    positional.erase(goal);
    return std::nullopt;
}

// Combinations that have no meaning.
std::optional<std::string> CheckCombination(const Parser& p, const CalcOptions& options)
{
    if (p.parser.isSet(p.json) && p.parser.isSet(p.csv))
        return Error(QCoreApplication::translate("CalcOptions", "--json and --csv: choose one output"));
    if (options.stored && !options.opens.isEmpty())
        return Error(QCoreApplication::translate("CalcOptions", "--open and --stored: choose where to start"));
    if (p.parser.values(p.sweep).size() > 2)
        return Error(QCoreApplication::translate("CalcOptions", "--sweep: at most two inputs, for a grid"));
    if (p.parser.values(p.seek).size() > 1)
        return Error(QCoreApplication::translate("CalcOptions", "--seek: one input at a time"));
    if (options.seek && !options.sweeps.empty())
        return Error(QCoreApplication::translate("CalcOptions", "--seek and --sweep: choose one"));
    if (p.parser.values(p.save).size() > 1 || (p.parser.isSet(p.save) && options.save.isEmpty()))
        return Error(QCoreApplication::translate("CalcOptions", "--save: one file name"));
    if (!options.save.isEmpty() && options.Batch())
        return Error(QCoreApplication::translate(
            "CalcOptions", "--save writes one calculation, not several --open files, a --sweep or a --seek"));
    return std::nullopt;
}

} // namespace

std::optional<std::string> ParseCalcOptions(const QStringList& arguments, CalcOptions& into)
{
    Parser p;
    if (!p.parser.parse(arguments))
        return p.parser.errorText().toStdString();
    if (p.parser.isSet(QStringLiteral("help"))) {
        into.help = true;
        into.helpText = p.parser.helpText();
        return std::nullopt;
    }
    into.stored = p.parser.isSet(p.stored);
    into.format = p.parser.isSet(p.json)  ? CalcFormat::Json
                  : p.parser.isSet(p.csv) ? CalcFormat::Csv
                                          : CalcFormat::Text;
    into.opens = p.parser.values(p.open);
    into.save = p.parser.value(p.save);
    if (auto error = ParseSweeps(p.parser.values(p.sweep), into))
        return error;
    std::vector<std::string> positional;
    for (const QString& a : p.parser.positionalArguments())
        positional.push_back(a.toStdString());
    if (p.parser.isSet(p.seek)) {
        if (auto error = ParseSeek(p.parser.value(p.seek).toStdString(), positional, into))
            return error;
    }
    if (auto error = CheckCombination(p, into))
        return error;
    return ParseAssignments(positional, into.assignments);
}
