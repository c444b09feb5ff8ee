#pragma once

#include "OvladaceOkna.h"

#include <array>
#include <cstddef>

// The controls in the order a person reads the window: the logo and the
// heading, the method, the medium, the inputs row by row (caption, field,
// unit), the compute button, the results and the message, the end button,
// and the valve picture last, as an illustration. A window too narrow for
// the design's places lays the controls out in this order, one column, and
// Tab follows it there. A frame comes before the controls it holds.
namespace detail {
// The rows of values whose field is of that kind, each as caption, field,
// unit, in the order of Radek, which is the order they read in.
template <std::size_t N>
constexpr std::size_t PridejRadky(std::array<IdOvladace, N> &poradi, std::size_t n,
                                  DruhOvladace druh)
{
    for (const RadekHodnoty &r : RadkyHodnot)
        if (Ovladace[r.pole].druh == druh)
            for (const IdOvladace i : {r.popisek, r.pole, r.jednotka})
                poradi[n++] = i;
    return n;
}
} // namespace detail

inline constexpr auto PoradiCteni = [] {
    std::array<IdOvladace, Ovladace.size()> poradi{};
    std::size_t n = 0;
    for (const IdOvladace i :
         {Ovl("Image1"), Ovl("LNadpis"), Ovl("Frame1"), Ovl("TZpusob1"), Ovl("TZpusob2"),
          Ovl("Frame2"), Ovl("TMedium1"), Ovl("TMedium2"), Ovl("TMedium3"), Ovl("Frame3")})
        poradi[n++] = i;
    n = detail::PridejRadky(poradi, n, DruhOvladace::TextovePole);
    poradi[n++] = Ovl("TPocitej");
    n = detail::PridejRadky(poradi, n, DruhOvladace::VystupniPole);
    for (const IdOvladace i : {Ovl("THlaska"), Ovl("TKonec"), Ovl("Image2")})
        poradi[n++] = i;
    return poradi;
}();

namespace detail {
// Every control once, and each frame before what it holds.
consteval bool PoradiCteniUplne()
{
    std::array<bool, Ovladace.size()> videno{};
    for (const IdOvladace i : PoradiCteni) {
        const std::string_view kontejner = Ovladace[i].kontejner;
        if (videno[i] || (!kontejner.empty() && !videno[NajdiOvladac(kontejner)]))
            return false;
        videno[i] = true;
    }
    return PoradiCteni.size() == Ovladace.size();
}
} // namespace detail
static_assert(detail::PoradiCteniUplne(),
              "PoradiCteni must hold every control once, each frame before its contents");
