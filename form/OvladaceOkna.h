#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The window's controls as data: one row per control, in the order of the
// window's definition, positions and sizes in twips as designed. Every
// toolkit's window builds them from this table in one loop; a reviewer can
// hold it against the design row by row.

enum class DruhOvladace {
    Popisek,      // label: static text, no border, no focus
    VystupniPole, // output field: a label with a single-line border, shows a result
    TextovePole,  // text field: single-line editable text
    Prepinac,     // option button, one selected per frame
    Tlacitko,     // push button, neither the window's default nor its cancel button
    Ramecek,      // group frame with its caption in the top edge
    Obrazek,      // picture, transparent background, not stretched
};

// The one further setting a control has, if any.
enum class Vlastnost {
    Zadna,
    Skryty,        // hidden when the window is first shown
    Vybrany,       // the selected option of its frame at start
    AzurovePozadi, // light cyan background, RGB(128, 255, 255)
};

struct PopisOvladace
{
    std::string_view jmeno; // objectName
    DruhOvladace druh;
    std::string_view kontejner;      // empty: the window's client area; else a frame's name
    std::string_view text;           // caption or start text (UTF-8); a picture's file name
    int vlevo, nahore, sirka, vyska; // twips, from the container's outer top-left corner
    int tabIndex;                    // -1: none (pictures)
    Vlastnost vlastnost;
    std::string_view nazev; // what a screen reader calls a picture
};

namespace tabulka {
using D = DruhOvladace;
using enum Vlastnost;

// clang-format off
inline constexpr std::array Ovladace = std::to_array<PopisOvladace>({
//   name         kind              container  caption or start text               left   top  width height tab  settings  picture's name
    {"TKonec",    D::Tlacitko,      "",        "Ukonči",                           8760, 6360, 1095,  615, 40, Zadna, ""},
    {"Frame3",    D::Ramecek,       "",        "Zadání",                           4080, 1680, 6135, 2775, 11, Zadna, ""},
    {"TSuchost",  D::TextovePole,   "Frame3",  "1",                                 960, 1680, 1215,  285,  1, Skryty, ""},
    {"TDeltaP",   D::TextovePole,   "Frame3",  "100",                              2400, 2280, 1695,  285, 23, Zadna, ""},
    {"TZprutok",  D::TextovePole,   "Frame3",  "2",                                4080,  600, 1215,  285, 21, Skryty, ""},
    {"TPpary",    D::TextovePole,   "Frame3",  "160",                               960, 1320, 1215,  285, 15, Skryty, ""},
    {"TVykon",    D::TextovePole,   "Frame3",  "100",                               960,  600, 1215,  285, 14, Zadna, ""},
    {"TDeltaT",   D::TextovePole,   "Frame3",  "20",                                960,  960, 1215,  285, 13, Zadna, ""},
    {"LJSuchost", D::Popisek,       "Frame3",  "-",                                2280, 1680,  255,  255, 44, Skryty, ""},
    {"LSuchost",  D::Popisek,       "Frame3",  "Suchost",                           120, 1680,  735,  255, 43, Skryty, ""},
    {"Lvykon",    D::Popisek,       "Frame3",  "Výkon",                             120,  600,  615,  255, 28, Zadna, ""},
    {"LJDeltaP",  D::Popisek,       "Frame3",  "kPa",                              4200, 2280,  495,  255, 25, Zadna, ""},
    {"LDeltaP",   D::Popisek,       "Frame3",  "Tlaková ztráta na ventilu",         480, 2280, 1815,  255, 24, Zadna, ""},
    {"LJZprutok", D::Popisek,       "Frame3",  "m3/h",                             5400,  600,  495,  255, 22, Skryty, ""},
    {"LZprutok",  D::Popisek,       "Frame3",  "Objemový tok",                     2760,  600, 1095,  255, 20, Skryty, ""},
    {"LJPpary",   D::Popisek,       "Frame3",  "kPa abs (max 2000)",               2280, 1320, 1455,  255, 19, Skryty, ""},
    {"LJDeltaT",  D::Popisek,       "Frame3",  "°K",                               2280,  960,  240,  240, 18, Zadna, ""},
    {"LJVykon",   D::Popisek,       "Frame3",  "kW",                               2280,  600,  330,  195, 17, Zadna, ""},
    {"LPpary",    D::Popisek,       "Frame3",  "Tlak páry",                         120, 1320,  855,  255, 16, Skryty, ""},
    {"LDeltaT",   D::Popisek,       "Frame3",  "Delta T",                           120,  960, 1155,  225, 12, Zadna, ""},
    {"Frame2",    D::Ramecek,       "",        "Médium",                           2520, 1680, 1455, 2775,  4, Zadna, ""},
    {"TMedium3",  D::Prepinac,      "Frame2",  "Kondenzát",                         120,  960, 1215,  255,  7, Zadna, ""},
    {"TMedium2",  D::Prepinac,      "Frame2",  "Pára",                              120,  600, 1275,  330,  6, Zadna, ""},
    {"TMedium1",  D::Prepinac,      "Frame2",  "Voda",                              120,  240,  975,  375,  5, Vybrany, ""},
    {"TPocitej",  D::Tlacitko,      "",        "Spočítej",                         7320, 6360, 1095,  615,  2, Zadna, ""},
    {"Frame1",    D::Ramecek,       "",        "Způsob výpočtu",                   4080,  960, 6135,  615,  3, Zadna, ""},
    {"TZpusob2",  D::Prepinac,      "Frame1",  "Průtok",                           4080,  240,  960,  240, 27, Zadna, ""},
    {"TZpusob1",  D::Prepinac,      "Frame1",  "Výkon",                             960,  240,  855,  255, 26, Vybrany, ""},
    {"LNadpis",   D::Popisek,       "",        "Regulační ventily MZA, MZB, MZC",  4200,  480, 3855,  375, 42, Zadna, ""},
    {"THlaska",   D::Popisek,       "",        "",                                 3720, 6480, 3375,  375, 41, Zadna, ""},
    {"Image2",    D::Obrazek,       "",        "ventil",                            240, 1200, 1830, 4170, -1, Zadna, "regulační ventil"},
    {"Label1",    D::Popisek,       "",        "m3/h",                            10080, 5400,  615,  375, 39, Zadna, ""},
    {"Lkvs",      D::Popisek,       "",        "Průtočný součinitel kvs",          7320, 4800, 2655,  375, 38, Zadna, ""},
    {"LJObjem12", D::Popisek,       "",        "m3/kg",                            6480, 6000,  615,  255, 37, Skryty, ""},
    {"LJObjem2",  D::Popisek,       "",        "m3/kg",                            6480, 5640,  495,  255, 36, Skryty, ""},
    {"LJObjem1",  D::Popisek,       "",        "m3/kg",                            6480, 5280,  495,  255, 35, Skryty, ""},
    {"TObjem12",  D::VystupniPole,  "",        "",                                 5040, 6000, 1215,  255, 34, Skryty, ""},
    {"TObjem2",   D::VystupniPole,  "",        "",                                 5040, 5640, 1215,  255, 33, Skryty, ""},
    {"LObjem12",  D::Popisek,       "",        "Měrný objem v12",                  3720, 6000, 1215,  255, 32, Skryty, ""},
    {"LObjem2",   D::Popisek,       "",        "Měrný objem v2",                   3720, 5640, 1215,  255, 31, Skryty, ""},
    {"LObjem1",   D::Popisek,       "",        "Měrný objem v1",                   3720, 5280, 1215,  255, 30, Skryty, ""},
    {"TObjem1",   D::VystupniPole,  "",        "",                                 5040, 5280, 1215,  255, 29, Skryty, ""},
    {"LPrutok",   D::Popisek,       "",        "Objemový tok",                     3840, 4800, 1215,  255, 10, Zadna, ""},
    {"LJPrutok",  D::Popisek,       "",        "m3/h",                             6480, 4800,  420,  195,  9, Zadna, ""},
    {"TPrutok",   D::VystupniPole,  "",        "",                                 5040, 4800, 1230,  285,  8, AzurovePozadi, ""},
    {"Tkvs",      D::VystupniPole,  "",        "",                                 7320, 5280, 2535,  495,  0, AzurovePozadi, ""},
    {"Image1",    D::Obrazek,       "",        "logo",                              360,  120, 2670,  540, -1, Zadna, "Ventil"},
});
// clang-format on
} // namespace tabulka
using tabulka::Ovladace;

// A control is named in code by its row's index in Ovladace. The window
// gives it the row's number (index + 1) where a toolkit wants a number, so
// that it stays the same from one version to the next.
using IdOvladace = std::size_t;

// The index of the row of that name, or Ovladace.size() for none.
constexpr IdOvladace NajdiOvladac(std::string_view jmeno)
{
    IdOvladace i = 0;
    while (i < Ovladace.size() && Ovladace[i].jmeno != jmeno)
        ++i;
    return i;
}

// The index of the row of that name; a name that is not in the table does
// not compile.
consteval IdOvladace Ovl(std::string_view jmeno)
{
    if (NajdiOvladac(jmeno) == Ovladace.size())
        throw "the control table has no control of that name";
    return NajdiOvladac(jmeno);
}

// Controls with a font of their own (the design's "MS Sans Serif"); every
// other control uses the window's.
struct PismoOvladace
{
    IdOvladace ovladac;
    double body; // points
    bool tucne;
};

// clang-format off
inline constexpr std::array PismaOvladacu = std::to_array<PismoOvladace>({
    {Ovl("LNadpis"), 12.0, false},
    {Ovl("Lkvs"),    12.0, false},
    {Ovl("Label1"),  12.0, false},
    {Ovl("Tkvs"),    13.5, false},
    {Ovl("THlaska"), 13.5, true},
});
// clang-format on

inline constexpr int TwipuNaPalec = 1440;

// Twips to pixels at a screen's dots per inch, to the nearest pixel; at
// 96 dpi 15 twips make one pixel, and every size of the table is exact.
constexpr int Pixely(int twipy, int dpi = 96)
{
    return (twipy * dpi + TwipuNaPalec / 2) / TwipuNaPalec;
}

inline constexpr int SirkaOkna = 10860; // client area, twips (724 px at 96 dpi)
inline constexpr int VyskaOkna = 7560;  // 504 px

// Where a control lies in the window's client area, in twips: a control in a
// frame lies at the frame's place plus its own.
struct Obdelnik
{
    int vlevo, nahore, sirka, vyska;
};
constexpr Obdelnik ObdelnikVOkne(IdOvladace i)
{
    const PopisOvladace &p = Ovladace[i];
    Obdelnik r{p.vlevo, p.nahore, p.sirka, p.vyska};
    if (!p.kontejner.empty()) {
        const PopisOvladace &ramecek = Ovladace[NajdiOvladac(p.kontejner)];
        r.vlevo += ramecek.vlevo;
        r.nahore += ramecek.nahore;
    }
    return r;
}

// The longest text a field takes; a longer paste is cut there. It keeps
// typing and computing instant whatever is pasted.
inline constexpr int MaxDelkaTextu = 32767;

// The rows of values: caption label, field, unit label. The mode shows and
// hides whole rows; a screen reader speaks a field by its caption and unit.
// clang-format off
enum class Radek { Vykon, DeltaT, Ppary, Suchost, Zprutok, DeltaP, Prutok, Objem1, Objem2, Objem12, Kvs };
// clang-format on

struct RadekHodnoty
{
    Radek radek;
    IdOvladace popisek, pole, jednotka;
};

// In the order of Radek.
inline constexpr std::array RadkyHodnot = std::to_array<RadekHodnoty>({
    {Radek::Vykon, Ovl("Lvykon"), Ovl("TVykon"), Ovl("LJVykon")},
    {Radek::DeltaT, Ovl("LDeltaT"), Ovl("TDeltaT"), Ovl("LJDeltaT")},
    {Radek::Ppary, Ovl("LPpary"), Ovl("TPpary"), Ovl("LJPpary")},
    {Radek::Suchost, Ovl("LSuchost"), Ovl("TSuchost"), Ovl("LJSuchost")},
    {Radek::Zprutok, Ovl("LZprutok"), Ovl("TZprutok"), Ovl("LJZprutok")},
    {Radek::DeltaP, Ovl("LDeltaP"), Ovl("TDeltaP"), Ovl("LJDeltaP")},
    {Radek::Prutok, Ovl("LPrutok"), Ovl("TPrutok"), Ovl("LJPrutok")},
    {Radek::Objem1, Ovl("LObjem1"), Ovl("TObjem1"), Ovl("LJObjem1")},
    {Radek::Objem2, Ovl("LObjem2"), Ovl("TObjem2"), Ovl("LJObjem2")},
    {Radek::Objem12, Ovl("LObjem12"), Ovl("TObjem12"), Ovl("LJObjem12")},
    {Radek::Kvs, Ovl("Lkvs"), Ovl("Tkvs"), Ovl("Label1")},
});

constexpr const RadekHodnoty &RadekTabulky(Radek r)
{
    return RadkyHodnot[static_cast<std::size_t>(r)];
}

namespace detail {
consteval bool RadkyVPoradi()
{
    for (std::size_t i = 0; i < RadkyHodnot.size(); ++i)
        if (RadkyHodnot[i].radek != static_cast<Radek>(i))
            return false;
    return true;
}
consteval bool KontejneryJsouRamecky()
{
    for (const PopisOvladace &p : Ovladace)
        if (!p.kontejner.empty() &&
            (NajdiOvladac(p.kontejner) == Ovladace.size() ||
             Ovladace[NajdiOvladac(p.kontejner)].druh != DruhOvladace::Ramecek))
            return false;
    return true;
}
} // namespace detail
static_assert(detail::RadkyVPoradi(), "RadkyHodnot must list the rows in the order of Radek");
static_assert(detail::KontejneryJsouRamecky(), "a container must be a frame of the table");
