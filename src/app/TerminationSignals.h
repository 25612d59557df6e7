#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the user-interface thread (the handler
// only writes a byte to a socket pair; everything else happens in the event loop). A signal the
// program was started with ignored stays ignored (`nohup dorarive &` outlives its terminal), and
// the destructor gives each signal back the disposition it had.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

    void OnReadable();
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, kSignals.size()> previous_{};
    std::array<bool, kSignals.size()> handled_{};
};
