#ifndef VORNAC_LOOPPERIOD_H
#define VORNAC_LOOPPERIOD_H

// The position loop periods the module offers, in seconds, ended by 0.0.
extern const double loopPeriodTable[17];

// True when |a - b| < 0.000001.
bool IsNearlyEqual(double a, double b);

// True when the position loop period `loop` fits the host's scan period `host` (both seconds):
// 50 to 500 µs, a multiple of 50 or 62.5 µs, a whole number of hertz, and the host period a whole
// multiple of at least twice it.
bool IsLoopPeriodCompatible(double loop, double host);

// The first table period compatible with `host`, or 0.0 when there is none.
double FirstCompatibleLoopPeriod(double host);

#endif
