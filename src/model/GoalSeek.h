#pragma once

#include "model/InputForm.h"
#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/ResultMembers.h"
#include "model/VariantCalc.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// One point of a search: the result there, or the message of the check that stopped it.
struct SeekSample {
    bool completed = false;
    double value = 0;
    std::string message;
};

// What a goal seek found. Several answers mean the result is not monotone over the range.
struct SeekAnswer {
    std::vector<double> answers; // ascending, each to the field's precision
    bool anyCompleted = false;
    double lowestReached = 0; // over the completed samples, for saying how close it came
    double highestReached = 0;
    std::string stopMessage; // the first check that stopped a sample, if one did
};

// Finds every x in [from, to] where f(x) = target: samples the range, then bisects each change of
// sign between neighbouring completed samples down to `decimals` places, and keeps of the two
// neighbouring values at that precision the one closer to the target. Samples a check stops
// split the range; no answer is taken across them.
SeekAnswer GoalSeek(const std::function<SeekSample(double)>& f, double from, double to, double target, int decimals,
                    int samples = 200);

// The goal seek of one input of a form's inputs, over the calculation core.
SeekAnswer SeekInput(VariantCalc& calc, const LoadInputs& base, InputField field, const ResultMember& result,
                     double targetValue, double from, double to);

// The values an input's check lets through, in the unit it is shown in. The end temperature
// takes the start temperature's range (its own checks compare it with other inputs), and a custom
// k, which only has to be above 0, is searched from 0.0001 to 10 W/(m.K).
std::pair<double, double> PermittedRange(InputField field, const UnitSystem& units);
