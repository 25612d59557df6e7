#pragma once

#include "model/Tables.h"

#include <QIcon>
#include <QString>

class QComboBox;
class QWidget;
class ShadeButton;

// The main window's controls as the product draws them, with the settings the window gives them.
QComboBox* CreateSelectionBox(QWidget* parent);
void FillSelectionBox(QComboBox* box, const MaterialTable& table);
void FillSelectionBox(QComboBox* box, const ProductTable& table);
ShadeButton* CreateCommandButton(const QString& text, const QString& tooltip, QWidget* parent);
QWidget* CreateHomePageLink(QWidget* parent);
QWidget* CreateProductPageLink(QWidget* parent);
QIcon ApplicationIcon();
