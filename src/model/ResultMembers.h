#pragma once

#include "model/LoadResults.h"

#include <string>

// Every computed value by its name in dorarive-calc's output, in the order it prints them. Loads
// and the capacity are in W.
struct ResultMember {
    const char* name;
    double LoadResults::*member;
};

extern const ResultMember kResultMembers[10];
// Null when the name is none of them.
const ResultMember* ResultMemberNamed(const std::string& name);
// The name a person reads for it (English, marked for translation in the context "ResultMember";
// the four compressor rows are the results list's own names).
const char* ResultLabel(const ResultMember& result);
const char* ResultLabel(double LoadResults::*member);
