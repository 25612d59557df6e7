// dorarive-calc: the calculator's Recalculate without a window, for scripts and batch checks.

#include "cli/CalcArguments.h"
#include "cli/CalcOutput.h"
#include "cli/CalcRun.h"
#include "presentation/ReportLines.h"
#include "storage/MemoryProfileStore.h"
#include "storage/SettingsStore.h"
#include "version/VersionTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "dorarive-calc: %s\n", message.c_str());
    return kUsageError;
}

void Print(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

// From this executable's own version block, as the window builds its caption and printout.
std::string CalcTitle()
{
    const VersionTexts texts = ReadVersionTexts();
    return ReportTitle(texts.title.toStdString(), texts.versionText.toStdString());
}

} // namespace

int main(int argc, char* argv[])
{
    // QCoreApplication takes the user's locale for the C library, so numbers read and print as in
    // the window.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorarive-calc"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Calculates the heat load and the compressor capacity of a refrigerated cabinet.\n"
        "Starts from the first-run inputs (or, with --stored, the inputs the window stored),\n"
        "sets NAME=VALUE inputs (unit choices first, then selections and options, then numbers)\n"
        "and prints the report. Exit status: 0 calculated, 1 stopped at an input check, 2 usage error."));
    const QCommandLineOption stored(QStringLiteral("stored"),
                                    QStringLiteral("Start from the inputs the window stored."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of the report."));
    parser.addOption(stored);
    parser.addOption(json);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("NAME=VALUE"),
                                 QStringLiteral("An input, e.g. iDepth=455.5 UnitsLength=1 iType=0 iDoorCheck=1."),
                                 QStringLiteral("[NAME=VALUE ...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText().toStdString());
    if (parser.isSet(QStringLiteral("help"))) {
        Print(parser.helpText().toUtf8());
        return 0;
    }

    std::vector<std::string> arguments;
    for (const QString& a : parser.positionalArguments())
        arguments.push_back(a.toStdString());
    CalcAssignments assignments;
    if (const auto error = ParseAssignments(arguments, assignments))
        return UsageError(*error);

    // The window's settings are kept under its program name.
    std::unique_ptr<ProfileStore> start;
    if (parser.isSet(stored))
        start = std::make_unique<SettingsStore>(QStringLiteral("dorarive"));
    else
        start = std::make_unique<MemoryProfileStore>();

    CalcRun run(*start, LocaleChars::FromProcessLocale());
    for (const std::string& note : run.Apply(assignments))
        std::fprintf(stderr, "dorarive-calc: %s\n", note.c_str());
    const RecalcOutcome outcome = run.Calculate();

    if (parser.isSet(json))
        Print(JsonReport(run));
    else
        Print(QByteArray::fromStdString(TextReport(run, CalcTitle())));
    return outcome == RecalcOutcome::Completed ? 0 : 1;
}
