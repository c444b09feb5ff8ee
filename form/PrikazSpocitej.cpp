#include "PrikazSpocitej.h"

#include "CteniCisla.h"
#include "TextCisla.h"
#include "VypocetKvs.h"
#include "Zaokrouhleni.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {

bool JeKonecna(const Hodnota &h)
{
    return !h.jeCislo() || std::isfinite(*h);
}

// Flow through the valve, for the method and medium of the flags.
void SpocitejPrutok(Stav &s)
{
    if (s.Zpusob1) {
        if (s.Medium1) // water, m3/h
            s.Prutok = ZaokrouhliNaSetiny((3.6 * *s.Vykon) / (*s.DeltaT * 4.18));
        if (s.Medium2) // steam, kg/h: 2500 kJ/kg condensation heat
            s.Prutok = ZaokrouhliNaSetiny(((*s.Vykon / 2500.0) * 3600.0) / *s.Suchost);
        if (s.Medium3) // condensate, m3/h
            s.Prutok = ZaokrouhliNaSetiny(((*s.Vykon / 2500.0) * 3.6) / *s.Suchost);
    }
    if (s.Zpusob2)
        s.Prutok = s.Zprutok;
}

} // namespace

ZapisDoOkna Spocitej(Stav &s, const TextyVstupu &texty, std::string_view oddelovac)
{
    ZapisDoOkna zapis;

    std::array<PrectenoCislo, std::size(Vstupy)> prectena;
    for (std::size_t k = 0; k < prectena.size(); ++k)
        prectena[k] = CtiCislo(texty.*Vstupy[k].text);
    for (const PrectenoCislo &p : prectena)
        if (p.mimoRozsah) {
            zapis.THlaska = HlaskaMimoRozsah;
            return zapis;
        }
    for (std::size_t k = 0; k < prectena.size(); ++k)
        s.*Vstupy[k].hodnota = prectena[k].hodnota;

    if (*s.Suchost > 1.0) {
        s.Suchost = 1.0;
        zapis.TSuchost = TextCisla(1.0, "."); // "1"
    }

    // Pressure corrections, tested in this order; each one that applies is
    // shown in the field at once.
    std::string textTPpary = texty.TPpary;
    const auto opravTlak = [&](double tlak) {
        textTPpary = TextCisla(tlak, ".");
        s.Ppary = CtiCislo(textTPpary).hodnota;
        zapis.TPpary = textTPpary;
    };
    if (*s.Ppary < *s.DeltaP)
        opravTlak(*s.DeltaP + 100.0);
    if (*s.Ppary > 2000.0)
        opravTlak(2000.0);
    if (*s.Ppary < 100.0)
        opravTlak(100.0);

    // Every checked input must be greater than 0, used or not; NaN cannot
    // come from a text, but !(x > 0) would refuse it too.
    for (const Vstup &v : Vstupy)
        if (v.kladny && !(*(s.*v.hodnota) > 0.0)) {
            zapis.THlaska = HlaskaZadejCislo;
            return zapis;
        }

    // Results go to a copy first, so a calculation that overflows changes none.
    Stav novy = s;
    SpocitejPrutok(novy);
    VypocetKvs(novy, textTPpary);
    for (const Hodnota *h : {&novy.Prutok, &novy.Objem1, &novy.Objem2, &novy.Objem12, &novy.Kvs})
        if (!JeKonecna(*h)) {
            zapis.THlaska = HlaskaMimoRozsah;
            return zapis;
        }
    s = novy;

    zapis.TPrutok = TextCisla(s.Prutok, oddelovac);
    zapis.TObjem1 = TextCisla(s.Objem1, oddelovac);
    zapis.TObjem12 = TextCisla(s.Objem12, oddelovac);
    zapis.TObjem2 = TextCisla(s.Objem2, oddelovac);
    zapis.Tkvs = TextCisla(s.Kvs, oddelovac);
    zapis.THlaska.clear();
    return zapis;
}
