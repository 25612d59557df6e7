#pragma once

#include <optional>
#include <string>
#include <vector>

// --sweep NAME=FROM:TO:STEP: one number input taking the values FROM, FROM+STEP, ... up to TO,
// counted in exact decimals so that 0.1 steps never drift.
struct SweepRange {
    static constexpr int kMaxValues = 10000;

    std::string name;
    std::vector<std::string> values; // "-?digits[.digits]", without trailing zeros
};

// Parses the option's value; on a usage error returns the message.
std::optional<std::string> ParseSweep(const std::string& text, SweepRange& into);
