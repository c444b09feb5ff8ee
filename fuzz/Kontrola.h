#pragma once

// Checks shared by the fuzz targets. A broken invariant aborts, so libFuzzer
// keeps the input as a crash and the corpus replay fails.

#include "CteniCisla.h"
#include "Hodnota.h"
#include "PomocniciTestu.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

[[noreturn]] inline void Poruseno(const char *podminka, const char *soubor, int radek)
{
    std::fprintf(stderr, "%s:%d: broken invariant: %s\n", soubor, radek, podminka);
    std::abort();
}

#define OVER(podminka) ((podminka) ? (void)0 : Poruseno(#podminka, __FILE__, __LINE__))

// Equal kind and, for numbers, equal bits: -0 differs from 0.
inline bool StejneBity(const Hodnota &a, const Hodnota &b)
{
    return a.druh() == b.druh() && (!a.jeCislo() || BityCisla(*a) == BityCisla(*b));
}

// y read back from the 15-significant-digit text of x. Rounding x to 15
// digits moves it by at most half a unit in the 15th digit, which is at most
// 5e-15 |x| since the first digit is at least 1; reading the text rounds once
// more, by less than the gap below |y| (at a power of two the gap above is
// twice that, but a value rounded up to 2^k lies within half the gap below).
// That last term also covers subnormals, where fewer than 15 digits count.
// The factor sits a hair above 5e-15 for the rounding of the bound itself.
inline bool Blizko(double x, double y)
{
    const double mezera = std::fabs(y) - std::nextafter(std::fabs(y), 0.0);
    return std::fabs(y - x) <= 5.000001e-15 * std::fabs(x) + mezera;
}

// A shown number: at most 25 characters of digits, the separator, sign and
// exponent (so never inf or nan), and never a negative zero.
inline bool UkazatelneCislo(const std::string &t, std::string_view oddelovac)
{
    if (t.empty() || t.size() > 25)
        return false;
    std::string zbytek = t;
    for (std::size_t i; (i = zbytek.find(oddelovac)) != std::string::npos;)
        zbytek.erase(i, oddelovac.size());
    if (zbytek.find_first_not_of("0123456789E+-") != std::string::npos)
        return false;
    return !(t.starts_with("-0") && t.substr(2, oddelovac.size()) != oddelovac);
}

// The shown text of a value read back, with the point for the separator.
inline double ZpetZTextu(std::string t, std::string_view oddelovac)
{
    if (const auto i = t.find(oddelovac); i != std::string::npos)
        t = t.substr(0, i) + '.' + t.substr(i + oddelovac.size());
    const PrectenoCislo r = CtiCislo(t);
    OVER(!r.mimoRozsah);
    return r.hodnota;
}
