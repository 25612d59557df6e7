#include "dialogs/DialogUnits.h"

#include <QFontMetrics>

namespace {

constexpr char kAverageSample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kSampleLength = 52;

// Rounds half away from zero, as the platform's MulDiv does.
int Scale(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    baseX_ = Scale(metrics.horizontalAdvance(QString::fromLatin1(kAverageSample)), 1, kSampleLength);
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const
{
    return Scale(units, baseX_, 4);
}
int DialogUnits::Y(int units) const
{
    return Scale(units, baseY_, 8);
}

QRect DialogUnits::ToPixels(const QRect& units) const
{
    return {X(units.x()), Y(units.y()), X(units.width()), Y(units.height())};
}

QSize DialogUnits::ToPixels(const QSize& units) const
{
    return {X(units.width()), Y(units.height())};
}
