#include "model/Recalculate.h"

#include "model/Checks.h"
#include "model/Conversions.h"

#include <utility>

using namespace Conversions;

namespace {

// Runs the calculation's steps in order; every check that fails notes itself and stops it.
class Calculation {
public:
    Calculation(const LoadInputs& in, const UnitSystem& units, const Tables& tables, const LoadResults& previous)
        : in_(in)
        , units_(units)
        , tables_(tables)
    {
        out_.results = previous;
    }

    RecalcResult Run()
    {
        const bool ok = Dimensions() && Temperatures() && Transmission() && Capacity();
        out_.outcome = ok ? RecalcOutcome::Completed : RecalcOutcome::Stopped;
        return std::move(out_);
    }

private:
    // False (after reporting) when the value fails the check.
    bool Passes(CheckId id, double value)
    {
        const CheckInfo& check = Check(id);
        return !OutsideLimits(check, value) || Fail(check);
    }

    bool Fail(const CheckInfo& check)
    {
        out_.failed = &check;
        return false;
    }

    void Warn(const CheckInfo& check) { out_.warned = &check; }

    double Length(double shown) const { return units_.LengthImperial() ? InchesToMillimetres(shown) : shown; }
    double Temperature(double shown) const { return units_.TemperatureImperial() ? FahrenheitToCelsius(shown) : shown; }

    bool Dimensions()
    {
        width_ = Length(in_.iWidth);
        height_ = Length(in_.iHeight);
        depth_ = Length(in_.iDepth);
        doorWidth_ = Length(in_.iDoorWidth);
        doorHeight_ = Length(in_.iDoorHeight);

        if (!Passes(CheckId::CabinetDepth, depth_) || !Passes(CheckId::CabinetWidth, width_) ||
            !Passes(CheckId::CabinetHeight, height_))
            return false;
        if (in_.iDoorCheck && (!Passes(CheckId::DoorWidth, doorWidth_) || !Passes(CheckId::DoorHeight, doorHeight_)))
            return false;

        r_.netVolume = height_ * depth_ * width_ / 1000000.0;
        return true;
    }

    bool Temperatures()
    {
        double mass = in_.iCoolMass;
        const int specificHeat = tables_.products.SpecificHeat(in_.iProd);
        const double start = Temperature(in_.iStart);
        const double end = Temperature(in_.iEnd);
        const double time = in_.iTime;
        ambient_ = Temperature(in_.iAmbient);
        box_ = Temperature(in_.iEvapTemp);
        const double evaporating = Temperature(in_.iEvaporating);
        const double condensing = Temperature(in_.iCondensing);
        r_.subcooling = units_.TemperatureImperial() ? FahrenheitDiffToKelvinDiff(in_.iSubcool) : in_.iSubcool;
        if (units_.MassImperial())
            mass = PoundsToKilograms(mass);

        if (in_.iCoolCheck && in_.iCoolMass != 0) {
            if (start <= end)
                return Fail(Check(CheckId::StartAboveEnd));
            if (end < box_)
                return Fail(Check(CheckId::EndNotBelowBox));
        }
        if (in_.iCoolCheck && (!Passes(CheckId::StartTemperature, start) || !Passes(CheckId::CoolDownMass, mass) ||
                               !Passes(CheckId::CoolDownTime, time)))
            return false;
        if (ambient_ <= box_)
            return Fail(Check(CheckId::AmbientAboveBox));
        if (!Passes(CheckId::AmbientTemperature, ambient_) || !Passes(CheckId::BoxTemperature, box_))
            return false;
        if (in_.iCondCheck) {
            if (!Passes(CheckId::EvaporatingTemperature, evaporating) ||
                !Passes(CheckId::CondensingTemperature, condensing) || !Passes(CheckId::Subcooling, r_.subcooling))
                return false;
            if (evaporating > box_)
                Warn(Check(CheckId::EvaporatingAboveBox));
        }

        r_.coolDownLoad = in_.iCoolCheck ? mass * specificHeat * (start - end) / (time * 3600.0) : 0.0;
        deltaT_ = ambient_ - box_;
        if (in_.iCondCheck) {
            r_.tEvaporator = evaporating;
            r_.tCondenser = condensing;
        } else {
            r_.tEvaporator = box_ - 10.0;
            r_.tCondenser = ambient_ + 10.0;
            r_.subcooling = 1.0;
        }
        return true;
    }

    bool DoorThickness(double& td)
    {
        const MaterialTable& doors = tables_.doorMaterials;
        if (doors.IsGlass(in_.iType2)) {
            td = doors.FixedThicknessMm(in_.iType2);
            if (units_.LengthImperial())
                out_.doorThickness = DoorThicknessWrite{MillimetresToInches(td), true};
            else
                out_.doorThickness = DoorThicknessWrite{static_cast<double>(RoundHalfAwayFromZero(td)), false};
        } else {
            td = Length(in_.iDoorInsul);
        }
        return Passes(CheckId::DoorInsulationThickness, td);
    }

    bool AdditionalLoads()
    {
        if (!in_.iHeatCheck) {
            openings_ = light_ = fan_ = antisweat_ = 0.0;
            return true;
        }
        return Passes(CheckId::OpeningsLoad, openings_) && Passes(CheckId::FanLoad, fan_) &&
               Passes(CheckId::LightLoad, light_) && Passes(CheckId::AntisweatLoad, antisweat_);
    }

    bool Transmission()
    {
        const double t = Length(in_.iInsulation);
        double td = t; // the door's own thickness only with the door option on
        openings_ = in_.iOpenings;
        light_ = in_.iLightLoad;
        fan_ = in_.iFanLoad;
        antisweat_ = in_.iAntisweatLoad;

        if (!Passes(CheckId::InsulationThickness, t))
            return false;
        if (in_.iDoorCheck && !DoorThickness(td))
            return false;
        if (!AdditionalLoads())
            return false;
        if (!in_.iDoorCheck) {
            doorHeight_ = height_;
            doorWidth_ = width_;
        }

        const double w = width_ / 1000.0, h = height_ / 1000.0, d = depth_ / 1000.0;
        const double tm = t / 1000.0, tdm = td / 1000.0;
        const double topBottom = (w + tm) * (d + tm);
        const double side = (h + tm) * (d + tm);
        const double back = (h + tm) * (w + tm);
        const double door = (doorHeight_ / 1000.0 + tdm) * (doorWidth_ / 1000.0 + tdm);

        if (in_.iType == 0)
            out_.customWallK = in_.iInsulTherm;
        if (in_.iType2 == 0)
            out_.customDoorK = in_.iDoorInsulTherm;
        const double k = in_.iType == 0 ? in_.iInsulTherm : tables_.insulationMaterials.K(in_.iType);
        const double kd = !in_.iDoorCheck   ? k
                          : in_.iType2 == 0 ? in_.iDoorInsulTherm
                                            : tables_.doorMaterials.K(in_.iType2);
        // Only a typed-in k can be 0 or below; the table rows are all positive.
        if (k <= 0.0)
            return Fail(Check(CheckId::InsulationK));
        if (in_.iDoorCheck && kd <= 0.0)
            return Fail(Check(CheckId::DoorK));

        // Five cabinet faces (top, bottom, left, right, back), then the door.
        const double faceAreas[5] = {topBottom, topBottom, side, side, back};
        double faces = 0.0;
        for (double area : faceAreas)
            faces += area * deltaT_ * k / tm;
        const double doorLoad = door * deltaT_ * kd / tdm;
        r_.transmissionLoad = faces + doorLoad;
        r_.cabinetLoad = in_.iDoorCheck ? faces : faces + doorLoad;
        r_.doorLoad = in_.iDoorCheck ? doorLoad : 0.0;
        return true;
    }

    bool Capacity()
    {
        const int runTime = in_.iRunTime;
        if (!Passes(CheckId::MaxRuntime, runTime))
            return false;
        r_.additionalLoad = openings_ + fan_ + light_ + antisweat_;
        r_.requestedCapacity = (r_.transmissionLoad + r_.coolDownLoad) * 100.0 / runTime + r_.additionalLoad;
        return true;
    }

    const LoadInputs& in_;
    const UnitSystem& units_;
    const Tables& tables_;
    RecalcResult out_;
    LoadResults& r_ = out_.results;

    double width_ = 0, height_ = 0, depth_ = 0, doorWidth_ = 0, doorHeight_ = 0;
    double ambient_ = 0, box_ = 0, deltaT_ = 0;
    double openings_ = 0, light_ = 0, fan_ = 0, antisweat_ = 0;
};

} // namespace

RecalcResult Recalculate(const LoadInputs& inputs, const UnitSystem& units, const Tables& tables,
                         const LoadResults& previous)
{
    return Calculation(inputs, units, tables, previous).Run();
}

void TakeCustomK(const RecalcResult& result, Tables& tables)
{
    if (result.customWallK)
        tables.insulationMaterials.SetCustomK(*result.customWallK);
    if (result.customDoorK)
        tables.doorMaterials.SetCustomK(*result.customDoorK);
}
