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
