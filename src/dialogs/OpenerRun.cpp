#include "dialogs/OpenerRun.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kLookMs = 25;   // while the outcome is open
constexpr int kReapMs = 1000; // afterwards, only so that no zombie is left

} // namespace

OpenerRun* OpenerRun::Start(const QString& program, const QStringList& arguments, int* error)
{
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t child = 0;
    // glibc reports a program that cannot be executed here, not as an exit status of 127.
    const int result = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        *error = result;
        return nullptr;
    }
    *error = 0;
    return new OpenerRun(child);
}

OpenerRun::OpenerRun(pid_t child)
    : QObject(QCoreApplication::instance())
    , child_(child)
{
    connect(&look_, &QTimer::timeout, this, &OpenerRun::Look);
    look_.start(kLookMs);
    patience_.setSingleShot(true);
    // A coarse timer may fire a few percent early; the patience is a promise to the opener.
    patience_.setTimerType(Qt::PreciseTimer);
    connect(&patience_, &QTimer::timeout, this, [this] {
        Decide(true);
        look_.start(kReapMs);
    });
    patience_.start(kPatienceMs);
}

void OpenerRun::Look()
{
    int status = 0;
    const pid_t ended = ::waitpid(child_, &status, WNOHANG);
    if (ended == 0 || (ended < 0 && errno == EINTR))
        return;
    look_.stop();
    patience_.stop();
    // Reaped by someone else (ECHILD): it ended, and nothing says it failed.
    Decide(ended < 0 || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
    deleteLater();
}

void OpenerRun::Decide(bool opened)
{
    if (decided_)
        return;
    decided_ = true;
    emit decided(opened);
}
