#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the user-interface thread (the handler
// only writes a byte to a socket pair; everything else happens in the event loop).
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void OnReadable();
    QSocketNotifier* notifier_ = nullptr;
};
