#pragma once

#include "storage/InputAssignments.h"

#include <QObject>
#include <QTimer>

#include <functional>

// Keeps the store close to the screen, so that a crash or a kill loses seconds rather than the
// session: a calculation that leaves the inputs different from what was last written starts a
// short countdown (not restarted by later ones), at whose end the window writes every input with
// its units and puts them on disk. Typing alone never writes (the calculation that follows it
// does), and a calculation that changed nothing writes nothing.
class AutoSave : public QObject {
    Q_OBJECT

public:
    // Well inside the five seconds a user may lose at most.
    static constexpr int kDelayMs = 3000;

    // `inputs` tells what the form holds now; `write` stores it whole and on disk.
    AutoSave(std::function<InputAssignments()> inputs, std::function<void()> write, QObject* parent);

    // After every calculation.
    void Calculated();
    // What the store holds now (read at start, or written by the window itself).
    void Stored(const InputAssignments& inputs);
    bool Pending() const { return timer_.isActive(); }

private:
    void WriteNow();

    std::function<InputAssignments()> inputs_;
    std::function<void()> write_;
    InputAssignments stored_;
    QTimer timer_;
};
