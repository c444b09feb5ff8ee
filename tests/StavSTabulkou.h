#pragma once

#include "state/Stav.h"
#include "steam/Interpolace.h"
#include "steam/NaplnTabulku.h"

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
