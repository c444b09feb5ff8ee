// The number rules: reading a field's text, showing a value, two-decimal
// rounding. Runs under "C" and Czech C locales; results must not differ.

#include "PomocniciTestu.h"

#include "CteniCisla.h"
#include "TextCisla.h"
#include "Zaokrouhleni.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double MinSub = std::numeric_limits<double>::denorm_min();

// Deterministic, so a failing sample is the same on every run.
struct SplitMix64
{
    std::uint64_t stav;
    std::uint64_t operator()()
    {
        std::uint64_t z = (stav += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
};

// pred, n times c, then po. Built by appending: GCC 12 at -O3 warns falsely
// on "literal" + std::string.
std::string Cislice(const char *pred, std::size_t n, char c, const char *po = "")
{
    std::string t = pred;
    t.append(n, c);
    t += po;
    return t;
}

struct Cteni
{
    std::string nazev;
    std::string text;
    double hodnota;
    bool mimoRozsah = false;
};

struct Zobrazeni
{
    std::string nazev;
    Hodnota hodnota;
    const char *oddelovac;
    std::string text;
};

struct Zaokrouhleni
{
    std::string nazev;
    double vstup, vysledek;
};

} // namespace

TEST_CASE("CtiCislo reads a field's text")
{
    const std::string nuly99(99, '0');
    const Cteni radky[] = {
        {"plain integer", "100", 100},
        {"comma ends the number", "2,5", 2},
        {"letters end the number", "12abc", 12},
        {"exponent E", "1.5E3", 1500},
        {"empty text", "", 0},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"blank between digits", "1 2", 12},
        {"blank thousands", " 2 000 ", 2000},
        {"blanks tabs line feeds anywhere", " \t-1 2\n.5 e\t1\n", -125},
        {"plus sign", "+7.25", 7.25},
        {"minus sign", "-7.25", -7.25},
        {"two signs", "+-5", 0},
        {"exponent D", "1D3", 1000},
        {"exponent d negative", "1d-2", 0.01},
        {"exponent letter without digits", "1e", 1},
        {"exponent sign without digits", "1e+", 1},
        {"C hex prefix is not a prefix", "0x10", 0},
        {"hex upper", "&HFF", 255},
        {"hex lower", "&hff", 255},
        {"hex wide is never negative", "&HFFFF", 65535},
        {"hex without digits", "&H", 0},
        {"octal upper", "&O17", 15},
        {"octal lower stops at 8", "&o8", 0},
        {"octal stops at 8 after digits", "&O178", 15},
        {"sign before ampersand", "-&H1", 0},
        {"sign after ampersand", "&H-1", 0},
        {"hex 100 digits", Cislice("&H1", 99, '0'), std::ldexp(1.0, 396)},
        {"hex 100 F digits round up", Cislice("&H", 100, 'F'), std::ldexp(1.0, 400)},
        {"hex tie rounds to even", Cislice("&H20000000000001", 86, '0'), std::ldexp(1.0, 397)},
        {"hex just above tie rounds up", Cislice("&H20000000000001", 85, '0', "1"),
         std::ldexp(9007199254740994.0, 344)},
        {"hex 300 leading zeros", Cislice("&H", 300, '0', "1"), 1},
        {"hex 300 digits", Cislice("&H1", 299, '0'), 0, true},
        {"octal 100 digits", Cislice("&O1", 99, '0'), std::ldexp(1.0, 297)},
        {"octal 400 digits", Cislice("&O1", 399, '0'), 0, true},
        {"overflow", "1e999", 0, true},
        {"negative overflow", "-1e999", 0, true},
        {"overflow by integer digits", "10e308", 0, true},
        {"fraction digits keep it in range", "0.1e309", 1e308},
        {"exponent of 20 digits", "1e99999999999999999999", 0, true},
        {"largest double", "1.7976931348623157e308", DBL_MAX},
        {"rounds down to largest double", "1.7976931348623158e308", DBL_MAX},
        {"past the largest double", "1.7976931348623159e308", 0, true},
        {"underflow is zero", "1e-999", 0},
        {"negative underflow is minus zero", "-1e-999", -0.0},
        {"below half the smallest subnormal", "2e-324", 0},
        {"smallest subnormal", "4.9406564584124654e-324", MinSub},
        {"subnormal 1e-320", "1e-320", 1e-320},
        {"330 zeros after point", Cislice("0.", 330, '0', "1e330"), 0.1},
        {"400 digits beyond range", Cislice("1", 399, '0'), 0, true},
        {"400 digits 1e300", Cislice("1", 300, '0', ".") + nuly99, 1e300},
        {"nan", "nan", 0},
        {"inf", "inf", 0},
        {"letters", "abc", 0},
        {"exact 0.1", "0.1", 0.1},
        {"exact 4.31", "4.31", 4.31},
    };

    for (const Cteni &r : radky) {
        INFO("row: ", r.nazev);
        const PrectenoCislo p = CtiCislo(r.text);
        CHECK_MESSAGE(p.mimoRozsah == r.mimoRozsah,
                      (r.mimoRozsah ? "expected out of range" : "out of range"));
        // Out of range also promises a zero value.
        CHECK_MESSAGE(p.hodnota == r.hodnota, "got ", TextBitu(p.hodnota));
        if (std::signbit(r.hodnota))
            CHECK_MESSAGE(std::signbit(p.hodnota), "sign of zero lost");
    }
}

TEST_CASE("TextCisla shows a value")
{
    const Zobrazeni radky[] = {
        {"whole number", 2000.0, ",", "2000"},
        {"steam flow", 144.0, ",", "144"},
        {"two decimals comma", 4.31, ",", "4,31"},
        {"two decimals point", 4.31, ".", "4.31"},
        {"0.1 + 0.2 shows 0,3", 0.1 + 0.2, ",", "0,3"},
        {"last-bit noise hidden", std::nextafter(4.31, Inf), ",", "4,31"},
        {"minus zero", -0.0, ",", "0"},
        {"rounded to 15 digits", 2.0 / 3.0, ",", "0,666666666666667"},
        {"largest positional", 999999999999999.0, ",", "999999999999999"},
        {"rounds up into exponent form", 999999999999999.875, ",", "1E+15"},
        {"1e15", 1e15, ",", "1E+15"},
        {"1e20", 1e20, ".", "1E+20"},
        {"15 digits in exponent form", 1.0 / 3.0 * 1e20, ",", "3,33333333333333E+19"},
        {"smallest positional", 0.0001, ",", "0,0001"},
        {"just below 1e-4 rounds to positional", std::nextafter(0.0001, 0.0), ",", "0,0001"},
        {"1e-5", 1e-5, ",", "1E-05"},
        {"negative exponent form", -2.5e-7, ",", "-2,5E-07"},
        {"three-digit exponent", 1e-300, ",", "1E-300"},
        {"largest double rounded down", DBL_MAX, ",", "1,79769313486231E+308"},
        {"most negative double", -DBL_MAX, ".", "-1.79769313486231E+308"},
        {"smallest subnormal", MinSub, ".", "4.94065645841247E-324"},
        {"empty", Hodnota(), ",", ""},
        {"empty text", Hodnota::PrazdnyText(), ",", ""},
        {"infinity", Inf, ",", ""},
        {"nan", NaN, ",", ""},
        {"multi-byte separator", 4.31, "\u066B", "4\u066B31"},
        {"multi-byte separator exponent form", -2.5e-7, "\u00B7", "-2\u00B75E-07"},
        {"multi-byte separator unused", 2000.0, "\u066B", "2000"},
    };

    for (const Zobrazeni &r : radky) {
        INFO("row: ", r.nazev);
        CHECK(TextCisla(r.hodnota, r.oddelovac) == r.text);
    }
}

// Every finite double shown with a point reads back in range and within the
// 15 digits shown; reading and showing again gives the same text.
TEST_CASE("shown values read back")
{
    std::vector<double> hodnoty = {
        DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN, std::nextafter(DBL_MIN, 0.0),
        MinSub,  1e15,     999999999999999.875,          0.0001,  std::nextafter(0.0001, 0.0),
        1e-5,    0.1 + 0.2};
    SplitMix64 nahoda{20240601};
    while (hodnoty.size() < 200000) {
        const double x = CisloZBitu(nahoda());
        if (std::isfinite(x))
            hodnoty.push_back(x);
    }

    for (const double x : hodnoty) {
        const std::string text = TextCisla(x, ".");
        const PrectenoCislo p = CtiCislo(text);
        INFO(TextBitu(x), " shown ", text, " read ", TextBitu(p.hodnota));
        REQUIRE(!p.mimoRozsah);
        // Half a unit in the 15th digit, plus the rounding of the read-back
        // (2^-53 relative, or half the subnormal spacing). x - y is exact.
        const double chyba = std::fabs(p.hodnota - x);
        REQUIRE(chyba <= 5.12e-15 * std::fabs(x) + MinSub);
        if (std::fabs(x) >= DBL_MIN)
            REQUIRE(TextCisla(p.hodnota, ".") == text);
        std::string carka = TextCisla(x, ",");
        std::replace(carka.begin(), carka.end(), ',', '.');
        REQUIRE(carka == text);
    }
}

// A value with at most 15 significant digits comes back bit for bit.
TEST_CASE("15 significant digits come back exactly")
{
    SplitMix64 nahoda{7};
    for (int k = 0; k < 100000; ++k) {
        std::uint64_t mez = 10; // 10^(1..15)
        for (auto j = nahoda() % 15; j > 0; --j)
            mez *= 10;
        const std::uint64_t mantisa = 1 + nahoda() % (mez - 1);
        // Keeps m * 10^e within the normal range: [1e-307, 1e308).
        const int exponent = -307 + static_cast<int>(nahoda() % 601);
        const auto m = static_cast<long long>(mantisa);
        std::string zapis = std::to_string((nahoda() & 1) ? -m : m);
        zapis += 'e';
        zapis += std::to_string(exponent);
        const double x = CtiStrtod(zapis.c_str(), nullptr);

        const PrectenoCislo primo = CtiCislo(zapis);
        REQUIRE_MESSAGE((primo.hodnota == x && !primo.mimoRozsah), zapis, " read ",
                        TextBitu(primo.hodnota));
        const std::string text = TextCisla(x, ".");
        const PrectenoCislo zpet = CtiCislo(text);
        REQUIRE_MESSAGE(zpet.hodnota == x, zapis, " shown ", text, " read ",
                        TextBitu(zpet.hodnota));
    }
}

TEST_CASE("ZaokrouhliNaSetiny rounds to two decimals")
{
    const Zaokrouhleni radky[] = {
        {"half to even rounds down", 0.125, 0.12},
        {"half to even rounds up", 0.375, 0.38},
        {"negative half rounds down in magnitude", -0.125, -0.12},
        {"negative half rounds up in magnitude", -0.375, -0.38},
        {"scaled half 1.5", 0.015, 0.02},
        {"2.675 scales to exactly 267.5", 2.675, 2.68},
        {"1.005 scales below the half", 1.005, 1.0},
        {"water flow 360/83.6", (3.6 * 100.0) / (20.0 * 4.18), 4.31},
        {"already two decimals", 4.31, 4.31},
        {"tiny positive to zero", 0.004, 0.0},
        {"just below 2^52", 4503599627370495.5, 4503599627370495.5},
        {"2^52 unchanged", 4503599627370496.0, 4503599627370496.0},
        {"2^52 + 1 unchanged", 4503599627370497.0, 4503599627370497.0},
        {"largest double unchanged", DBL_MAX, DBL_MAX},
        {"infinity unchanged", Inf, Inf},
        {"nan passes through", NaN, NaN},
    };

    for (const Zaokrouhleni &r : radky) {
        INFO("row: ", r.nazev);
        const double z = ZaokrouhliNaSetiny(r.vstup);
        CHECK_MESSAGE((z == r.vysledek || (std::isnan(z) && std::isnan(r.vysledek))), "got ",
                      TextBitu(z));
    }
}
