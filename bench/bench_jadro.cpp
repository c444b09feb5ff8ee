// Per-call cost of the computation's hot spots, each next to a baseline
// measured in the same run. Prints timings only; never fails on time.
//
// Baselines: CtiCislo against std::from_chars and TextCisla against
// std::to_chars (shortest) on the same inputs. Interpolace and VypocetKvs
// against the bare Kvs arithmetic, sqrt(1000 / (DeltaP / 1000)) *
// (Prutok / 100), on the same inputs: that is the closed form a Kvs reduces to,
// so the ratio is what the table lookups, re-reading the pressure text and
// the rounding add on top of it.

#include "CteniCisla.h"
#include "Interpolace.h"
#include "NaplnTabulku.h"
#include "TextCisla.h"
#include "VypocetKvs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

volatile double Sink = 0.0;

constexpr int Opakovani = 7;
constexpr std::chrono::duration<double, std::milli> DelkaKola(25.0);

// Median ns per call of kolo(n), which makes n passes of volaniNaPruchod
// calls each and returns a value depending on every call.
template <class Kolo> double NsNaVolani(Kolo kolo, std::size_t volaniNaPruchod)
{
    using Hodiny = std::chrono::steady_clock;
    // Grow n until a round is long enough to time, then scale it to the target.
    long n = 1;
    for (;;) {
        const auto t0 = Hodiny::now();
        Sink = kolo(n);
        const auto dt = Hodiny::now() - t0;
        if (dt >= std::chrono::milliseconds(2)) {
            n = std::max(n, static_cast<long>(static_cast<double>(n) * (DelkaKola / dt)));
            break;
        }
        n *= 2;
    }
    std::vector<double> casy;
    for (int r = 0; r < Opakovani; ++r) {
        const auto t0 = Hodiny::now();
        Sink = kolo(n);
        const std::chrono::duration<double, std::nano> dt = Hodiny::now() - t0;
        casy.push_back(dt.count() /
                       (static_cast<double>(n) * static_cast<double>(volaniNaPruchod)));
    }
    std::nth_element(casy.begin(), casy.begin() + Opakovani / 2, casy.end());
    return casy[Opakovani / 2];
}

void Radek(const char *nazev, double ns, const char *zaklad, double nsZaklad)
{
    std::printf("%-24s %8.1f ns   %-22s %8.1f ns   ratio %6.2f\n", nazev, ns, zaklad, nsZaklad,
                ns / nsZaklad);
}

} // namespace

int main()
{
    // Texts as typed into the fields.
    constexpr std::array<std::string_view, 8> Texty = {"100",  "150.5", "1.5E3", " 2 000 ",
                                                       "0.95", "2.345", "160",   "4,31"};
    // Values the program shows.
    constexpr std::array<double, 8> Hodnoty = {4.31,  144.0, 1.091, 0.6056,
                                               2.345, 1e20,  7.13,  0.1943};

    const double ctiCislo = NsNaVolani(
        [&](long n) {
            double s = 0.0;
            for (long k = 0; k < n; ++k)
                for (std::string_view t : Texty)
                    s += CtiCislo(t).hodnota;
            return s;
        },
        Texty.size());
    const double fromChars = NsNaVolani(
        [&](long n) {
            double s = 0.0;
            for (long k = 0; k < n; ++k)
                for (std::string_view t : Texty) {
                    double x = 0.0;
                    std::from_chars(t.data(), t.data() + t.size(), x);
                    s += x;
                }
            return s;
        },
        Texty.size());

    const double textCisla = NsNaVolani(
        [&](long n) {
            double s = 0.0;
            for (long k = 0; k < n; ++k)
                for (double x : Hodnoty)
                    s += static_cast<double>(TextCisla(x, ",").size());
            return s;
        },
        Hodnoty.size());
    const double toChars = NsNaVolani(
        [&](long n) {
            double s = 0.0;
            char buf[32];
            for (long k = 0; k < n; ++k)
                for (double x : Hodnoty)
                    s += static_cast<double>(std::to_chars(buf, buf + sizeof buf, x).ptr - buf);
            return s;
        },
        Hodnoty.size());

    Stav stav;
    NaplnTabulku(stav.TabulkaPary);
    constexpr std::array<double, 8> Tlaky = {100, 110, 160, 250.5, 300, 1025, 1575, 2000};
    const double interpolace = NsNaVolani(
        [&](long n) {
            double s = 0.0;
            for (long k = 0; k < n; ++k)
                for (double p : Tlaky) {
                    stav.Tlak = p;
                    Interpolace(stav);
                    s += *stav.Objem;
                }
            return s;
        },
        Tlaky.size());

    // Steam: subcritical at 400/100 kPa, 144 kg/h; water: 100 kPa, 4.31 m3/h.
    struct Pripad
    {
        bool para;
        std::string_view textTPpary;
        double deltaP, prutok;
    };
    constexpr std::array<Pripad, 2> Pripady = {Pripad{true, "400", 100.0, 144.0},
                                               Pripad{false, "160", 100.0, 4.31}};
    std::array<double, 2> vypocetKvs{};
    for (std::size_t i = 0; i < Pripady.size(); ++i) {
        const Pripad &p = Pripady[i];
        Stav s = stav;
        s.Medium1 = !p.para;
        s.Medium2 = p.para;
        s.Ppary = CtiCislo(p.textTPpary).hodnota;
        s.DeltaP = p.deltaP;
        s.Suchost = 1.0;
        s.Prutok = p.prutok;
        vypocetKvs[i] = NsNaVolani(
            [&](long n) {
                double a = 0.0;
                for (long k = 0; k < n; ++k) {
                    VypocetKvs(s, p.textTPpary);
                    a += *s.Kvs;
                }
                return a;
            },
            1);
    }
    // Inputs read through a volatile so the loop cannot fold the arithmetic.
    volatile double deltaP = 100.0, prutok = 4.31;
    const double aritmetika = NsNaVolani(
        [&](long n) {
            double a = 0.0;
            for (long k = 0; k < n; ++k)
                a += std::sqrt(1000.0 / (deltaP / 1000.0)) * (prutok / 100.0);
            return a;
        },
        1);

    std::printf("median of %d repetitions of about %.0f ms each\n", Opakovani, DelkaKola.count());
    Radek("CtiCislo", ctiCislo, "std::from_chars", fromChars);
    Radek("TextCisla(x, \",\")", textCisla, "std::to_chars shortest", toChars);
    Radek("Interpolace", interpolace, "sqrt + divide", aritmetika);
    Radek("VypocetKvs steam", vypocetKvs[0], "sqrt + divide", aritmetika);
    Radek("VypocetKvs water", vypocetKvs[1], "sqrt + divide", aritmetika);
    return 0;
}
