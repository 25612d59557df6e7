#pragma once

#include "model/InputForm.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "storage/ProfileStore.h"

#include <string>

// How the inputs live in the settings store, section "Settings1": every value a 32-bit integer,
// numbers with decimals scaled. The unit entries carry blank-padded names of 16 characters.
namespace StoredInputs {

extern const char* const kSection;         // "Settings1"
extern const char* const kLocationSection; // "Location1"

// The six unit entry names, exactly as stored (with their trailing blanks).
extern const char* const kUnitsEnergy;
extern const char* const kUnitsTemperature;
extern const char* const kUnitsKValue; // stored under the pressure name
extern const char* const kUnitsVolume;
extern const char* const kUnitsLength;
extern const char* const kUnitsMass;

UnitSystem ReadUnitChoices(const ProfileStore& store);
void WriteUnitChoices(ProfileStore& store, const UnitSystem& units);

// Fills the form from the store (first-run defaults for missing entries): selections limited to
// their tables, numbers, the custom k values (into row 0 of the material tables and, for the
// selected rows, into the k-value fields at four decimals), the options.
void LoadStoredInputs(const ProfileStore& store, InputForm& form, Tables& tables, const UnitSystem& units);

// Writes every input entry from the form, and the unit choices it is in, so the store always
// holds one calculation whole. A custom k is taken from its field while "Customized"
// is selected, otherwise the last custom value in the table is kept.
void SaveInputs(ProfileStore& store, const InputForm& form, Tables& tables, const UnitSystem& units);

// Scaled entries: value x scale rounded half away from zero and limited to 32 bits, so a saved
// value reads back as the field showed it.
std::int32_t ScaledEntry(double value, double scale);

} // namespace StoredInputs
