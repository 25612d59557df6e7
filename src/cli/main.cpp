// dorarive-calc: the calculator's Recalculate without a window, for scripts and batch checks.

#include "cli/CalcBatch.h"
#include "cli/CalcOptions.h"
#include "controls/UiLanguage.h"
#include "presentation/ReportLines.h"
#include "version/VersionTexts.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "dorarive-calc: %s\n", message.c_str());
    return kUsageError;
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
    InstallCatalogues(app);

    CalcOptions options;
    if (const std::optional<std::string> error = ParseCalcOptions(QCoreApplication::arguments(), options))
        return UsageError(*error);
    if (options.help) {
        const QByteArray help = options.helpText.toUtf8();
        std::fwrite(help.constData(), 1, static_cast<size_t>(help.size()), stdout);
        return 0;
    }
    return CalcBatch(options, LocaleChars::FromProcessLocale(), CalcTitle()).Run();
}
