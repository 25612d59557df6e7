#pragma once

#include <QCoreApplication>
#include <QString>

class CalcFileCommands;
class QWidget;

// The questions before the calculation on the screen goes: "Save changes to the current
// calculation?" (Save, Discard, Cancel) before another replaces it while it differs from where it
// came from, and before closing while an open file is modified; and, when the settings store
// could not take the inputs at close, the offer to save them as a file. Cancel keeps everything.
class ChangeGuard {
    Q_DECLARE_TR_FUNCTIONS(ChangeGuard)

public:
    ChangeGuard(QWidget* window, CalcFileCommands& files);

    // True when the calculation may be replaced: unchanged, saved, or discarded.
    bool MayReplace();
    // Without a file, closing never asks: the store keeps the inputs.
    bool MayClose();
    // True when the window may close although the store named could not be written.
    bool MayCloseUnstored(const QString& storeName);

private:
    bool AskToSave();

    QWidget* window_;
    CalcFileCommands& files_;
};
