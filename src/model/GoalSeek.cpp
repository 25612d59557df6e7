#include "model/GoalSeek.h"

#include "model/Checks.h"
#include "model/Conversions.h"
#include "model/FormRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Of the values the field can hold next to a root, the one whose result is closest to the target.
bool Snap(const std::function<SeekSample(double)>& f, double root, double target, int decimals, double& answer)
{
    const double step = std::pow(10.0, -decimals);
    const double nearest = std::round(root / step) * step;
    bool found = false;
    double bestMiss = 0;
    for (double candidate : {nearest, nearest - step, nearest + step}) {
        const SeekSample s = f(candidate);
        if (!s.completed || (found && std::fabs(s.value - target) >= bestMiss))
            continue;
        found = true;
        bestMiss = std::fabs(s.value - target);
        answer = candidate;
    }
    return found;
}

// Narrows a change of sign of f - target in [a, b] to the field's precision. False when a
// check stops a point inside.
bool Bisect(const std::function<SeekSample(double)>& f, double a, double ga, double b, double target, int decimals,
            double& answer)
{
    const double precision = 0.25 * std::pow(10.0, -decimals);
    for (int i = 0; i < 200 && std::fabs(b - a) > precision; ++i) {
        const double mid = (a + b) / 2;
        const SeekSample s = f(mid);
        if (!s.completed)
            return false;
        const double g = s.value - target;
        if ((g < 0) == (ga < 0)) {
            a = mid;
            ga = g;
        } else {
            b = mid;
        }
    }
    return Snap(f, (a + b) / 2, target, decimals, answer);
}

void Note(SeekAnswer& out, const SeekSample& s)
{
    if (!s.completed) {
        if (out.stopMessage.empty())
            out.stopMessage = s.message;
        return;
    }
    out.lowestReached = out.anyCompleted ? std::min(out.lowestReached, s.value) : s.value;
    out.highestReached = out.anyCompleted ? std::max(out.highestReached, s.value) : s.value;
    out.anyCompleted = true;
}

void AddAnswer(SeekAnswer& out, double x, int decimals)
{
    const double tolerance = 0.5 * std::pow(10.0, -decimals);
    for (double a : out.answers)
        if (std::fabs(a - x) < tolerance)
            return;
    out.answers.push_back(x);
}

} // namespace

SeekAnswer GoalSeek(const std::function<SeekSample(double)>& f, double from, double to, double target, int decimals,
                    int samples)
{
    SeekAnswer out;
    if (from > to)
        std::swap(from, to);
    samples = std::max(samples, 2);
    double previousX = 0;
    SeekSample previous;
    for (int i = 0; i < samples; ++i) {
        const double x = from + (to - from) * i / (samples - 1);
        const SeekSample s = f(x);
        Note(out, s);
        double answer = 0;
        if (s.completed && s.value == target) {
            if (Snap(f, x, target, decimals, answer))
                AddAnswer(out, answer, decimals);
        } else if (s.completed && previous.completed && (previous.value - target < 0) != (s.value - target < 0)) {
            if (Bisect(f, previousX, previous.value - target, x, target, decimals, answer))
                AddAnswer(out, answer, decimals);
        }
        previous = s;
        previousX = x;
    }
    std::sort(out.answers.begin(), out.answers.end());
    return out;
}

SeekAnswer SeekInput(VariantCalc& calc, const LoadInputs& base, InputField field, const ResultMember& result,
                     double targetValue, double from, double to)
{
    LoadInputs in = base;
    const auto f = [&](double x) {
        SetShownInput(in, field, x, calc.Units());
        VariantOutcome o = calc.Calculate(in);
        return SeekSample{o.completed, o.completed ? PrintedValue(result, o.results, calc.Units()) : 0.0,
                          std::move(o.message)};
    };
    return GoalSeek(f, from, to, targetValue, FieldDecimals(field));
}

namespace {

CheckId CheckOf(InputField field)
{
    switch (field) {
    case InputField::iDepth:
        return CheckId::CabinetDepth;
    case InputField::iWidth:
        return CheckId::CabinetWidth;
    case InputField::iHeight:
        return CheckId::CabinetHeight;
    case InputField::iDoorWidth:
        return CheckId::DoorWidth;
    case InputField::iDoorHeight:
        return CheckId::DoorHeight;
    case InputField::iStart:
    case InputField::iEnd:
        return CheckId::StartTemperature;
    case InputField::iCoolMass:
        return CheckId::CoolDownMass;
    case InputField::iTime:
        return CheckId::CoolDownTime;
    case InputField::iAmbient:
        return CheckId::AmbientTemperature;
    case InputField::iEvapTemp:
        return CheckId::BoxTemperature;
    case InputField::iEvaporating:
        return CheckId::EvaporatingTemperature;
    case InputField::iCondensing:
        return CheckId::CondensingTemperature;
    case InputField::iSubcool:
        return CheckId::Subcooling;
    case InputField::iInsulation:
        return CheckId::InsulationThickness;
    case InputField::iDoorInsul:
        return CheckId::DoorInsulationThickness;
    case InputField::iOpenings:
        return CheckId::OpeningsLoad;
    case InputField::iFanLoad:
        return CheckId::FanLoad;
    case InputField::iLightLoad:
        return CheckId::LightLoad;
    case InputField::iAntisweatLoad:
        return CheckId::AntisweatLoad;
    case InputField::iRunTime:
        return CheckId::MaxRuntime;
    case InputField::iInsulTherm:
        return CheckId::InsulationK;
    case InputField::iDoorInsulTherm:
        return CheckId::DoorK;
    }
    return CheckId::InsulationK;
}

double ShownLimitOf(int kind, double limit, const UnitSystem& units)
{
    using namespace Conversions;
    switch (kind) {
    case kLengthUnit:
        return units.LengthImperial() ? MillimetresToInches(limit) : limit;
    case kTemperatureUnit:
        return units.TemperatureImperial() ? CelsiusToFahrenheit(limit) : limit;
    case kMassUnit:
        return units.MassImperial() ? KilogramsToPounds(limit) : limit;
    case kTemperatureDifferenceUnit:
        return units.TemperatureImperial() ? KelvinDiffToFahrenheitDiff(limit) : limit;
    case kHoursUnit:
        return limit / 10.0;
    default:
        return limit;
    }
}

} // namespace

std::pair<double, double> PermittedRange(InputField field, const UnitSystem& units)
{
    if (field == InputField::iInsulTherm || field == InputField::iDoorInsulTherm)
        return {ShownK(0.0001, units), ShownK(10.0, units)};
    const CheckInfo& check = Check(CheckOf(field));
    return {ShownLimitOf(check.rangeKind, check.low, units), ShownLimitOf(check.rangeKind, check.high, units)};
}
