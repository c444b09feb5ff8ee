#pragma once

// Two-decimal rounding: the nearest number with at most two decimals, exact
// halves of the scaled value to the even neighbour (0.125 -> 0.12,
// 0.375 -> 0.38). Scales by 100, rounds, divides by 100, each one IEEE
// operation. Values of 2^52 and more are whole already and come back as they
// are, so rounding never overflows; infinities and NaN pass through.
double ZaokrouhliNaSetiny(double x);
