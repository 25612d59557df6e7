#include "dialogs/OpenAddress.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString ResolveProgram(const QString& program)
{
    if (program.contains(u'/')) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace

int OpenThroughHandler(const QString& address, const DesktopHandler::SearchPaths& paths)
{
    const auto exec = DesktopHandler::DefaultExec(QStringLiteral("text/html"), paths);
    if (!exec)
        return OpenResult::kNoAssociation;
    const auto command = DesktopHandler::CommandFor(*exec, address);
    if (!command)
        return OpenResult::kNoAssociation;
    const QString program = ResolveProgram(command->program);
    if (program.isEmpty())
        return OpenResult::kFileNotFound;
    if (!QProcess::startDetached(program, command->arguments))
        return OpenResult::kOutOfResources;
    return OpenResult::kOpened;
}

int OpenAddress(const QString& address, int show)
{
    Q_UNUSED(show);
    if (QDesktopServices::openUrl(QUrl(address)))
        return OpenResult::kOpened;
    // openUrl does not say why it failed; when no handler is found either, "no association"
    // is the honest answer.
    return OpenThroughHandler(address, DesktopHandler::FromEnvironment());
}
