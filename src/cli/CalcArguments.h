#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The NAME=VALUE arguments of dorarive-calc, sorted into the three rounds in which they apply:
// unit choices, then selections and options, then numbers. Within a round the last of a
// repeated name wins.
struct CalcAssignments {
    std::map<std::string, int> units;           // "UnitsLength" -> 0 or 1
    std::map<std::string, int> selections;      // "iType" -> row (limited to its table later)
    std::map<std::string, int> options;         // "iDoorCheck" -> 0 or 1
    std::map<std::string, std::string> numbers; // "iDepth" -> "455.5599"
};

// Adds one argument; on a usage error returns the message naming the argument.
std::optional<std::string> AddAssignment(const std::string& argument, CalcAssignments& into);

// Every argument, stopping at the first usage error.
std::optional<std::string> ParseAssignments(const std::vector<std::string>& arguments, CalcAssignments& into);

// The unit names accepted on the command line (without the stored names' padding).
extern const char* const kUnitArgumentNames[6];
