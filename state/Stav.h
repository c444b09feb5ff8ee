#pragma once

#include "Hodnota.h"
#include "TabulkaSytePary.h"

// The calculator state, shared by the window and the computation. The
// program owns exactly one; every value starts empty and the flags all false
// until the window's load handler sets the start mode.
struct Stav
{
    Hodnota Vykon;   // heat power, kW
    Hodnota DeltaT;  // temperature difference of the water, K
    Hodnota DeltaP;  // pressure drop across the valve, kPa
    Hodnota Ppary;   // steam pressure before the valve, kPa absolute (corrected)
    Hodnota Suchost; // steam dryness, at most 1 after correction
    Hodnota Zprutok; // flow typed in, m3/h or kg/h
    Hodnota Prutok;  // flow used for sizing, m3/h (water, condensate) or kg/h (steam)
    Hodnota Tlak;    // pressure at which the steam table is read, kPa absolute
    Hodnota Objem;   // specific volume at Tlak, m3/kg
    Hodnota Objem1;  // specific volume at the inlet, m3/kg
    Hodnota Objem2;  // at the outlet (subcritical steam), or empty text
    Hodnota Objem12; // at half the inlet pressure (critical steam), or empty text
    Hodnota Kvs;     // valve flow coefficient, m3/h

    // Method: flow from heat power, or flow typed in.
    bool Zpusob1 = false;
    bool Zpusob2 = false;
    // Medium: water, steam, condensate.
    bool Medium1 = false;
    bool Medium2 = false;
    bool Medium3 = false;

    TabulkaSytePary TabulkaPary;

    // Values compare as Hodnota does: exactly, with no tolerance.
    friend bool operator==(const Stav &, const Stav &) = default;
};
