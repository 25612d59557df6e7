#pragma once

#include "model/GoalSeek.h"
#include "model/InputForm.h"

#include <QGroupBox>

#include <optional>

class DoraRiveDlg;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class WhatIfWindow;

// "Find the input so that a result is a value", over the What If window's input and range. The
// answer goes into the form only on request, and the value it replaced can be put back.
class SeekPanel : public QGroupBox {
    Q_OBJECT

public:
    SeekPanel(DoraRiveDlg& window, WhatIfWindow& whatIf);

    void SetGoal(const char* resultName, double target);
    void Find();
    void UseAnswer();
    void Back();
    // The question and the unit after a change of input, range or units.
    void Refresh();

    const SeekAnswer& Answer() const { return answer_; }
    QString AnswerText() const;
    QComboBox* Answers() const { return answers_; }

private:
    const ResultMember& Result() const;
    QString UnitText() const;

    DoraRiveDlg& window_;
    WhatIfWindow& whatIf_;
    QLabel* question_ = nullptr;
    QComboBox* result_ = nullptr;
    QDoubleSpinBox* target_ = nullptr;
    QLabel* unit_ = nullptr;
    QLabel* answerText_ = nullptr;
    QComboBox* answers_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* back_ = nullptr;
    SeekAnswer answer_;
    InputField answerField_ = InputField::iInsulation;
    std::optional<std::pair<InputField, double>> replaced_; // the field and its value before
};
