#include "WindowControls.h"

#include "Artwork.h"
#include "Palette.h"
#include "ShadeButton.h"
#include "SkinCombo.h"

#include <QLabel>

QComboBox* CreateSelectionBox(QWidget* parent)
{
    auto* box = new SkinCombo(parent);
    box->SetImages(Artwork::kComboLeft, Artwork::kComboButton, Artwork::kComboButtonDropped, Artwork::kComboMiddle);
    box->SetFocusColours(Palette::kBlue, Palette::kWhite);
    box->SetNormalColours(Palette::kPale, Palette::kBlack);
    return box;
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
    auto* button = new ShadeButton(text, parent);
    button->setAutoDefault(false); // Enter in the window presses no button
    button->SetTooltipText(tooltip);
    button->SetFont(QStringLiteral("Arial"), 16, 400);
    button->SetTextColour(Palette::kWhite);
    button->SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
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
    return Artwork::ApplicationIcon();
}
