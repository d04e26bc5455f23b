#include "loopPeriod.h"

#include <cmath>

const double loopPeriodTable[17]
    = {0.00005,   0.0000625, 0.0001,   0.000125, 0.00015,   0.0001875, 0.0002, 0.00025, 0.0003,
       0.0003125, 0.00035,   0.000375, 0.0004,   0.0004375, 0.00045,   0.0005, 0.0};

namespace {

const double tolerance = 0.000001;

// A quotient counts as whole within the tolerance on either side: 7.85 ms / 50 µs comes out of
// binary floating point as 156.99999999999997 and is still 157.
bool IsWhole(double quotient, double *whole = nullptr)
{
    const double nearest = std::round(quotient);
    if (whole)
        *whole = nearest;
    return std::isfinite(quotient) && std::fabs(quotient - nearest) <= tolerance;
}

} // namespace

bool IsNearlyEqual(double a, double b)
{
    return std::fabs(a - b) < tolerance;
}

bool IsLoopPeriodCompatible(double loop, double host)
{
    const double loopMicroseconds = loop * 1000000.0;
    const double hostMicroseconds = host * 1000000.0;
    if (!(loopMicroseconds >= 50.0 - tolerance && loopMicroseconds <= 500.0 + tolerance))
        return false;
    double multiple = 0.0;
    if (!IsWhole(hostMicroseconds / loopMicroseconds, &multiple) || multiple < 2.0)
        return false;
    if (!IsWhole(loopMicroseconds / 50.0) && !IsWhole(loopMicroseconds / 62.5))
        return false;
    return IsWhole(1000000.0 / loopMicroseconds);
}

double FirstCompatibleLoopPeriod(double host)
{
    for (const double *period = loopPeriodTable; *period != 0.0; ++period) {
        if (IsLoopPeriodCompatible(*period, host))
            return *period;
    }
    return 0.0;
}
