#include "Interpolace.h"

void Interpolace(Stav &s)
{
    const auto &r = s.TabulkaPary.radky;
    const double P = *s.Tlak;

    // The first segment whose upper pressure is at least P; a pressure equal
    // to a row's belongs to the segment ending there. Beyond the last row the
    // last segment is used.
    std::size_t i = 0;
    while (i + 2 < TabulkaSytePary::PocetRadku && !(P <= r[i + 1].tlak))
        ++i;

    // One IEEE operation at a time, in this order: dx = 0 at p(i) and
    // dx = dp at p(i+1) give v(i) and v(i+1) exactly.
    const double dv = r[i].objem - r[i + 1].objem;
    const double dp = r[i + 1].tlak - r[i].tlak;
    const double sklon = dv / dp;
    const double dx = P - r[i].tlak;
    const double c = dx * sklon;
    s.Objem = r[i].objem - c;
}
