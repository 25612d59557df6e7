#pragma once

#include "model/RecalcSink.h"

class DoraRiveDlg;

// What a calculation shows, applied to the window: the results list, the message line, the beep,
// the door thickness field and the repaint.
class WindowSink : public RecalcSink {
public:
    explicit WindowSink(DoraRiveDlg& window)
        : window_(window)
    {
    }

    void BeginCalculation() override;
    void ClearRecalcPending() override;
    void Beep() override;
    void ShowErrorRow(const std::string& text, const std::string& range) override;
    void ShowWarning(const std::string& text) override;
    void WriteDoorThickness(double shownValue, bool inches) override;
    void ShowResults(const ResultRowSet& rows) override;

private:
    DoraRiveDlg& window_;
};
