#pragma once

#include "model/UnitSystem.h"

#include <QDialog>

#include <array>

class QRadioButton;

// The Units dialog: metric or imperial for each of six quantities. After OK, Chosen() holds the
// choices; Cancel, Escape and the close box leave them as they came in.
class CSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSettingsDlg(const UnitSystem& units, QWidget* parent = nullptr);

    const UnitSystem& Chosen() const { return units_; }

    // The imperial button of each pair, in the order energy, temperature, k value, volume,
    // length, mass.
    QRadioButton* ImperialButton(int pair) const { return imperial_[static_cast<size_t>(pair)]; }
    QRadioButton* MetricButton(int pair) const { return metric_[static_cast<size_t>(pair)]; }

    void accept() override;

private:
    UnitSystem units_;
    std::array<QRadioButton*, 6> metric_{};
    std::array<QRadioButton*, 6> imperial_{};
};
