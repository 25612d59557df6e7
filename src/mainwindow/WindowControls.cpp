#include "mainwindow/WindowControls.h"

#include "dialogs/HyperLinkLabel.h"
#include "dialogs/WebAddresses.h"
#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/ShadeButton.h"
#include "presentation/SkinCombo.h"

#include <QCoreApplication>

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
        box->addItem(QCoreApplication::translate("Materials", table.Name(row).c_str()));
}

void FillSelectionBox(QComboBox* box, const ProductTable& table)
{
    for (int row = 0; row < table.Count(); ++row)
        box->addItem(QCoreApplication::translate("Products", table.Name(row).c_str()));
}

ShadeButton* CreateCommandButton(const QString& text, const QString& tooltip, QWidget* parent)
{
    auto* button = new ShadeButton(text, parent);
    button->setAutoDefault(false); // Enter in the window presses no button
    button->SetTooltipText(tooltip);
    // The button draws its own tip, which assistive tools cannot see.
    button->setAccessibleDescription(tooltip);
    button->SetFont(QStringLiteral("Arial"), 16, 400);
    button->SetTextColour(Palette::kWhite);
    button->SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
    return button;
}

namespace {
HyperLinkLabel* CreateLink(const QString& caption, const char* address, QWidget* parent)
{
    auto* link = new HyperLinkLabel(caption, parent);
    link->SetAddress(QString::fromLatin1(address));
    // A link without a caption is known by where it leads.
    link->setAccessibleName(caption.isEmpty() ? link->Address() : caption);
    link->setAccessibleDescription(link->Address());
    // Only the background changes: the window is white.
    link->SetColorSet(Palette::kWhite, link->NormalColor(), link->VisitedColor(), link->HoverColor());
    return link;
}
} // namespace

QWidget* CreateHomePageLink(QWidget* parent)
{
    return CreateLink(QCoreApplication::translate("WebAddresses", WebAddresses::kHomePageLink), WebAddresses::kHomePage,
                      parent);
}

QWidget* CreateProductPageLink(QWidget* parent)
{
    return CreateLink(QString(), WebAddresses::kProductSelection, parent);
}

QIcon ApplicationIcon()
{
    return Artwork::ApplicationIcon();
}
