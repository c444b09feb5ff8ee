#pragma once

#include "OvladaceOkna.h"

#include <array>

// The controls in the order a person reads the window: the logo and the
// heading, the method, the medium, the inputs row by row (caption, field,
// unit), the compute button, the results and the message, the end button,
// and the valve picture last, as an illustration. A window too narrow for
// the design's places lays the controls out in this order, one column, and
// Tab follows it there. A frame comes before the controls it holds.
// clang-format off
inline constexpr std::array PoradiCteni = std::to_array<IdOvladace>({
    Ovl("Image1"), Ovl("LNadpis"),
    Ovl("Frame1"), Ovl("TZpusob1"), Ovl("TZpusob2"),
    Ovl("Frame2"), Ovl("TMedium1"), Ovl("TMedium2"), Ovl("TMedium3"),
    Ovl("Frame3"),
    Ovl("Lvykon"), Ovl("TVykon"), Ovl("LJVykon"),
    Ovl("LDeltaT"), Ovl("TDeltaT"), Ovl("LJDeltaT"),
    Ovl("LPpary"), Ovl("TPpary"), Ovl("LJPpary"),
    Ovl("LSuchost"), Ovl("TSuchost"), Ovl("LJSuchost"),
    Ovl("LZprutok"), Ovl("TZprutok"), Ovl("LJZprutok"),
    Ovl("LDeltaP"), Ovl("TDeltaP"), Ovl("LJDeltaP"),
    Ovl("TPocitej"),
    Ovl("LPrutok"), Ovl("TPrutok"), Ovl("LJPrutok"),
    Ovl("LObjem1"), Ovl("TObjem1"), Ovl("LJObjem1"),
    Ovl("LObjem2"), Ovl("TObjem2"), Ovl("LJObjem2"),
    Ovl("LObjem12"), Ovl("TObjem12"), Ovl("LJObjem12"),
    Ovl("Lkvs"), Ovl("Tkvs"), Ovl("Label1"),
    Ovl("THlaska"),
    Ovl("TKonec"),
    Ovl("Image2"),
});
// clang-format on

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
