#include "mainwindow/SeekPanel.h"

#include "controls/Translated.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/WhatIfWindow.h"
#include "model/FormRules.h"
#include "model/ResultRows.h"
#include "model/VariantCalc.h"
#include "storage/CalcFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

// The results a goal seek can aim at in the window.
const char* const kGoals[] = {"requestedCapacity", "cabinetLoad", "transmissionLoad"};

QString Number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

SeekPanel::SeekPanel(DoraRiveDlg& window, WhatIfWindow& whatIf)
    : QGroupBox(tr("Goal seek"), &whatIf)
    , window_(window)
    , whatIf_(whatIf)
{
    question_ = new QLabel(this);
    question_->setWordWrap(true);
    result_ = new QComboBox(this);
    for (const char* goal : kGoals) {
        const ResultMember& result = *ResultMemberNamed(goal);
        result_->addItem(QCoreApplication::translate(ResultLabelContext(result.member), ResultLabel(result)),
                         QLatin1String(goal));
    }
    target_ = new QDoubleSpinBox(this);
    target_->setRange(-1e9, 1e9);
    target_->setDecimals(1);
    target_->setValue(60);
    unit_ = new QLabel(this);
    auto* find = new QPushButton(tr("Fin&d"), this);
    answerText_ = new QLabel(this);
    answerText_->setWordWrap(true);
    answerText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answers_ = new QComboBox(this);
    use_ = new QPushButton(tr("&Use answer"), this);
    back_ = new QPushButton(tr("&Back"), this);
    result_->setAccessibleName(tr("Result"));
    target_->setAccessibleName(tr("Wanted value"));
    answers_->setAccessibleName(tr("Answers"));
    auto* resultLabel = new QLabel(tr("so that r&esult"), this);
    resultLabel->setBuddy(result_);
    auto* targetLabel = new QLabel(tr("= &wanted value"), this);
    targetLabel->setBuddy(target_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(question_, 0, 0, 1, 4);
    grid->addWidget(resultLabel, 1, 0);
    grid->addWidget(result_, 1, 1, 1, 3);
    grid->addWidget(targetLabel, 2, 0);
    grid->addWidget(target_, 2, 1);
    grid->addWidget(unit_, 2, 2);
    grid->addWidget(find, 2, 3);
    grid->addWidget(answerText_, 3, 0, 1, 4);
    grid->addWidget(answers_, 4, 0, 1, 4);
    grid->addWidget(use_, 5, 0, 1, 2);
    grid->addWidget(back_, 5, 2, 1, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);

    connect(find, &QPushButton::clicked, this, &SeekPanel::Find);
    connect(use_, &QPushButton::clicked, this, &SeekPanel::UseAnswer);
    connect(back_, &QPushButton::clicked, this, &SeekPanel::Back);
    Refresh();
}

const ResultMember& SeekPanel::Result() const
{
    return *ResultMemberNamed(result_->currentData().toString().toStdString());
}

QString SeekPanel::UnitText() const
{
    return QString::fromStdString(UnitLabel(window_.Units(), kEnergyUnit, Translated));
}

void SeekPanel::SetGoal(const char* resultName, double target)
{
    result_->setCurrentIndex(result_->findData(QLatin1String(resultName)));
    target_->setValue(target);
}

void SeekPanel::Find()
{
    const UnitSystem& units = window_.Units();
    const LoadInputs base = ReadLoadInputs(window_.Form(), window_.TablesInUse(), units);
    VariantCalc calc(window_.TablesInUse(), units, Translated);
    answerField_ = whatIf_.Input();
    // The goal is typed in the energy unit shown; the calculation's loads are in W.
    const double watts = target_->value() / ShownEnergy(1.0, units);
    answer_ = SeekInput(calc, base, answerField_, Result(), watts, whatIf_.From(), whatIf_.To());
    Refresh();
}

QString SeekPanel::AnswerText() const
{
    const int decimals = FieldDecimals(answerField_);
    const QString goal =
        result_->currentText() + QStringLiteral(" ") + Number(target_->value(), 1) + QStringLiteral(" ") + UnitText();
    QString text;
    if (answer_.answers.size() == 1) {
        text = tr("%1 gives %2.")
                   .arg(whatIf_.InputLabel() + QStringLiteral(" ") + Number(answer_.answers[0], decimals), goal);
    } else if (answer_.answers.size() > 1) {
        QStringList values;
        for (double a : answer_.answers)
            values << Number(a, decimals);
        text = tr("The result is not monotone in this range: %1 gives %2 at each of %3.")
                   .arg(whatIf_.InputLabel(), goal, values.join(QStringLiteral("; ")));
    } else if (answer_.anyCompleted) {
        text = tr("No value from %1 to %2 gives %3: in this range the result runs from %4 to %5 %6.")
                   .arg(Number(whatIf_.From(), decimals), Number(whatIf_.To(), decimals), goal,
                        Number(ShownEnergy(answer_.lowestReached, window_.Units()), 1),
                        Number(ShownEnergy(answer_.highestReached, window_.Units()), 1), UnitText());
    } else {
        text = tr("No value from %1 to %2 gives %3.")
                   .arg(Number(whatIf_.From(), decimals), Number(whatIf_.To(), decimals), goal);
    }
    if (!answer_.stopMessage.empty())
        text += QStringLiteral(" ") +
                tr("Part of the range stops at a check: %1").arg(QString::fromStdString(answer_.stopMessage));
    return text;
}

void SeekPanel::Refresh()
{
    question_->setText(
        tr("Find %1 from %2 to %3").arg(whatIf_.InputLabel(), Number(whatIf_.From(), 2), Number(whatIf_.To(), 2)));
    unit_->setText(UnitText());
    answers_->clear();
    for (double a : answer_.answers)
        answers_->addItem(Number(a, FieldDecimals(answerField_)), a);
    answerText_->setText(
        answer_.answers.empty() && !answer_.anyCompleted && answer_.stopMessage.empty() ? QString() : AnswerText());
    answerText_->setAccessibleName(answerText_->text());
    use_->setEnabled(!answer_.answers.empty());
    back_->setEnabled(replaced_.has_value());
}

void SeekPanel::UseAnswer()
{
    if (answers_->currentIndex() < 0)
        return;
    replaced_ = std::make_pair(answerField_, window_.Form().Value(answerField_));
    window_.PutNumber(answerField_, CalcFile::NumberText(answers_->currentData().toDouble()));
    back_->setEnabled(true);
}

void SeekPanel::Back()
{
    if (!replaced_)
        return;
    const auto [field, value] = *replaced_;
    replaced_.reset();
    window_.PutNumber(field, CalcFile::NumberText(value));
    back_->setEnabled(false);
}
