#pragma once

#include <string_view>

// What a field's text reads as.
struct PrectenoCislo
{
    double hodnota = 0.0;
    // The text holds a number whose magnitude is beyond the largest double.
    // hodnota is then 0 and must not be used; the caller refuses the input.
    bool mimoRozsah = false;
};

// The prefix-number rule: how the text of an input field becomes a number.
//
//  - Spaces, tabs and line feeds are removed wherever they stand ("1 2" is 12).
//  - Then a number is read from the start: optional sign, digits, optional
//    point and digits, optional exponent (E or D in either case, optional sign,
//    digits). The point is the only decimal separator, whatever the locale.
//  - Or "&H" / "&O" (either case) and hexadecimal / octal digits: a
//    non-negative whole number of any width ("&HFFFF" is 65535, never -1);
//    no sign is accepted before or after the ampersand.
//  - Reading stops at the first character that cannot continue the number,
//    the rest is ignored ("12abc" is 12, "2,5" is 2).
//  - An exponent letter without digits after it ends the number before the
//    letter: "1e" and "1e+" read as 1.
//  - A text that does not begin with a number, and the empty text, read as 0.
//  - A magnitude too large for a double is reported as mimoRozsah rather than
//    as infinity; one too small for a double reads as (signed) zero, and a
//    value in the subnormal range is kept as the nearest double.
//
// The result is correctly rounded and does not depend on the C locale.
// Time is linear in the length of the text.
PrectenoCislo CtiCislo(std::string_view text);
