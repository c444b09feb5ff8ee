// The saturated-steam table and the lookup between its rows.

#include "Interpolace.h"
#include "NaplnTabulku.h"
#include "PomocniciTestu.h"

#include <doctest/doctest.h>

#include <iterator>
#include <string>

namespace {

// The design's table, typed here apart from the program's: row k is
// {pressure in kPa, specific volume in m3/kg}.
constexpr double Tabulka[48][2] = {
    {100, 1.694},   {120, 1.428},  {140, 1.236},  {160, 1.091},  {180, 0.9771}, {200, 0.8853},
    {220, 0.8097},  {240, 0.7464}, {260, 0.6925}, {280, 0.646},  {300, 0.6056}, {320, 0.57},
    {340, 0.5385},  {360, 0.5104}, {380, 0.4851}, {400, 0.4623}, {420, 0.4416}, {440, 0.4227},
    {460, 0.4053},  {480, 0.3894}, {500, 0.3747}, {550, 0.3425}, {600, 0.3155}, {650, 0.2929},
    {700, 0.2727},  {750, 0.2555}, {800, 0.2403}, {850, 0.2288}, {900, 0.2148}, {950, 0.204},
    {1000, 0.1943}, {1050, 0.185}, {1100, 0.177}, {1150, 0.171}, {1200, 0.163}, {1250, 0.157},
    {1300, 0.151},  {1350, 0.148}, {1400, 0.141}, {1450, 0.136}, {1500, 0.132}, {1550, 0.128},
    {1600, 0.124},  {1650, 0.119}, {1700, 0.117}, {1800, 0.11},  {1900, 0.105}, {2000, 0.1},
};

struct Vyhledani
{
    std::string nazev;
    double tlak, objem;
};

} // namespace

// Every row as designed; a "corrected" volume in any row shows here. At
// every row pressure the lookup gives that row's volume bit for bit, though
// all but the first are reached at the top end of the segment below.
// Filling again changes nothing.
TEST_CASE("the table holds the design's rows")
{
    TabulkaSytePary t;
    NaplnTabulku(t);
    REQUIRE(t.radky.size() == std::size(Tabulka));
    for (std::size_t k = 0; k < t.radky.size(); ++k) {
        const auto &r = t.radky[k];
        INFO("row ", k, " holds ", TextBitu(r.tlak), ", ", TextBitu(r.objem), " and looks up ",
             TextBitu(ObjemPri(r.tlak)));
        CHECK((r.tlak == Tabulka[k][0] && r.objem == Tabulka[k][1]));
        CHECK(ObjemPri(r.tlak) == r.objem);
    }
    TabulkaSytePary znovu = t;
    NaplnTabulku(znovu);
    CHECK((znovu == t));
}

// Between rows i and i+1 the volume is v(i) - ((P - p(i)) * ((v(i) - v(i+1)) /
// (p(i+1) - p(i)))), one operation at a time in that order. The expected
// volumes were computed once outside the program, in Python with exact
// fractions, each operation rounded to the nearest double (ties to even), and
// are written in their shortest form that reads back to the same double.
TEST_CASE("the lookup between rows")
{
    const Vyhledani radky[] = {
        {"first row exact", 100, 1.694},
        // Here (dx * dv) / dp would give 1.63681 and 1.1432.
        {"104.3 in the defined operation order", 104.3, 1.6368099999999999},
        {"152.8 in the defined operation order", 152.8, 1.1431999999999998},
        {"110 halfway in first segment", 110, 1.561},
        {"120 exact", 120, 1.428},
        {"150 mid segment", 150, 1.1635},
        {"1000 exact", 1000, 0.1943},
        {"1025 in a 50 kPa segment", 1025, 0.18964999999999999},
        {"1575", 1575, 0.126},
        {"1750 in a 100 kPa segment", 1750, 0.1135},
        {"1950 in the last segment", 1950, 0.10250000000000001},
        {"last row exact", 2000, 0.1},
        {"50 continues the first segment", 50, 2.359},
        {"0 continues the first segment", 0, 3.024},
        {"-100 continues the first segment", -100, 4.354},
        {"2100 continues the last segment", 2100, 0.09500000000000001},
        {"1e6 continues the last segment", 1e6, -49.79999999999991},
        // A row's pressure belongs to the segment ending there; just above it
        // the next segment's line takes over (the slopes differ, so do the
        // results).
        {"500 ends the 20 kPa segments", 500, 0.3747},
        {"500.5 uses the 50 kPa segment", 500.5, 0.374378},
        {"1700.5 uses the 100 kPa segment", 1700.5, 0.11696500000000001},
        {"120.5 uses the second segment", 120.5, 1.4232},
    };

    for (const Vyhledani &r : radky) {
        INFO("row: ", r.nazev);
        const double v = ObjemPri(r.tlak);
        CHECK_MESSAGE(v == r.objem, "got ", TextBitu(v), ", expected ", TextBitu(r.objem));
    }
}

// Interpolace writes Objem and nothing else, and gives the same twice.
TEST_CASE("Interpolace writes Objem only")
{
    Stav s = NaplnenyStav();
    s.Tlak = 333.0;
    s.Objem1 = 7.0;
    Interpolace(s);
    const Hodnota prvni = s.Objem;
    CHECK((s.Tlak == Hodnota(333.0)));
    CHECK((s.Objem1 == Hodnota(7.0)));
    // Computed as the lookup's expected volumes are.
    CHECK((prvni == Hodnota(0.5495249999999999)));
    Interpolace(s);
    CHECK((s.Objem == prvni));
}
