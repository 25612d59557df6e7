#include "cli/CalcOptions.h"

#include "cli/CalcArguments.h"

#include <QCommandLineParser>

namespace {

const char* const kDescription =
    "Calculates the heat load and the compressor capacity of a refrigerated cabinet.\n"
    "Starts from the first-run inputs (or, with --stored, the inputs the window stored, or with\n"
    "--open, a calculation file), sets NAME=VALUE inputs (unit choices first, then selections and\n"
    "options, then numbers) and prints the report. Several --open files or a --sweep make one\n"
    "calculation each. Exit status: 0 calculated, 1 stopped at an input check, 2 usage or file error.";

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption stored{QStringLiteral("stored"), QStringLiteral("Start from the inputs the window stored.")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print one JSON object instead of the report.")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           QStringLiteral("Print a table: a header row, then one row per calculation.")};
    QCommandLineOption open{QStringLiteral("open"),
                            QStringLiteral("Start from a calculation file (repeat it for several files)."),
                            QStringLiteral("FILE")};
    QCommandLineOption save{QStringLiteral("save"), QStringLiteral("Write the inputs to a calculation file."),
                            QStringLiteral("FILE")};
    QCommandLineOption sweep{QStringLiteral("sweep"),
                             QStringLiteral("Calculate once for each value of a number input, e.g. "
                                            "iDepth=300:600:50 (at most 10000 values)."),
                             QStringLiteral("NAME=FROM:TO:STEP")};

    Parser()
    {
        parser.setApplicationDescription(QString::fromUtf8(kDescription));
        parser.addOptions({stored, json, csv, open, save, sweep});
        parser.addHelpOption();
        parser.addPositionalArgument(QStringLiteral("NAME=VALUE"),
                                     QStringLiteral("An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1."),
                                     QStringLiteral("[NAME=VALUE ...]"));
    }
};

// Combinations that have no meaning.
std::optional<std::string> CheckCombination(const Parser& p, const CalcOptions& options)
{
    if (p.parser.isSet(p.json) && p.parser.isSet(p.csv))
        return "--json and --csv: choose one output";
    if (options.stored && !options.opens.isEmpty())
        return "--open and --stored: choose where to start";
    if (p.parser.values(p.sweep).size() > 1)
        return "--sweep: one input at a time";
    if (p.parser.values(p.save).size() > 1 || (p.parser.isSet(p.save) && options.save.isEmpty()))
        return "--save: one file name";
    if (!options.save.isEmpty() && options.Batch())
        return "--save writes one calculation, not several --open files or a --sweep";
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
    if (p.parser.isSet(p.sweep)) {
        SweepRange range;
        if (auto error = ParseSweep(p.parser.value(p.sweep).toStdString(), range))
            return error;
        into.sweep = range;
    }
    if (auto error = CheckCombination(p, into))
        return error;
    std::vector<std::string> positional;
    for (const QString& a : p.parser.positionalArguments())
        positional.push_back(a.toStdString());
    return ParseAssignments(positional, into.assignments);
}
