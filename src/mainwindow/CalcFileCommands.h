#pragma once

#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "storage/InputAssignments.h"
#include "storage/ProfileStore.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QMimeData;
class QWidget;
class WidgetForm;

// The calculation as a file in the window: Open, Save and Save As through the file dialog, a file
// named at start or dropped on the window, and the caption, which names the open file and marks
// inputs that differ from it. The settings store keeps the calculation as before; a file is a copy
// the user asks for. The files used are remembered in the store's file history.
class CalcFileCommands : public QObject {
    Q_OBJECT

public:
    // `opened` runs once a file's inputs are on the form: the window stores the units, lays
    // itself out and calculates.
    CalcFileCommands(QWidget* window, WidgetForm& form, Tables& tables, UnitSystem& units, ProfileStore& store,
                     const QString& programCaption, std::function<void()> opened);

    // Asked before anything replaces the calculation; false keeps it (and stops the opening).
    void SetReplaceCheck(std::function<bool()> check) { mayReplace_ = std::move(check); }
    // The inputs as they are now count as what the window started with.
    void TakeOrigin();
    // Whether the inputs differ from the open file's, or, without one, from what the window
    // started with.
    bool DiffersFromOrigin() const;
    // Names a file the inputs came from in an earlier run: unmodified while the file's bytes have
    // the digest they had when the inputs were last stored as the file's, otherwise marked
    // modified where they differ from it. A file that is gone or refused is not named.
    void Resume(const QString& path, const QString& digest);

    // False when the file was refused (its message is showing) or the replace check said no:
    // nothing of the calculation changed.
    bool Open(const QString& path);
    void OpenWithDialog();
    // The first-run inputs, without a file, once the replace check allows it.
    bool New();
    // To the open file, or like Save As while there is none. False when nothing was written.
    bool Save();
    bool SaveAs();

    // Compares the inputs with the open file's and marks the caption (every change of an input
    // ends here, through the fields' signals or the calculation that follows it).
    void InputsChanged();

    const QString& FilePath() const { return path_; }
    bool Modified() const { return modified_; }

    // The window's caption: the program's own, preceded by the open file's name, and that by
    // "*" while the inputs differ from the file.
    static QString Caption(const QString& programCaption, const QString& filePath, bool modified);
    // The local calculation file among dropped URLs; empty when there is none.
    static QString DroppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The name of the file to open, or to save to; empty when the dialog was cancelled.
    QString AskForFile(bool saving);
    bool SaveTo(const QString& path);
    // Applies new inputs with the options' own handlers quiet; the result of `apply`.
    std::optional<std::string> Quietly(const std::function<std::optional<std::string>()>& apply);
    void ShowProblem(const std::string& message, const QString& consequence);
    void SetFile(const QString& path);
    void AddToDesktopRecent() const;
    void UpdateCaption();

    QWidget* window_;
    WidgetForm& form_;
    ProfileStore& store_;
    std::function<bool()> mayReplace_;
    InputAssignments originInputs_; // what the window started with, while no file is open
    Tables& tables_;
    UnitSystem& units_;
    QString programCaption_;
    std::function<void()> opened_;
    QString path_;
    InputAssignments fileInputs_; // as they stood right after the last open or save
    bool modified_ = false;
    bool opening_ = false;
};
