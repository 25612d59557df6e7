#pragma once

#include "model/InputForm.h"
#include "model/LoadInputs.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

// A k value in W/(m.K) as the k-value fields show it, and back.
double ShownK(double siK, const UnitSystem& units);
double SiK(double shownK, const UnitSystem& units);

// Reads one calculation's inputs from the form: numbers with the fields' Value, the runtime with
// IntValue. The custom k values are the k-value fields (in W/(m.K)) while "Customized" is
// selected, otherwise the last custom values held by the tables.
LoadInputs ReadLoadInputs(const InputForm& form, const Tables& tables, const UnitSystem& units);

// Shows the k of the selected material row in its k-value field, in the chosen k unit.
// `which` is Selector::iType (walls) or Selector::iType2 (door).
void ShowSelectedK(InputForm& form, const Tables& tables, const UnitSystem& units, Selector which);

// After a change of unit choices: converts the values shown in the form from `previous` to
// `current`, quantity by quantity (temperatures, mass, k values, lengths).
void ConvertInputsForNewUnits(InputForm& form, const Tables& tables, const UnitSystem& previous,
                              const UnitSystem& current);
