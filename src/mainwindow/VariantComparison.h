#pragma once

#include "storage/InputAssignments.h"

#include <QGroupBox>
#include <QString>

#include <vector>

class DoraRiveDlg;
class QCheckBox;
class QTableWidget;

// Calculations side by side: the form kept as a variant (A, B, C ... or its file's name) and
// calculation files opened straight into the comparison. One column per variant; rows for the
// inputs that differ between them (or all of them) and for every result, each later column with
// its difference to the first. A variant is kept as a file does it, so it can go back into the
// form or into a file as it was; none is stored.
class VariantComparison : public QGroupBox {
    Q_OBJECT

public:
    VariantComparison(DoraRiveDlg& window, QWidget* parent);

    void KeepCurrent();
    // False when the file was refused (its message is showing).
    bool AddFile(const QString& path);
    void PutBack(int index);
    void Remove(int index);
    // False with the message showing when it could not be written.
    bool SaveAs(int index, const QString& path);
    void ShowAllInputs(bool all);
    // Calculates the variants again in the units now in use.
    void Refresh();

    int Count() const { return static_cast<int>(variants_.size()); }
    QString NameOf(int index) const { return variants_.at(static_cast<size_t>(index)).name; }
    QTableWidget* Table() const { return table_; }
    // The table as tab-separated text, its headers included; empty without variants.
    QString TableText() const;

private:
    struct Variant {
        QString name;
        InputAssignments inputs;
    };
    struct Row {
        QString name;
        std::vector<QString> cells;
    };

    QString NextName();
    std::vector<Row> BuildRows() const;
    int Chosen() const;
    void OpenFiles();
    void SaveChosen();
    void CopyTable();
    void ShowProblem(const QString& text);

    DoraRiveDlg& window_;
    QTableWidget* table_ = nullptr;
    QCheckBox* allInputs_ = nullptr;
    std::vector<Variant> variants_;
    int nextLetter_ = 0;
};
