#include "VypocetKvs.h"

#include "CteniCisla.h"
#include "Interpolace.h"
#include "Zaokrouhleni.h"

#include <cmath>

namespace {

double TlakZTextu(std::string_view text)
{
    return CtiCislo(text).hodnota;
}

// Water and condensate. Grouping as written, not 10 * Prutok / sqrt(DeltaP):
// the bits of the result depend on it.
double KvsKapaliny(const Stav &s)
{
    return ZaokrouhliNaSetiny(std::sqrt(1000.0 / (*s.DeltaP / 1000.0)) * (*s.Prutok / 100.0));
}

} // namespace

void VypocetKvs(Stav &s, std::string_view textTPpary)
{
    s.Tlak = TlakZTextu(textTPpary);
    Interpolace(s);
    s.Objem1 = s.Objem;

    if (s.Medium1)
        s.Kvs = KvsKapaliny(s);

    if (s.Medium2) {
        const double polovinaTlaku = *s.Ppary / 2.0;
        if (*s.DeltaP <= polovinaTlaku) {
            // Subcritical: specific volume at the outlet pressure.
            s.Tlak = TlakZTextu(textTPpary) - *s.DeltaP;
            Interpolace(s);
            s.Objem2 = s.Objem;
            s.Objem12 = Hodnota::PrazdnyText();
            const double citatel = *s.Suchost * *s.Objem2;
            s.Kvs =
                ZaokrouhliNaSetiny(std::sqrt(citatel / (*s.DeltaP / 1000.0)) * (*s.Prutok / 100.0));
        } else {
            // Critical: half the inlet pressure takes the place of the drop.
            s.Tlak = TlakZTextu(textTPpary) / 2.0;
            Interpolace(s);
            s.Objem12 = s.Objem;
            s.Objem2 = Hodnota::PrazdnyText();
            const double citatel = *s.Suchost * (*s.Objem12 * 2.0);
            s.Kvs =
                ZaokrouhliNaSetiny(std::sqrt(citatel / (*s.Ppary / 1000.0)) * (*s.Prutok / 100.0));
        }
    }

    if (s.Medium3)
        s.Kvs = KvsKapaliny(s);
}
