#include "mainwindow/AutoSave.h"

AutoSave::AutoSave(std::function<InputAssignments()> inputs, std::function<void()> write, QObject* parent)
    : QObject(parent)
    , inputs_(std::move(inputs))
    , write_(std::move(write))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &AutoSave::WriteNow);
}

void AutoSave::Calculated()
{
    // Not restarted: steady typing must not put the write off for good.
    if (!timer_.isActive() && inputs_() != stored_)
        timer_.start(kDelayMs);
}

void AutoSave::Stored(const InputAssignments& inputs)
{
    stored_ = inputs;
    timer_.stop();
}

void AutoSave::WriteNow()
{
    const InputAssignments now = inputs_();
    if (now == stored_)
        return;
    write_();
    stored_ = now;
}
