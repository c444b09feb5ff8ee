// The valve coefficient and the steam volumes it looks up.

#include "Interpolace.h"
#include "NaplnTabulku.h"
#include "PomocniciTestu.h"
#include "VypocetKvs.h"

#include <doctest/doctest.h>

#include <string>

namespace {

// Marks left in Objem2 / Objem12 before the call: water and condensate must
// leave them, steam must overwrite both.
const Hodnota Znacka2 = 7.5;
const Hodnota Znacka12 = 8.5;

std::string Popis(const Hodnota &h)
{
    if (h.druh() == Hodnota::Druh::Prazdna)
        return "empty";
    if (h.druh() == Hodnota::Druh::PrazdnyText)
        return "empty text";
    return fmt::format("{}", *h);
}

// One call: the inputs, then Kvs and the three volumes expected.
struct Pripad
{
    std::string nazev;
    int medium; // 1 water, 2 steam, 3 condensate
    const char *textTPpary;
    double ppary, deltaP, suchost, prutok, kvs;
    Hodnota objem1, objem2, objem12;
};

} // namespace

// Volumes between table rows were computed once outside the program, as
// tst_para's expected volumes are.
TEST_CASE("VypocetKvs")
{
    const Hodnota nic = Hodnota::PrazdnyText();
    const Pripad radky[] = {
        {"water 4.31 at 100 kPa", 1, "160", 160, 100, 1, 4.31, 4.31, 1.091, Znacka2, Znacka12},
        {"water 2 at 25 kPa", 1, "400", 400, 25, 1, 2, 4, 0.4623, Znacka2, Znacka12},
        {"condensate 0.14 at 100 kPa", 3, "300", 300, 100, 1, 0.14, 0.14, 0.6056, Znacka2,
         Znacka12},
        {"condensate ignores dryness", 3, "160", 160, 25, 0.5, 2, 4, 1.091, Znacka2, Znacka12},
        // Results on a rounding half, where any regrouping of a formula shows:
        // Prutok * sqrt(...) / 100 gives 0.42, 10 * Prutok / sqrt(DeltaP) 0.58,
        // sqrt(1e6 / DeltaP) * (Prutok / 100) 0.12.
        {"water 0.17 at 16 kPa", 1, "160", 160, 16, 1, 0.17, 0.43, 1.091, Znacka2, Znacka12},
        {"water 0.23 at 16 kPa", 1, "160", 160, 16, 1, 0.23, 0.57, 1.091, Znacka2, Znacka12},
        {"water 0.15 at 144 kPa", 1, "160", 160, 144, 1, 0.15, 0.13, 1.091, Znacka2, Znacka12},
        // Steam: dividing by 100 last gives 1.26, taking 1000 / DeltaP first 0.1.
        // 1.5078 is the volume at 114 kPa, 0.38205 at 490 kPa.
        {"steam subcritical 11.5 kg/h at 114/14", 2, "114", 114, 14, 1, 11.5, 1.27, 1.5078, 1.694,
         nic},
        {"steam subcritical 5 kg/h at 490/110", 2, "490", 490, 110, 1, 5, 0.11, 0.38205, 0.4851,
         nic},
        // A drop of exactly half the inlet pressure is still subcritical.
        {"steam subcritical at 200/100", 2, "200", 200, 100, 1, 144, 5.93, 0.8853, 1.694, nic},
        {"steam critical at 200/101", 2, "200", 200, 101, 1, 144, 5.93, 0.8853, nic, 1.694},
        {"steam subcritical at 400/100", 2, "400", 400, 100, 1, 144, 3.54, 0.4623, 0.6056, nic},
        {"wet steam 0.9 at 400/100", 2, "400", 400, 100, 0.9, 144, 3.36, 0.4623, 0.6056, nic},
        // Lookups read the field's text (250), the branch test Ppary (250.5):
        // 125.2 <= 250.5 / 2 is subcritical, though 125.2 > 250 / 2. The
        // volumes are those at 250 kPa and at 250 - 125.2 = 124.8 kPa.
        {"steam text 250 Ppary 250.5 drop 125.2 subcritical", 2, "250", 250.5, 125.2, 1, 1000,
         33.22, 0.7194499999999999, 1.38192, nic},
        // Critical: looked up at half the text (125 kPa, 1.38), the formula
        // takes Ppary (33.23 would mean 250).
        {"steam text 250 Ppary 250.5 drop 126 critical", 2, "250", 250.5, 126, 1, 1000, 33.19,
         0.7194499999999999, nic, 1.38},
    };

    for (const Pripad &p : radky) {
        INFO("row: ", p.nazev);
        Stav s = NaplnenyStav();
        NastavRezim(s, p.medium, 1);
        s.Ppary = p.ppary;
        s.DeltaP = p.deltaP;
        s.Suchost = p.suchost;
        s.Prutok = p.prutok;
        s.Objem2 = Znacka2;
        s.Objem12 = Znacka12;

        VypocetKvs(s, p.textTPpary);

        CHECK_MESSAGE((s.Kvs == Hodnota(p.kvs)), "Kvs ", Popis(s.Kvs));
        CHECK_MESSAGE((s.Objem1 == p.objem1), "Objem1 ", Popis(s.Objem1));
        CHECK_MESSAGE((s.Objem2 == p.objem2), "Objem2 ", Popis(s.Objem2));
        CHECK_MESSAGE((s.Objem12 == p.objem12), "Objem12 ", Popis(s.Objem12));
        // Inputs are read, never written.
        CHECK((s.Ppary == Hodnota(p.ppary) && s.DeltaP == Hodnota(p.deltaP)));
        CHECK((s.Suchost == Hodnota(p.suchost) && s.Prutok == Hodnota(p.prutok)));
    }
}
