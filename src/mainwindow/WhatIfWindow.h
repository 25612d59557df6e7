#pragma once

#include "model/InputForm.h"
#include "model/LoadResults.h"
#include "model/UnitSystem.h"
#include "presentation/ChartGeometry.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class DoraRiveDlg;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class SeekPanel;
class SweepChart;
class VariantComparison;
struct CheckInfo;
struct LoadInputs;

// One sweep point as the chart and its table show it, with what stopped it.
struct SweepPoint {
    ChartPoint chart;
    LoadResults results;
    std::string message; // the error row when stopped, else the warning (if any), as the window shows it
    // The checks behind the message, for the CSV export: a table of data, in English whatever the
    // window's language, as dorarive-calc --csv writes it.
    const CheckInfo* failed = nullptr;
    const CheckInfo* warned = nullptr;
};

// What If: how the results move over one input's range (a chart and its table of points), the
// value of an input that gives a wanted result, and calculations side by side. Belongs to one
// main window, which makes it when first asked and closes it with itself; it follows the form at
// every recalculation of the window and changes the form only when asked to.
class WhatIfWindow : public QWidget {
    Q_OBJECT

public:
    static const char* const kSection; // "WhatIf1"

    explicit WhatIfWindow(DoraRiveDlg& window);
    ~WhatIfWindow() override;

    // The window calculated: sweep again from its inputs now.
    void FormRecalculated();

    // The chosen input and range.
    InputField Input() const;
    double From() const;
    double To() const;
    int Steps() const;
    void ChooseInput(InputField field);
    void SetRange(double from, double to, int steps);

    SweepChart* Chart() const { return chart_; }
    QTableWidget* PointsTable() const { return pointsTable_; }
    SeekPanel* Seek() const { return seek_; }
    VariantComparison* Variants() const { return variants_; }
    const std::vector<SweepPoint>& Points() const { return points_; }
    QString InputLabel() const;
    int SweepCount() const { return sweepCount_; }

    // The sweep as tab-separated text: a header row, then one row per point.
    QString SweepText() const;
    // The sweep as dorarive-calc --csv prints it: every input and result of every point.
    QString SweepCsv() const;

private:
    void BuildControls();
    QWidget* BuildRangeRow();
    QWidget* BuildExportRow();
    void AddKeys();
    void FillInputs();
    void OnInputChosen();
    void OnRangeChanged();
    void DefaultRange();
    void Sweep();
    void FillPointsTable();
    void Store() const;
    void Restore();
    void CopyText();
    void ExportCsv();
    void ExportPicture(bool svg);
    void Print();
    QString AskForFile(const QString& filter, const QString& suffix);
    void ShowProblem(const QString& text);
    QStringList PrintedRows() const;

    DoraRiveDlg& window_;
    QComboBox* input_ = nullptr;
    QDoubleSpinBox* from_ = nullptr;
    QDoubleSpinBox* to_ = nullptr;
    QSpinBox* steps_ = nullptr;
    QTabWidget* views_ = nullptr;
    SweepChart* chart_ = nullptr;
    QTableWidget* pointsTable_ = nullptr;
    QLabel* message_ = nullptr;
    SeekPanel* seek_ = nullptr;
    VariantComparison* variants_ = nullptr;
    std::vector<SweepPoint> points_;
    std::vector<double> values_;
    UnitSystem rangeUnits_;
    bool filling_ = false;
    bool tableStale_ = true;
    int sweepCount_ = 0;
};
