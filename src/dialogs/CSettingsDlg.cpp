#include "dialogs/CSettingsDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct UnitPair {
    const char* title;
    const char* metric;
    const char* imperial;
    int UnitSystem::*choice;
};

// In the order the choices are taken and stored.
const UnitPair kPairs[6] = {
    {"Energy", "W", "Btu/hr", &UnitSystem::energy},           {"Temperature", "ºC", "ºF", &UnitSystem::temperature},
    {"k Value", "W/m·K", "BTU/h·ft·°F", &UnitSystem::kValue}, {"Volume", "litres", "cubic feet", &UnitSystem::volume},
    {"Length", "millimeters", "inches", &UnitSystem::length}, {"Mass", "kilograms", "pounds", &UnitSystem::mass},
};

} // namespace

CSettingsDlg::CSettingsDlg(const UnitSystem& units, QWidget* parent)
    : QDialog(parent)
    , units_(units)
{
    setWindowTitle(QStringLiteral("Units"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    QWidget* previous = buttons->button(QDialogButtonBox::Cancel);
    setTabOrder(ok, previous);
    for (int i = 0; i < 6; ++i) {
        const UnitPair& pair = kPairs[i];
        auto* box = new QGroupBox(QString::fromUtf8(pair.title), this);
        auto* column = new QVBoxLayout(box);
        metric_[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(pair.metric), box);
        imperial_[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(pair.imperial), box);
        column->addWidget(metric_[static_cast<size_t>(i)]);
        column->addWidget(imperial_[static_cast<size_t>(i)]);
        // Each pair excludes itself only; the arrow keys stay within it.
        auto* group = new QButtonGroup(box);
        group->addButton(metric_[static_cast<size_t>(i)]);
        group->addButton(imperial_[static_cast<size_t>(i)]);
        (units_.*pair.choice != 0 ? imperial_ : metric_)[static_cast<size_t>(i)]->setChecked(true);
        grid->addWidget(box, i / 3, i % 3);
        setTabOrder(previous, metric_[static_cast<size_t>(i)]);
        setTabOrder(metric_[static_cast<size_t>(i)], imperial_[static_cast<size_t>(i)]);
        previous = imperial_[static_cast<size_t>(i)];
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    ok->setFocus();
}

void CSettingsDlg::accept()
{
    for (int i = 0; i < 6; ++i)
        units_.*kPairs[i].choice = imperial_[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
    QDialog::accept();
}
