// Everything the compute command writes and the bits of every value of the
// state, one line per compute, for the corpus of fuzz_prikaz and a generated
// set of texts that stress reading and rounding. The Linux build writes the
// golden file; every build compares its own lines with it byte for byte, so
// a build for another system that reads, rounds or shows one number
// differently fails at the first line where it does.
//
//   vystupy_prikazu CORPUS --write FILE     writes the lines
//   vystupy_prikazu CORPUS --compare FILE   compares them, status 1 on a difference

#include "KrokyPrikazu.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int PocetGenerovanych = 3000;

// Integers only, so the same seed gives the same texts on every platform.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t semeno) : x_(semeno) {}

    std::uint64_t operator()()
    {
        std::uint64_t z = (x_ += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }
    // 0 to n - 1; the bias of the modulo does not matter here.
    std::size_t Pod(std::size_t n) { return static_cast<std::size_t>((*this)() % n); }
    // One chance in n.
    bool Sance(std::size_t n) { return Pod(n) == 0; }
    template <std::size_t N> std::string_view Vyber(const std::string_view (&moznosti)[N])
    {
        return moznosti[Pod(N)];
    }

private:
    std::uint64_t x_;
};

std::string Cislice(SplitMix64 &g, std::size_t pocet)
{
    std::string t;
    for (std::size_t k = 0; k < pocet; ++k)
        t += static_cast<char>('0' + g.Pod(10));
    return t;
}

// Texts at the edges of a double and of the reading rules.
constexpr std::string_view Krajni[] = {
    "0",
    "-0",
    "0.000",
    "",
    "abc",
    ".",
    "-",
    "+.e3",
    "1e",
    "1e+",
    "1D-",
    ".5",
    "5.",
    "2,5",
    "12abc",
    "1e309",
    "-1.8e308",
    "1.7976931348623157e308",
    "1.7976931348623158e308",
    "1.797693134862315807937e308",
    "4.9e-324",
    "2.4703282292062327e-324",
    "2.4703282292062328e-324",
    "1e-400",
    "-1e-400",
    "2.2250738585072011e-308",
    "2.2250738585072014E-308",
    "&H",
    "&O",
    "&H-1",
    "-&H1",
    "&HFFFFFFFFFFFFFFFF",
    "&o1777777777777777777777",
    "&H1FFFFFFFFFFFFF",
    "&H20000000000001",
    "&hfFfF",
    "999999999999999.5",
    "0.1e1",
    "1d2",
    "1D+2",
    "1E-2",
    "1 0 0",
    "\t2\n0\n",
    "1e0000000000000000000000002",
    "0e999999",
    "1e-999999",
    "1e999999",
};

// The pressures of the steam table's rows and the bounds of the corrections.
constexpr std::string_view Tlaky[] = {
    "100",  "120",  "140",  "160",  "180",  "200",  "220",  "240",  "260",  "280",  "300",  "320",
    "340",  "360",  "380",  "400",  "420",  "440",  "460",  "480",  "500",  "550",  "600",  "650",
    "700",  "750",  "800",  "850",  "900",  "950",  "1000", "1050", "1100", "1150", "1200", "1250",
    "1300", "1350", "1400", "1450", "1500", "1550", "1600", "1650", "1700", "1800", "1900", "2000",
};

// Every draw is a statement of its own: the order in which the operands
// of one expression are evaluated is not fixed, and the texts must not
// depend on the compiler.

// A pressure at or a hair beside a row of the table.
std::string UTlaku(SplitMix64 &g)
{
    const std::string t(g.Vyber(Tlaky));
    const std::size_t druh = g.Pod(5);
    if (druh == 0)
        return t;
    if (druh == 1) { // just above
        const std::size_t nuly = g.Pod(16);
        const auto posledni = static_cast<char>('1' + g.Pod(9));
        return t + "." + std::string(nuly, '0') + posledni;
    }
    if (druh == 2) { // just below
        int cele = 0;
        std::from_chars(t.data(), t.data() + t.size(), cele);
        return std::to_string(cele - 1) + "." + std::string(1 + g.Pod(16), '9');
    }
    if (druh == 3) // half way to the next row
        return t + ".5";
    return t + "." + Cislice(g, 1 + g.Pod(20));
}

// A whole number below horni and up to maxDesetin decimals.
std::string Desetinne(SplitMix64 &g, std::size_t dolni, std::size_t horni, std::size_t maxDesetin)
{
    const std::string cele = std::to_string(dolni + g.Pod(horni - dolni));
    return cele + "." + Cislice(g, g.Pod(maxDesetin + 1));
}

// A value a user could mean for the field at index pole of VazbyVstupu.
std::string Rozumne(SplitMix64 &g, std::size_t pole)
{
    switch (pole) {
    case 0: // Vykon, kW
        return Desetinne(g, 1, 5001, 3);
    case 1: // DeltaP, kPa
        return Desetinne(g, 1, 401, 2);
    case 2: // DeltaT, K
        return Desetinne(g, 1, 41, 2);
    case 3: // Ppary, kPa
        return UTlaku(g);
    case 4: // Zprutok
        return Desetinne(g, 0, 500, 3);
    default: // Suchost
        if (g.Sance(4))
            return "1." + Cislice(g, 1 + g.Pod(3));
        return "0.9" + Cislice(g, g.Pod(4));
    }
}

// The same value written another way the reading rules take, or near it.
std::string Prepis(SplitMix64 &g, std::string t)
{
    std::size_t tecka = t.find('.');
    if (tecka == std::string::npos) {
        tecka = t.size();
        t += '.';
    }
    const std::string cislice = t.substr(0, tecka) + t.substr(tecka + 1);
    static constexpr std::string_view pismena[] = {"E", "e", "D", "d", "E+", "e-0", "D0"};
    switch (g.Pod(9)) {
    case 0: // many more digits
        return t + Cislice(g, 10 + g.Pod(30));
    case 1: { // the point moved left, the exponent up
        const std::size_t posun = g.Pod(40);
        const std::string_view pismeno = g.Vyber(pismena);
        return "0." + std::string(posun, '0') + cislice + std::string(pismeno.substr(0, 1)) +
               std::to_string(tecka + posun);
    }
    case 2: { // the digits whole, the exponent down
        const std::string_view pismeno = g.Vyber(pismena);
        return cislice + std::string(pismeno.substr(0, 1)) + "-" +
               std::to_string(cislice.size() - tecka);
    }
    case 3: // blanks inside
        for (std::size_t k = 1 + g.Pod(3); k > 0; --k) {
            const std::size_t kde = g.Pod(t.size() + 1);
            t.insert(kde, 1, " \t\n"[g.Pod(3)]);
        }
        return t;
    case 4: // leading zeros
        return std::string(1 + g.Pod(500), '0') + t;
    case 5: // something after the number
        return t + std::string(g.Vyber(Krajni));
    case 6: // a half at the third decimal
        return t.substr(0, tecka) + "." + Cislice(g, 2) + "5";
    case 7: { // an exponent letter with a sign
        const std::string_view pismeno = g.Vyber(pismena);
        return t + std::string(pismeno) + std::to_string(g.Pod(3));
    }
    default:
        return t;
    }
}

// A text for the field at index pole of VazbyVstupu.
std::string Text(SplitMix64 &g, std::size_t pole)
{
    switch (g.Pod(12)) {
    case 0:
        return std::string(g.Vyber(Krajni));
    case 1:
        return "-" + Rozumne(g, pole);
    case 2: { // hexadecimal or octal, at times beyond a double
        const bool hex = g.Sance(2);
        const bool velke = g.Sance(2);
        if (hex) {
            const std::size_t delka = 1 + g.Pod(g.Sance(8) ? 300 : 16);
            return (velke ? "&H" : "&h") + std::string(delka, "F7"[g.Pod(2)]);
        }
        return (velke ? "&O" : "&o") + std::to_string(g.Pod(1000000));
    }
    case 3: { // a very long digit string, the point anywhere in it
        const std::size_t delka = 1 + g.Pod(g.Sance(10) ? 20000 : 400);
        std::string t = Cislice(g, delka);
        t.insert(g.Pod(t.size() + 1), 1, '.');
        if (g.Sance(2))
            return "0." + std::string(g.Pod(400), '0') + t;
        return t;
    }
    case 4: { // big and small exponents
        const std::string mantisa = Cislice(g, 1 + g.Pod(20));
        const char pismeno = "eEdD"[g.Pod(4)];
        const char znamenko = "+-"[g.Pod(2)];
        const std::size_t exponent = g.Pod(g.Sance(2) ? 330 : 30);
        return mantisa + pismeno + znamenko + std::to_string(exponent);
    }
    case 5:
        return UTlaku(g);
    default:
        return Prepis(g, Rozumne(g, pole));
    }
}

// Inputs whose rounding meets a half: water with the flow typed in and a drop
// whose root is exact, and water from a power that gives x.xx5 m3/h at 3.6 K.
std::string Polovicni(SplitMix64 &g)
{
    const std::string tisiciny = std::to_string(g.Pod(100000) * 10 + 5);
    if (g.Sance(2)) {
        static constexpr std::string_view ztraty[] = {"1000000", "10000", "250000", "4000000",
                                                      "100"};
        std::string zprutok =
            std::string(tisiciny.size() < 4 ? 4 - tisiciny.size() : 0, '0') + tisiciny;
        zprutok.insert(zprutok.size() - 3, 1, '.');
        return std::string(1, '\x01') + "1" + KonecPole + std::string(g.Vyber(ztraty)) + KonecPole +
               "1" + KonecPole + "160" + KonecPole + zprutok;
    }
    // x.xx5 m3/h at 3.6 K is x.xx5 * 4.18 kW: the digits times 418, 5 decimals.
    std::string vykon = std::to_string(std::stoull(tisiciny) * 418);
    vykon.insert(0, vykon.size() < 6 ? 6 - vykon.size() : 0, '0');
    vykon.insert(vykon.size() - 5, 1, '.');
    return std::string(1, '\x00') + vykon + KonecPole + "100" + KonecPole + "3.6";
}

// A generated input in the format of KrokyPrikazu.h: one to four steps,
// each some of the six fields, most of them values a user could mean.
std::string Generovany(SplitMix64 &g)
{
    if (g.Sance(10))
        return Polovicni(g);
    std::string vstup;
    const std::size_t kroku = g.Sance(3) ? 2 + g.Pod(3) : 1;
    for (std::size_t k = 0; k < kroku; ++k) {
        if (k > 0)
            vstup += KonecKroku;
        vstup += static_cast<char>(g.Pod(16));
        const std::size_t poli = g.Sance(3) ? g.Pod(VazbyVstupu.size() + 1) : VazbyVstupu.size();
        for (std::size_t i = 0; i < poli; ++i) {
            if (i > 0)
                vstup += KonecPole;
            vstup += Text(g, i);
        }
    }
    return vstup;
}

// A text as it stands in a line: quoted, control bytes, quotes and
// backslashes escaped; absent is "-".
void PridejText(std::string &radek, const std::optional<std::string> &text)
{
    if (!text) {
        radek += '-';
        return;
    }
    radek += '"';
    for (const char c : *text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7f || c == '"' || c == '\\') {
            radek += "\\x";
            radek += "0123456789abcdef"[b >> 4];
            radek += "0123456789abcdef"[b & 15];
        } else {
            radek += c;
        }
    }
    radek += '"';
}

// A value as it stands in a line: its 64 bits in hexadecimal, "-" empty,
// "\"\"" empty text.
void PridejHodnotu(std::string &radek, const Hodnota &h)
{
    switch (h.druh()) {
    case Hodnota::Druh::Prazdna:
        radek += '-';
        return;
    case Hodnota::Druh::PrazdnyText:
        radek += "\"\"";
        return;
    case Hodnota::Druh::Cislo:
        char buf[16];
        const std::uint64_t bity = BityCisla(*h);
        for (int k = 0; k < 16; ++k)
            buf[k] = "0123456789abcdef"[bity >> (60 - 4 * k) & 15];
        radek.append(buf, sizeof buf);
    }
}

std::string Hlavicka()
{
    std::string radek = "# case/compute";
    for (const VazbaVystupu &v : VazbyVystupu)
        radek.append("\t").append(Ovladace[v.pole].jmeno);
    radek += "\tTHlaska";
    for (const auto &[jmeno, hodnota] : HodnotyStavu)
        radek.append("\t").append(jmeno);
    return radek + '\n';
}

// The lines of one case: one per compute.
void Pripis(std::string &vystup, std::string_view nazev, std::string_view vstup)
{
    OknoAStav okno = NoveOkno();
    int vypocet = 0;
    for (const std::string_view krok : KrokyVstupu(vstup)) {
        const ZapisDoOkna z = Stiskni(okno, NastavKrok(okno, krok));
        vystup.append(nazev).append("/").append(std::to_string(++vypocet));
        for (const VazbaVystupu &v : VazbyVystupu) {
            vystup += '\t';
            PridejText(vystup, z.*v.text);
        }
        vystup += '\t';
        PridejText(vystup, z.THlaska);
        for (const auto &[jmeno, hodnota] : HodnotyStavu) {
            vystup += '\t';
            PridejHodnotu(vystup, okno.stav.*hodnota);
        }
        vystup += '\n';
    }
}

bool Precti(const fs::path &soubor, std::string &obsah)
{
    std::ifstream f(soubor, std::ios::binary);
    obsah.assign(std::istreambuf_iterator<char>(f), {});
    return !f.bad() && f.is_open();
}

std::vector<std::string_view> Radky(std::string_view t)
{
    std::vector<std::string_view> radky = Rozdel(t, '\n');
    if (!radky.empty() && radky.back().empty())
        radky.pop_back();
    return radky;
}

// The first line where the two differ, both shown, and the first column of
// it that differs, named by the header.
int Porovnej(std::string_view zlaty, std::string_view vystup)
{
    const std::vector<std::string_view> a = Radky(zlaty), b = Radky(vystup);
    const std::string hlavicka = Hlavicka();
    const std::vector<std::string_view> sloupce = Rozdel(hlavicka, '\t');
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
        const std::string_view ra = k < a.size() ? a[k] : "(none)";
        const std::string_view rb = k < b.size() ? b[k] : "(none)";
        if (k < a.size() && k < b.size() && ra == rb)
            continue;
        std::printf("line %zu differs\n  golden: %.*s\n  this:   %.*s\n", k + 1,
                    static_cast<int>(ra.size()), ra.data(), static_cast<int>(rb.size()), rb.data());
        const std::vector<std::string_view> sa = Rozdel(ra, '\t'), sb = Rozdel(rb, '\t');
        for (std::size_t s = 0; s < std::min(sa.size(), sb.size()); ++s)
            if (sa[s] != sb[s]) {
                const std::string_view jmeno = s < sloupce.size() ? sloupce[s] : "?";
                std::printf("  first column that differs: %.*s\n", static_cast<int>(jmeno.size()),
                            jmeno.data());
                break;
            }
        std::printf("a difference meant (a result changed, a corpus file added) is written into "
                    "the file on Linux by: cmake --build build --target vystupy_prikazu_zlate\n");
        return 1;
    }
    if (zlaty != vystup) {
        std::printf("the same lines, other bytes between them (line ends?)\n");
        return 1;
    }
    std::printf("%zu lines the same\n", a.size());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view rezim = argc == 4 ? argv[2] : "";
    if (rezim != "--write" && rezim != "--compare") {
        std::fprintf(stderr, "usage: vystupy_prikazu CORPUS --write|--compare FILE\n");
        return 2;
    }

    // By name: a directory lists its files in no fixed order.
    std::vector<fs::path> soubory;
    for (const auto &z : fs::directory_iterator(argv[1]))
        if (z.is_regular_file())
            soubory.push_back(z.path());
    std::sort(soubory.begin(), soubory.end());
    if (soubory.empty()) {
        std::fprintf(stderr, "no corpus in %s\n", argv[1]);
        return 2;
    }

    std::string vystup = Hlavicka();
    for (const fs::path &p : soubory) {
        std::string obsah;
        if (!Precti(p, obsah)) {
            std::fprintf(stderr, "cannot read %s\n", p.string().c_str());
            return 2;
        }
        Pripis(vystup, p.filename().string(), obsah);
    }
    SplitMix64 g(20240601);
    for (int k = 1; k <= PocetGenerovanych; ++k) {
        char nazev[16];
        std::snprintf(nazev, sizeof nazev, "gen%04d", k);
        Pripis(vystup, nazev, Generovany(g));
    }

    const fs::path soubor = argv[3];
    if (rezim == "--write") {
        // Binary: '\n' ends a line on every system.
        std::ofstream f(soubor, std::ios::binary);
        f << vystup;
        f.close();
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", soubor.string().c_str());
            return 2;
        }
        return 0;
    }
    std::string zlaty;
    if (!Precti(soubor, zlaty)) {
        std::fprintf(stderr, "cannot read %s\n", soubor.string().c_str());
        return 2;
    }
    return Porovnej(zlaty, vystup);
}
