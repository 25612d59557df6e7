#pragma once

#include "mainwindow/CommandMenu.h"
#include "mainwindow/ControlTable.h"
#include "mainwindow/Layout.h"
#include "mainwindow/WidgetForm.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "presentation/HotSpotList.h"
#include "presentation/SheetPainter.h"
#include "storage/ProfileStore.h"
#include "version/VersionTexts.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <map>
#include <string>

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
// once), keeps itself maximised, and saves every input when it is destroyed.
class DoraRiveDlg : public QDialog {
    Q_OBJECT

public:
    explicit DoraRiveDlg(ProfileStore& store, QWidget* parent = nullptr);
    ~DoraRiveDlg() override;

    void Recalculate();
    void Relayout();
    // Writes every input to the store now (also done when the window is destroyed).
    void SaveInputs();

    // State the tests and the painters read.
    bool RecalcPending() const { return recalcPending_; }
    bool Initialised() const { return initialised_; }
    int CalculationCount() const { return calculationCount_; }
    const LoadResults& Results() const { return results_; }
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
    SheetAccessible* SpokenSheet() const { return spokenSheet_; }

    // The timer's tick: re-maximise after a size change, run a pending calculation.
    void OnTimer();
    void OnUnitsButton();
    // Opens a calculation file; false (with a message showing) when it was refused.
    bool OpenFile(const QString& path);

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
    friend class WindowSink;

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
    // Tells screen readers what the sheet shows now.
    void SpeakSheet();
    void RequestRecalculation() { recalcPending_ = true; }
    void RedrawAll();
    SheetState SheetStateNow() const;
    void RestartTimer(int milliseconds);

    ProfileStore& store_;
    VersionTexts texts_;
    Tables tables_;
    UnitSystem units_;
    LoadResults results_;
    std::string warningText_;
    std::string errorText_; // the error row of a failed check, with its range
    std::string errorRange_;
    LayoutResult layout_;
    WidgetForm form_;
    std::map<ControlId, QWidget*> controls_;
    ResultsList* resultsList_ = nullptr;
    SheetPainter sheetPainter_;
    HotSpotList hotSpots_;
    ContextHelp* contextHelp_ = nullptr;
    SheetAccessible* spokenSheet_ = nullptr;
    CommandMenu* commandMenu_ = nullptr;
    CalcFileCommands* fileCommands_ = nullptr;
    WhatIfWindow* whatIf_ = nullptr;
    QTimer timer_;

    bool initialised_ = false;
    bool recalcPending_ = false;
    bool maximizePending_ = false;
    bool iconPending_ = true;
    int calculationCount_ = 0;
};
