#include "dialogs/OpenAddress.h"

#include "dialogs/OpenerRun.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

#include <utility>

namespace {

QString ResolveProgram(const QString& program)
{
    if (program.contains(u'/')) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

// One attempt to open an address, from the first opener to the result; it ends itself.
class PageOpening : public QObject {
public:
    PageOpening(QString address, QObject* context, OpenDone done)
        : QObject(QCoreApplication::instance())
        , address_(std::move(address))
        , context_(context)
        , done_(std::move(done))
    {
    }

    void TryOpener()
    {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty() || !Watch(opener, {address_}, [this] { TryHandler(DesktopHandler::FromEnvironment()); }))
            TryHandler(DesktopHandler::FromEnvironment());
    }

    void TryHandler(const DesktopHandler::SearchPaths& paths)
    {
        const auto exec = DesktopHandler::DefaultExec(QStringLiteral("text/html"), paths);
        const auto command = exec ? DesktopHandler::CommandFor(*exec, address_) : std::nullopt;
        if (!command)
            return Finish(OpenResult::kNoAssociation);
        const QString program = ResolveProgram(command->program);
        if (program.isEmpty())
            return Finish(OpenResult::kFileNotFound);
        if (!Watch(program, command->arguments, [this] { Finish(OpenResult::kAssociationIncomplete); }))
            Finish(OpenResult::kOutOfResources);
    }

private:
    // Starts a run; its success finishes the attempt, its failure calls onFailure.
    template <class Failure>
    bool Watch(const QString& program, const QStringList& arguments, Failure onFailure)
    {
        int error = 0;
        OpenerRun* run = OpenerRun::Start(program, arguments, &error);
        if (!run)
            return false;
        connect(run, &OpenerRun::decided, this, [this, onFailure](bool opened) {
            if (opened)
                Finish(OpenResult::kOpened);
            else
                onFailure();
        });
        return true;
    }

    void Finish(int result)
    {
        // Always from the event loop, so the caller never hears before its call returns.
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                if (done_ && context_)
                    done_(result);
                deleteLater();
            },
            Qt::QueuedConnection);
    }

    QString address_;
    QPointer<QObject> context_;
    OpenDone done_;
};

} // namespace

void OpenThroughHandler(const QString& address, const DesktopHandler::SearchPaths& paths, QObject* context,
                        OpenDone done)
{
    (new PageOpening(address, context, std::move(done)))->TryHandler(paths);
}

void OpenAddress(const QString& address, int show, QObject* context, OpenDone done)
{
    Q_UNUSED(show);
    (new PageOpening(address, context, std::move(done)))->TryOpener();
}
