// The compute command: texts in, state and texts out. Runs under "C" and
// Czech C locales; the separator comes from the caller only.

#include "LogikaOkna.h"
#include "PomocniciTestu.h"
#include "PrikazSpocitej.h"

#include <doctest/doctest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Seznam = std::vector<std::string>;

// The input fields in the order of the window's bindings.
enum Pole { Vykon, DeltaP, DeltaT, Ppary, Zprutok, Suchost };
static_assert(Ovladace[VazbyVstupu[Vykon].pole].jmeno == "TVykon" &&
              Ovladace[VazbyVstupu[DeltaP].pole].jmeno == "TDeltaP" &&
              Ovladace[VazbyVstupu[DeltaT].pole].jmeno == "TDeltaT" &&
              Ovladace[VazbyVstupu[Ppary].pole].jmeno == "TPpary" &&
              Ovladace[VazbyVstupu[Zprutok].pole].jmeno == "TZprutok" &&
              Ovladace[VazbyVstupu[Suchost].pole].jmeno == "TSuchost");

// The field texts at start-up.
const Seznam Start = {"100", "100", "20", "160", "2", "1"};

// Marks a field or caption that is not rewritten.
const std::string N = "-";
const std::string ZadejCislo(HlaskaZadejCislo);
const std::string MimoRozsah(HlaskaMimoRozsah);

using Zmeny = std::vector<std::pair<Pole, std::string>>;

Seznam Zmena(const Zmeny &zmeny)
{
    Seznam texty = Start;
    for (const auto &[pole, text] : zmeny)
        texty[pole] = text;
    return texty;
}

// The command's inputs from the field texts, as the window binds them.
TextyVstupu Texty(const Seznam &t)
{
    TextyVstupu texty;
    for (std::size_t k = 0; k < VazbyVstupu.size(); ++k)
        texty.*VazbyVstupu[k].text = t[k];
    return texty;
}

Stav NovyStav(int medium, int zpusob)
{
    Stav s = NaplnenyStav();
    NastavRezim(s, medium, zpusob);
    return s;
}

// Everything the window writes, in the order it writes it.
Seznam Vystup(const ZapisDoOkna &z)
{
    Seznam v;
    for (const VazbaVystupu &b : VazbyVystupu)
        v.push_back(z.*b.text ? *(z.*b.text) : N);
    v.push_back(z.THlaska);
    return v;
}

// The texts quoted in one line, as failures show them; equal lines mean equal
// texts.
std::string Zapis(const Seznam &t)
{
    std::string r = "{";
    for (const std::string &text : t) {
        r += r.size() > 1 ? ", \"" : "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\')
                r += '\\';
            r += c;
        }
        r += '"';
    }
    return r + "}";
}

// Names of the first `pocet` values that differ, empty when none does.
std::string Rozdily(const Stav &a, const Stav &b, std::size_t pocet)
{
    std::string r;
    for (std::size_t k = 0; k < pocet; ++k)
        if (!(a.*HodnotyStavu[k].second == b.*HodnotyStavu[k].second))
            r += std::string(HodnotyStavu[k].first) + " changed ";
    return r;
}

struct Vypocet
{
    std::string nazev;
    int medium; // 1 water, 2 steam, 3 condensate
    int zpusob; // 1 flow from power, 2 flow typed in
    Zmeny zmeny;
    const char *oddelovac;
    Seznam vystup; // as Vystup() gives it
    double ppary = 160, suchost = 1;
};

struct Odmitnuti
{
    std::string nazev;
    int medium, zpusob;
    Seznam texty;
    Seznam vystup;
    std::size_t nezmeneno; // how many of HodnotyStavu[] must stay as they were
};

} // namespace

TEST_CASE("results")
{
    // clang-format off
    const Vypocet radky[] = {
        {"water at start", 1, 1, {}, ",", {N, N, "4,31", "1,091", "", "", "4,31", ""}},
        {"water at start with a point", 1, 1, {}, ".",
         {N, N, "4.31", "1.091", "", "", "4.31", ""}},
        {"condensate at start", 3, 1, {}, ",", {N, N, "0,14", "1,091", "", "", "0,14", ""}},
        {"steam at start is critical", 2, 1, {}, ",",
         {N, N, "144", "1,091", "1,96", "", "7,13", ""}},
        {"steam subcritical at 400/100", 2, 1, {{Ppary, "400"}}, ",",
         {N, N, "144", "0,4623", "", "0,6056", "3,54", ""}, 400},
        {"wet steam 0.95 not rewritten", 2, 1, {{Suchost, "0.95"}}, ",",
         {N, N, "151,58", "1,091", "1,96", "", "7,31", ""}, 160, 0.95},
        {"dryness 1.5 capped at 1", 2, 1, {{Suchost, "1.5"}}, ",",
         {"1", N, "144", "1,091", "1,96", "", "7,13", ""}},
        {"dryness capped for water too", 1, 1, {{Suchost, "1.5"}}, ",",
         {"1", N, "4,31", "1,091", "", "", "4,31", ""}},
        {"Ppary below the drop raised by 100", 1, 1, {{Ppary, "50"}, {DeltaP, "80"}}, ",",
         {N, "180", "4,31", "0,9771", "", "", "4,82", ""}, 180},
        {"Ppary equal to the drop kept", 1, 1, {{DeltaP, "160"}}, ",",
         {N, N, "4,31", "1,091", "", "", "3,41", ""}},
        {"Ppary above 2000 capped", 1, 1, {{Ppary, "2500"}}, ",",
         {N, "2000", "4,31", "0,1", "", "", "4,31", ""}, 2000},
        {"Ppary a hair above 2000 capped", 1, 1, {{Ppary, "2000.0000000001"}}, ",",
         {N, "2000", "4,31", "0,1", "", "", "4,31", ""}, 2000},
        {"Ppary 2000.0 kept as typed", 1, 1, {{Ppary, "2000.0"}}, ",",
         {N, N, "4,31", "0,1", "", "", "4,31", ""}, 2000},
        {"Ppary below 100 raised to 100", 1, 1, {{Ppary, "60"}, {DeltaP, "20"}}, ",",
         {N, "100", "4,31", "1,694", "", "", "9,64", ""}, 100},
        {"Ppary a hair below 100 raised to 100", 1, 1,
         {{Ppary, "99.9999999999"}, {DeltaP, "20"}}, ",",
         {N, "100", "4,31", "1,694", "", "", "9,64", ""}, 100},
        {"drop 1950 raises Ppary then caps it", 2, 1, {{Ppary, "100"}, {DeltaP, "1950"}}, ",",
         {N, "2000", "144", "0,1", "0,1943", "", "0,63", ""}, 2000},
        // The corrected pressure is written with a point whatever the
        // separator, so the lookups read 250.5 from it, not 250.
        {"drop 150.5 gives Ppary 250.5 with a point", 2, 1,
         {{Ppary, "100"}, {DeltaP, "150.5"}}, ",",
         {N, "250.5", "144", "0,7181025", "1,3776", "", "4,78", ""}, 250.5},
        {"drop 150.5 under a point separator", 2, 1, {{Ppary, "100"}, {DeltaP, "150.5"}}, ".",
         {N, "250.5", "144", "0.7181025", "1.3776", "", "4.78", ""}, 250.5},
        {"given flow shown unrounded", 1, 2, {{Zprutok, "2.345"}}, ",",
         {N, N, "2,345", "1,091", "", "", "2,35", ""}},
        {"given steam flow", 2, 2, {{Zprutok, "144"}, {Ppary, "400"}}, ",",
         {N, N, "144", "0,4623", "", "0,6056", "3,54", ""}, 400},
    };
    // clang-format on

    for (const Vypocet &v : radky) {
        INFO("row: ", v.nazev);
        Stav s = NovyStav(v.medium, v.zpusob);
        const Seznam vystup = Vystup(Spocitej(s, Texty(Zmena(v.zmeny)), v.oddelovac));
        CHECK(Zapis(vystup) == Zapis(v.vystup));
        CHECK_MESSAGE((s.Ppary == Hodnota(v.ppary)), "Ppary");
        CHECK_MESSAGE((s.Suchost == Hodnota(v.suchost)), "Suchost");
    }
}

// Refusals: every checked field must be > 0, whether the method and medium use
// it or not (corrections kept, no result changed); a text beyond the range of a
// double stops everything at once; finite inputs whose results overflow are
// refused after the corrections. A normal compute afterwards goes through.
TEST_CASE("refusals")
{
    std::vector<Odmitnuti> radky;
    const char *nazvy[] = {"Vykon", "DeltaP", "DeltaT", "Ppary", "Zprutok", "Suchost"};

    for (const Pole p : {Vykon, DeltaP, DeltaT, Zprutok, Suchost})
        for (const char *text : {"0", "-1", "", "-0", "abc", "1e-999"}) {
            Seznam texty = Zmena({{Ppary, "3000"}, {Suchost, "1.5"}});
            texty[p] = text;
            radky.push_back({std::string(nazvy[p]) + " " + (*text ? text : "empty"),
                             1,
                             1,
                             texty,
                             {p == Suchost ? N : "1", "2000", N, N, N, N, N, ZadejCislo},
                             PocetVysledku});
        }
    // Ppary and Suchost would be corrected if the command got that far.
    for (const Pole p : {Vykon, DeltaP, DeltaT, Ppary, Zprutok, Suchost}) {
        Seznam texty = Zmena({{Ppary, "50"}, {Suchost, "1.5"}});
        texty[p] = "1e999";
        radky.push_back({std::string(nazvy[p]) + " 1e999",
                         2,
                         1,
                         texty,
                         {N, N, N, N, N, N, N, MimoRozsah},
                         std::size(HodnotyStavu)});
    }
    const Seznam mimo = {N, N, N, N, N, N, N, MimoRozsah};
    radky.push_back(
        {"DeltaP -1e999", 2, 1, Zmena({{DeltaP, "-1e999"}}), mimo, std::size(HodnotyStavu)});
    radky.push_back({"Vykon 300 hex digits", 2, 1, Zmena({{Vykon, "&H" + std::string(300, 'F')}}),
                     mimo, std::size(HodnotyStavu)});

    const auto nekonecno = [](const std::string &suchost, const std::string &ppary) {
        return Seznam{suchost, ppary, N, N, N, N, N, MimoRozsah};
    };
    radky.push_back({"water power 1e308", 1, 1, Zmena({{Vykon, "1e308"}, {Suchost, "1.5"}}),
                     nekonecno("1", N), PocetVysledku});
    radky.push_back({"steam power 1e308 dryness 0.5", 2, 1,
                     Zmena({{Vykon, "1e308"}, {Suchost, "0.5"}, {Ppary, "3000"}}),
                     nekonecno(N, "2000"), PocetVysledku});
    radky.push_back(
        {"water DeltaT 1e-320", 1, 1, Zmena({{DeltaT, "1e-320"}}), nekonecno(N, N), PocetVysledku});
    radky.push_back({"water DeltaP 1e-320 Ppary 50", 1, 1,
                     Zmena({{DeltaP, "1e-320"}, {Ppary, "50"}}), nekonecno(N, "100"),
                     PocetVysledku});
    radky.push_back({"given flow 1e200 at DeltaP 1e-300", 1, 2,
                     Zmena({{Zprutok, "1e200"}, {DeltaP, "1e-300"}}), nekonecno(N, N),
                     PocetVysledku});

    for (const Odmitnuti &r : radky) {
        INFO("row: ", r.nazev);
        Stav s = NovyStav(r.medium, r.zpusob);
        Spocitej(s, Texty(Start), ",");
        const Stav pred = s;

        const Seznam vystup = Vystup(Spocitej(s, Texty(r.texty), ","));
        CHECK(Zapis(vystup) == Zapis(r.vystup));
        const std::string rozdily = Rozdily(s, pred, r.nezmeneno);
        CHECK_MESSAGE(rozdily.empty(), rozdily);
        if (r.nezmeneno == std::size(HodnotyStavu))
            CHECK((s == pred)); // the flags and the table too

        const ZapisDoOkna z = Spocitej(s, Texty(Start), ",");
        CHECK_MESSAGE((z.THlaska.empty() && z.Tkvs && !z.Tkvs->empty()), z.THlaska);
    }
}
