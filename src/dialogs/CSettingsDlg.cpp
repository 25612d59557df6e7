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
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Energy"), QT_TRANSLATE_NOOP("CSettingsDlg", "W"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "Btu/hr"), &UnitSystem::energy},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Temperature"), QT_TRANSLATE_NOOP("CSettingsDlg", "ºC"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "ºF"), &UnitSystem::temperature},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "k Value"), QT_TRANSLATE_NOOP("CSettingsDlg", "W/m·K"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "BTU/h·ft·°F"), &UnitSystem::kValue},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Volume"), QT_TRANSLATE_NOOP("CSettingsDlg", "litres"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "cubic feet"), &UnitSystem::volume},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Length"), QT_TRANSLATE_NOOP("CSettingsDlg", "millimeters"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "inches"), &UnitSystem::length},
    {QT_TRANSLATE_NOOP("CSettingsDlg", "Mass"), QT_TRANSLATE_NOOP("CSettingsDlg", "kilograms"),
     QT_TRANSLATE_NOOP("CSettingsDlg", "pounds"), &UnitSystem::mass},
};

} // namespace

CSettingsDlg::CSettingsDlg(const UnitSystem& units, QWidget* parent)
    : QDialog(parent)
    , units_(units)
{
    setWindowTitle(tr("Units"));
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
        auto* box = new QGroupBox(tr(pair.title), this);
        auto* column = new QVBoxLayout(box);
        metric_[static_cast<size_t>(i)] = new QRadioButton(tr(pair.metric), box);
        imperial_[static_cast<size_t>(i)] = new QRadioButton(tr(pair.imperial), box);
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
