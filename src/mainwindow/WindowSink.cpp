#include "mainwindow/WindowSink.h"

#include "controls/NumericEdit.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/ResultsList.h"

#include <QApplication>

void WindowSink::BeginCalculation()
{
    window_.warningText_.clear();
    window_.errorText_.clear();
    window_.errorRange_.clear();
    window_.resultsList_->ClearResultsList();
}

void WindowSink::ClearRecalcPending()
{
    window_.recalcPending_ = false;
}

void WindowSink::Beep()
{
    QApplication::beep();
}

void WindowSink::ShowErrorRow(const std::string& text, const std::string& range)
{
    window_.errorText_ = text;
    window_.errorRange_ = range;
    window_.resultsList_->ShowErrorRow(QString::fromStdString(text), QString::fromStdString(range));
}

void WindowSink::ShowWarning(const std::string& text)
{
    window_.warningText_ = text;
}

void WindowSink::WriteDoorThickness(double shownValue, bool inches)
{
    NumericEdit* field = window_.Field(InputField::iDoorInsul);
    if (inches)
        field->SetDecimalPlaces(2);
    field->SetValue(shownValue, true);
}

void WindowSink::ShowResults(const ResultRowSet& rows)
{
    window_.resultsList_->FillResultsList(rows);
    window_.repaint();
    window_.recalcPending_ = false;
}
