#pragma once

#include "model/InputForm.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

// Shows the k of a material row the user has just selected, in the k unit in use. "Customized"
// whose k was never set (0, as the tables start) takes over the k its field still shows for the
// row selected before, so choosing it does not stop the calculation at once; a custom k set
// before, stored or from a file, is kept as it is. `which` is Selector::iType or Selector::iType2.
void ShowKOfChosenRow(InputForm& form, Tables& tables, const UnitSystem& units, Selector which);
