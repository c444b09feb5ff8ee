#pragma once

#include "OvladaceOkna.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// How the window looks beyond where its controls lie: its name, the colours
// its results keep whatever the theme, its fonts, which controls lie beneath
// the others and which file shows a picture. Every toolkit's window applies
// these; none decides them again.

// The window's title, and the name by which a screen reader, a test or the
// desktop finds it.
inline constexpr std::string_view NazevOkna = "Ventil";

// A colour, 0-255 a channel.
struct Barva
{
    int cervena, zelena, modra;
    friend constexpr bool operator==(const Barva &, const Barva &) = default;
};

struct BarvyPole
{
    Barva pozadi, text;
    friend constexpr bool operator==(const BarvyPole &, const BarvyPole &) = default;
};

// Light cyan behind a result, with black text on it: a theme's text colour
// may be light, and light text on cyan cannot be read.
inline constexpr BarvyPole BarvyVysledku{{128, 255, 255}, {0, 0, 0}};

// The colours a control is shown in whatever the theme; none where it keeps
// the theme's. A high-contrast theme's own colours come before these.
constexpr std::optional<BarvyPole> BarvyOvladace(IdOvladace ovladac)
{
    if (Ovladace[ovladac].vlastnost == Vlastnost::AzurovePozadi)
        return BarvyVysledku;
    return std::nullopt;
}

// A font of the window; the face is each toolkit's stand-in for the
// design's "MS Sans Serif".
struct RezPisma
{
    double body; // points
    bool tucne;
    friend constexpr bool operator==(const RezPisma &, const RezPisma &) = default;
};

// The design's dialog font, for every control without one of its own in
// PismaOvladacu.
inline constexpr RezPisma PismoOkna{8.0, false};

// The font of a control: its own or the window's.
constexpr RezPisma RezPismaOvladace(IdOvladace ovladac)
{
    for (const PismoOvladace &p : PismaOvladacu)
        if (p.ovladac == ovladac)
            return {p.body, p.tucne};
    return PismoOkna;
}

// Where controls overlap, which lies above: 0 the fields, buttons and
// results; 1 labels and pictures, beneath them (the caption of "Delta T"
// reaches under its field, that of the flow result under its border);
// 2 the frames, beneath everything, so that each is drawn within them.
constexpr int Vrstva(IdOvladace ovladac)
{
    switch (Ovladace[ovladac].druh) {
    case DruhOvladace::Popisek:
    case DruhOvladace::Obrazek:
        return 1;
    case DruhOvladace::Ramecek:
        return 2;
    default:
        return 0;
    }
}

// The controls top first: by layer, within a layer in tab-index order.
// A window that tabs through siblings in their order (Windows) gets the
// tab order from it too.
inline constexpr auto PoradiVrstev = [] {
    const auto klic = [](IdOvladace i) { return std::pair(Vrstva(i), Ovladace[i].tabIndex); };
    std::array<IdOvladace, Ovladace.size()> poradi{};
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        IdOvladace k = i;
        for (; k > 0 && klic(i) < klic(poradi[k - 1]); --k)
            poradi[k] = poradi[k - 1];
        poradi[k] = i;
    }
    return poradi;
}();

// The file in res/ that shows a picture (its row's text, "logo") on a
// background of that colour at that scale (device pixels per pixel): the
// light variant ("logo-svetle") on a dark background (TmavePozadi) where the
// picture has one, and the twice-as-large drawing ("logo@2x.png") above 1x,
// else the 1x one ("logo.gif"). Only files of the program's picture list
// (res/obrazky.cmake) are named; a picture not in it gives "".
std::string SouborObrazku(std::string_view obrazek, Barva pozadi, double meritko);
