#pragma once

#include "mainwindow/CommandMenu.h"
#include "mainwindow/ControlTable.h"
#include "mainwindow/Layout.h"
#include "mainwindow/WidgetForm.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "presentation/HotSpotList.h"
#include "presentation/PrintCommand.h"
#include "presentation/SheetPainter.h"
#include "storage/ProfileStore.h"
#include "version/VersionTexts.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <string>

struct RecalcResult;
class AutoSave;
class ChangeGuard;
class CalcFileCommands;
class ContextHelp;
class NumericEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class ResultsList;
class SheetAccessible;
class WhatIfWindow;
struct InputAssignments;

// The main window. The values live in its fields; it decides when a calculation runs (an edit
// marks one pending, a one-second poll runs it; options, units and an opened file run one at
// once), keeps itself maximised, writes the inputs to the store a few seconds after a calculation
// that changed them, and saves every input when it closes and when it is destroyed.
class DoraRiveDlg : public QDialog {
    Q_OBJECT

public:
    explicit DoraRiveDlg(ProfileStore& store, QWidget* parent = nullptr);
    ~DoraRiveDlg() override;

    void Recalculate();
    // Runs the calculation an edit left pending, so that whatever reads the results next (the
    // printout, a file, the store) has the figures of the inputs on the screen, not those of
    // the last timer tick. The timer goes on as before.
    void CalculatePending();
    void Relayout();
    // Writes every input to the store now and puts it on disk (also done when the window is
    // destroyed); false when the store could not take them.
    bool SaveInputs();

    // State the tests and the painters read.
    bool RecalcPending() const { return recalcPending_; }
    bool Initialised() const { return initialised_; }
    int CalculationCount() const { return calculationCount_; }
    const LoadResults& Results() const { return results_; }
    bool FiguresStale() const { return figuresStale_; }
    const UnitSystem& Units() const { return units_; }
    const Tables& TablesInUse() const { return tables_; }
    const std::string& WarningText() const { return warningText_; }
    const LayoutResult& CurrentLayout() const { return layout_; }
    const VersionTexts& Texts() const { return texts_; }
    const WidgetForm& Form() const { return form_; }
    QWidget* Control(ControlId id) const { return controls_.at(id); }
    NumericEdit* Field(InputField field) const { return form_.Field(field); }
    ResultsList* ResultsListWidget() const { return resultsList_; }
    const HotSpotList& HotSpots() const { return hotSpots_; }
    CommandMenu* Commands() const { return commandMenu_; }
    CalcFileCommands* Files() const { return fileCommands_; }
    const AutoSave& Autosave() const { return *autoSave_; }
    SheetAccessible* SpokenSheet() const { return spokenSheet_; }

    // The timer's tick: re-maximise after a size change, run a pending calculation.
    void OnTimer();
    void OnUnitsButton();
    // Opens a calculation file; false when it was refused (with a message showing) or the user
    // kept the calculation on the screen.
    bool OpenFile(const QString& path);

    // From now on the window closes without a question: a termination signal or the end of the
    // session. A store that cannot take the inputs then makes a rescue file, named on stderr.
    void SetUnattended() { unattended_ = true; }
    // For the process: 0 the inputs are stored (or the user was told they were not, and chose);
    // 1 the store failed, the inputs are in the rescue file named on stderr; 2 that failed too,
    // and stderr holds the calculation itself.
    int ExitStatus() const { return exitStatus_; }

    // Closing: asks while an open file is modified, stores the inputs, and says so when the
    // store could not take them; cancelled, the window stays.
    void done(int result) override;
    // The What If window, made when it is first asked for; null until then.
    WhatIfWindow* WhatIf() const { return whatIf_; }
    void OpenWhatIf();
    // A number into a field ("-" and "."), cut as the field cuts it, and calculated at once.
    void PutNumber(InputField field, const std::string& number);
    // A whole calculation onto the form, as opening a file puts it there.
    void PutInputs(const InputAssignments& inputs);
    ProfileStore& Store() { return store_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void CreateFields();
    void CreateSelections();
    void CreateOptions();
    void CreateButtons();
    void SetTabOrder();
    void Initialise();
    LayoutInput LayoutInputNow() const;
    void ApplyLayout();
    void ApplyFonts();

    void OnMaterialSelected(Selector selector);
    void OnOptionClicked();
    void OnHelpButton();
    void OnPrint();
    void OnProductSelection();
    void ShowAbout();
    void OnFileOpened();
    void RunCommand(CommandMenu::Command command);
    void ShowCalculation(const RecalcResult& result);
    // Tells screen readers what the sheet shows now.
    void SpeakSheet();
    void RequestRecalculation() { recalcPending_ = true; }
    void RedrawAll();
    SheetState SheetStateNow() const;
    void RestartTimer(int milliseconds);
    // SaveInputs without the pending calculation: the autosave must not run one ahead of the
    // timer while the user types.
    bool StoreInputs();
    void RescueInputs();
    PrintNames PrintNamesNow() const;

    ProfileStore& store_;
    VersionTexts texts_;
    Tables tables_;
    UnitSystem units_;
    LoadResults results_;
    LoadResults completedResults_; // of the last calculation that completed
    bool figuresStale_ = false;    // the latest calculation stopped at a check
    std::string warningText_;
    std::string errorText_; // the error row of a failed check, with its range
    std::string errorRange_;
    LayoutResult layout_;
    // The labels' widening of the columns, measured for the screen height it was measured on.
    SheetColumns columns_;
    int columnsScreenHeight_ = -1;
    ButtonWidths buttonWidths_; // what the command buttons' captions need
    WidgetForm form_;
    std::map<ControlId, QWidget*> controls_;
    ResultsList* resultsList_ = nullptr;
    SheetPainter sheetPainter_;
    HotSpotList hotSpots_;
    ContextHelp* contextHelp_ = nullptr;
    SheetAccessible* spokenSheet_ = nullptr;
    CommandMenu* commandMenu_ = nullptr;
    CalcFileCommands* fileCommands_ = nullptr;
    AutoSave* autoSave_ = nullptr;
    std::unique_ptr<ChangeGuard> changeGuard_;
    bool unattended_ = false;
    int exitStatus_ = 0;
    WhatIfWindow* whatIf_ = nullptr;
    QTimer timer_;

    bool initialised_ = false;
    bool recalcPending_ = false;
    bool maximizePending_ = false;
    bool iconPending_ = true;
    int calculationCount_ = 0;
};
