#pragma once

#include "storage/InputAssignments.h"

#include <optional>
#include <string>
#include <vector>

// dorarive-calc's NAME=VALUE arguments. Within a round the last of a repeated name wins;
// selections beyond their tables are limited to them later, as a stored index would be.

// Adds one argument; on a usage error returns the message naming the argument.
std::optional<std::string> AddAssignment(const std::string& argument, InputAssignments& into);

// Every argument, stopping at the first usage error.
std::optional<std::string> ParseAssignments(const std::vector<std::string>& arguments, InputAssignments& into);
