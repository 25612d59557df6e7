#include "WindowControls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

QComboBox* CreateSelectionBox(QWidget* parent)
{
    return new QComboBox(parent);
}

void FillSelectionBox(QComboBox* box, const MaterialTable& table)
{
    for (int row = 0; row < table.Count(); ++row)
        box->addItem(QString::fromStdString(table.Name(row)));
}

void FillSelectionBox(QComboBox* box, const ProductTable& table)
{
    for (int row = 0; row < table.Count(); ++row)
        box->addItem(QString::fromStdString(table.Name(row)));
}

QPushButton* CreateCommandButton(const QString& text, const QString& tooltip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tooltip);
    button->setAutoDefault(false);
    return button;
}

QWidget* CreateHomePageLink(QWidget* parent)
{
    return new QLabel(QStringLiteral("Visit Nordavik on the Web"), parent);
}

QWidget* CreateProductPageLink(QWidget* parent)
{
    return new QLabel(parent);
}

QIcon ApplicationIcon()
{
    return QIcon();
}
