#pragma once

#include <array>

// The window's controls as data: one row per control, in the order of the
// window's definition, positions and sizes in twips as designed. Ventil builds
// them in one loop; a reviewer can hold this table against the design.

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
    const char *jmeno; // objectName
    DruhOvladace druh;
    const char *kontejner;           // nullptr: the window's client area; else a frame's name
    const char *text;                // caption or start text (UTF-8); a resource path for pictures
    int vlevo, nahore, sirka, vyska; // twips, from the container's outer top-left corner
    int tabIndex;                    // -1: none (pictures)
    Vlastnost vlastnost;
};

// Controls with a font of their own (the design's "MS Sans Serif", for which
// the bundled sans-serif stands in); every other control uses the window's.
struct PismoOvladace
{
    const char *jmeno;
    double body; // points
    bool tucne;
};

inline constexpr int TwipuNaPixel = 15; // at 96 dpi
constexpr int Pixely(int twipy)
{
    return twipy / TwipuNaPixel;
}

inline constexpr int SirkaOkna = 10860; // client area, twips (724 px)
inline constexpr int VyskaOkna = 7560;  // 504 px

extern const std::array<PopisOvladace, 47> Ovladace;
extern const std::array<PismoOvladace, 5> PismaOvladacu;

// The rows of values: caption label, field, unit label. The mode shows and
// hides whole rows; a screen reader speaks a field by its caption and unit
// ("Výkon, kW").
struct RadekHodnoty
{
    const char *popisek;
    const char *pole;
    const char *jednotka;
};

// Indexes into RadkyHodnot.
// clang-format off
enum class Radek { Vykon, DeltaT, Ppary, Suchost, Zprutok, DeltaP, Prutok, Objem1, Objem2, Objem12, Kvs };
// clang-format on

extern const std::array<RadekHodnoty, 11> RadkyHodnot;
