#pragma once

#include "ProfileStore.h"
#include "UnitSystem.h"

#include <QDialog>

#include <array>

class QRadioButton;

// The Units dialog: metric or imperial for each of six quantities. OK changes the choices at once
// and stores them; Cancel, Escape and the close box change nothing.
class CSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CSettingsDlg(UnitSystem& units, ProfileStore& store, QWidget* parent = nullptr);

    // The imperial button of each pair, in the order energy, temperature, k value, volume,
    // length, mass.
    QRadioButton* ImperialButton(int pair) const { return imperial_[static_cast<size_t>(pair)]; }
    QRadioButton* MetricButton(int pair) const { return metric_[static_cast<size_t>(pair)]; }

    void accept() override;

private:
    UnitSystem& units_;
    ProfileStore& store_;
    std::array<QRadioButton*, 6> metric_{};
    std::array<QRadioButton*, 6> imperial_{};
};
