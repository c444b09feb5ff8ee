#pragma once

#include "Stav.h"

#include <optional>
#include <string>
#include <string_view>

// The compute command without the window: the window hands over the texts of
// its six input fields and writes back what comes out. Standard C++ only, so
// it can be tested and fuzzed on its own.

inline constexpr std::string_view HlaskaZadejCislo = "Zadej číslo > 0";
inline constexpr std::string_view HlaskaMimoRozsah = "Číslo je mimo rozsah";

// Current texts of the input fields, shown or hidden.
struct TextyVstupu
{
    std::string TVykon, TDeltaP, TDeltaT, TPpary, TZprutok, TSuchost;
};

// Each input: the field it is typed into (the control's name), its text,
// the value it is read into, and whether the compute refuses a value that
// is not greater than 0 (checked in this order, used or not).
struct Vstup
{
    std::string_view pole;
    std::string TextyVstupu::*text;
    Hodnota Stav::*hodnota;
    bool kladny;
};
inline constexpr Vstup Vstupy[] = {
    {"TVykon", &TextyVstupu::TVykon, &Stav::Vykon, true},
    {"TDeltaP", &TextyVstupu::TDeltaP, &Stav::DeltaP, true},
    {"TDeltaT", &TextyVstupu::TDeltaT, &Stav::DeltaT, true},
    {"TPpary", &TextyVstupu::TPpary, &Stav::Ppary, false}, // corrected into range instead
    {"TZprutok", &TextyVstupu::TZprutok, &Stav::Zprutok, true},
    {"TSuchost", &TextyVstupu::TSuchost, &Stav::Suchost, true},
};

// What the window writes after a compute: a field or caption is rewritten
// only when it holds a value here. THlaska is always rewritten.
struct ZapisDoOkna
{
    std::optional<std::string> TSuchost, TPpary; // corrected inputs
    std::optional<std::string> TPrutok, TObjem1, TObjem12, TObjem2, Tkvs;
    std::string THlaska;
};

// Reads the inputs into the state, corrects the dryness and the steam
// pressure, checks the inputs, computes the flow and calls VypocetKvs.
// oddelovac is the decimal separator for the output fields.
//
// Beyond the plain rules:
//  - A corrected steam pressure is written back with a decimal point, and
//    Ppary is taken as what that text reads, so the field, the lookups made
//    from its text and Ppary agree under every regional setting.
//  - An input beyond the range of a double stops the command at once with
//    HlaskaMimoRozsah; nothing is stored or corrected.
//  - A result that is not finite (inputs of extreme magnitude) stops it with
//    HlaskaMimoRozsah after the corrections, changing no result.
ZapisDoOkna Spocitej(Stav &s, const TextyVstupu &texty, std::string_view oddelovac);
