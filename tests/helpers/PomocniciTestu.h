#pragma once

// Helpers shared by the tests and the fuzz targets. Standard C++ only.

#include "Interpolace.h"
#include "NaplnTabulku.h"
#include "Stav.h"

#include <fmt/format.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

// The bits of a double, to compare exactly: -0 differs from 0.
inline std::uint64_t BityCisla(double x)
{
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// The double of the given bits (std::bit_cast, which Emscripten 3.1.6's C++
// library lacks).
inline double CisloZBitu(std::uint64_t b)
{
    double x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

// Shortest and hexadecimal form, for messages: a wrong last bit shows.
inline std::string TextBitu(double x)
{
    return fmt::format("{} {:a}", x, x);
}

// The C library's strtod, correctly rounded, as a reference reader of
// decimal text: MinGW's own one, where plain strtod may be the Windows C
// runtime's, which does not round every decimal to the nearest double.
inline double CtiStrtod(const char *text, char **konec)
{
#ifdef __MINGW32__
    return __mingw_strtod(text, konec);
#else
    return std::strtod(text, konec);
#endif
}

// Sets the mode flags as the option buttons would: medium 1 water, 2 steam,
// 3 condensate; zpusob 1 flow from heat power, 2 flow typed in.
inline void NastavRezim(Stav &s, int medium, int zpusob)
{
    s.Zpusob1 = zpusob == 1;
    s.Zpusob2 = zpusob == 2;
    s.Medium1 = medium == 1;
    s.Medium2 = medium == 2;
    s.Medium3 = medium == 3;
}

// A calculator state with the steam table filled, as after the window loads.
inline Stav NaplnenyStav()
{
    Stav s;
    NaplnTabulku(s.TabulkaPary);
    return s;
}

// The table lookup at a pressure.
inline double ObjemPri(double tlak)
{
    Stav s = NaplnenyStav();
    s.Tlak = tlak;
    Interpolace(s);
    return *s.Objem;
}

// Every value of the state by name, the results first.
inline constexpr std::pair<const char *, Hodnota Stav::*> HodnotyStavu[] = {
    {"Prutok", &Stav::Prutok},   {"Objem1", &Stav::Objem1},   {"Objem2", &Stav::Objem2},
    {"Objem12", &Stav::Objem12}, {"Kvs", &Stav::Kvs},         {"Vykon", &Stav::Vykon},
    {"DeltaT", &Stav::DeltaT},   {"DeltaP", &Stav::DeltaP},   {"Ppary", &Stav::Ppary},
    {"Suchost", &Stav::Suchost}, {"Zprutok", &Stav::Zprutok}, {"Tlak", &Stav::Tlak},
    {"Objem", &Stav::Objem}};
inline constexpr std::size_t PocetVysledku = 5;
