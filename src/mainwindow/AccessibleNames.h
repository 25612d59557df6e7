#pragma once

#include "mainwindow/ControlTable.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <map>
#include <string>

class QWidget;

// The window paints its labels, so a screen reader cannot find them next to the controls. Each
// control of the form is named after the sheet row it sits on instead: the label without its
// indent or colon and the unit now chosen for it, with the row's help text as its description.
struct AccessibleText {
    std::string name;
    std::string description;
};

// A label that occurs on more than one row carries its section ("Door Design: Height (mm)"), so
// that no two controls share a name.
AccessibleText AccessibleTextOf(int sheetRow, const UnitSystem& units, const Tables& tables);
// The same name as it is written where a person reads it, with the unit's symbol ("Ambient
// temperature (ºC)"), for lists that name the form's inputs.
std::string WrittenNameOf(int sheetRow, const UnitSystem& units);

// Names and describes the form's controls and the results list. The units are part of the names:
// call it again after every change of units.
void NameWindowControls(const std::map<ControlId, QWidget*>& controls, const UnitSystem& units, const Tables& tables);
