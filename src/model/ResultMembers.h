#pragma once

#include "model/LoadResults.h"
#include "model/UnitSystem.h"

#include <string>

// Every computed value by its name in dorarive-calc's output, in the order it prints them. Loads
// and the capacity are printed in W, temperatures in ºC, the volume and the subcooling in the
// units the user chose.
struct ResultMember {
    const char* name;
    double LoadResults::*member;
    // From the SI value held to the printed one; null where they are the same.
    double (*shown)(double, const UnitSystem&) = nullptr;
};

extern const ResultMember kResultMembers[10];
// The value as dorarive-calc prints it (and a goal seek takes its target).
double PrintedValue(const ResultMember& result, const LoadResults& results, const UnitSystem& units);
// Null when the name is none of them.
const ResultMember* ResultMemberNamed(const std::string& name);
// The name a person reads for it (English, marked for translation in the context
// ResultLabelContext gives: "ResultMember", or for the four compressor rows, which are the results
// list's own names, "ResultRows").
const char* ResultLabel(const ResultMember& result);
const char* ResultLabel(double LoadResults::*member);
const char* ResultLabelContext(double LoadResults::*member);
