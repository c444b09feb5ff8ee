#pragma once

#include "Hodnota.h"

#include <string>
#include <string_view>

// The number-to-text rule: how a value is shown in a field or a caption.
//
//  - Empty, and empty text, give "".
//  - A number is rounded to 15 significant digits; trailing zeros of the
//    fraction and a bare separator are dropped; no thousands separator; a
//    minus sign only for a negative value that does not round to zero
//    (never "-0").
//  - Positional notation for magnitudes from 1E-04 up to below 1E+15, after
//    rounding: 2000, 4,31, 0,0001, 999999999999999.
//  - Outside that, one digit before the separator and an exponent of at
//    least two digits with its sign: 1E+15, -2,5E-07. Written with a point,
//    every text reads back through CtiCislo within the range of a double (the
//    largest doubles are written 1,79769313486231E+308, rounded down).
//  - Infinities and NaN give "": they are never shown (the compute command
//    refuses such results before they reach a field).
//
// oddelovac is the decimal separator of the user's regional settings (UTF-8),
// passed in so the result does not depend on the C locale.
std::string TextCisla(const Hodnota &hodnota, std::string_view oddelovac);
