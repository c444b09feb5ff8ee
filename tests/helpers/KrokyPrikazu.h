#pragma once

// The compute command as the window drives it, from the input format of
// fuzz_prikaz: the state prepared like the load handler does, the six field
// texts, the flags of the option buttons and the separator, several computes
// in a row with the corrections written back into the fields in between.
//
// Input: steps separated by 0xFE. A step is one byte of settings (bit 0: flow
// typed in; bits 1-2 mod 3: water, steam, condensate; bit 3: decimal comma)
// and then texts separated by 0xFF that replace the input fields in the
// order of the window's bindings; fields not given keep their text. Empty
// steps are skipped; steps after the fourth are ignored.

#include "PametoveOkno.h"
#include "PomocniciTestu.h"
#include "PrikazSpocitej.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char KonecKroku = '\xFE';
inline constexpr char KonecPole = '\xFF';
inline constexpr std::size_t NejvicKroku = 4;

inline std::vector<std::string_view> Rozdel(std::string_view t, char oddelovac)
{
    std::vector<std::string_view> casti;
    for (std::size_t i; (i = t.find(oddelovac)) != std::string_view::npos; t.remove_prefix(i + 1))
        casti.push_back(t.substr(0, i));
    casti.push_back(t);
    return casti;
}

// The steps of an input that are run, in order.
inline std::vector<std::string_view> KrokyVstupu(std::string_view vstup)
{
    std::vector<std::string_view> kroky = Rozdel(vstup, KonecKroku);
    if (kroky.size() > NejvicKroku)
        kroky.resize(NejvicKroku);
    std::erase_if(kroky, [](std::string_view k) { return k.empty(); });
    return kroky;
}

// The window's fields as plain data, with their start texts, read and written
// through the window's own bindings.
struct OknoAStav
{
    Stav stav;
    PametoveOkno pole;
};

inline OknoAStav NoveOkno()
{
    OknoAStav o;
    o.stav = NaplnenyStav();
    NastavRezim(o.stav, 1, 1);
    return o;
}

// Selects the options of a step and types its texts into the fields.
// Returns the decimal separator the step's results are shown with.
inline std::string_view NastavKrok(OknoAStav &o, std::string_view krok)
{
    const auto nastaveni = static_cast<unsigned char>(krok[0]);
    NastavRezim(o.stav, (nastaveni >> 1 & 3) % 3 + 1, nastaveni & 1 ? 2 : 1);
    const std::vector<std::string_view> texty = Rozdel(krok.substr(1), KonecPole);
    for (std::size_t i = 0; i < texty.size() && i < VazbyVstupu.size(); ++i)
        if (krok.size() > 1)
            o.pole.texty[VazbyVstupu[i].pole] = texty[i];
    return nastaveni & 8 ? "," : ".";
}

// Presses "Spočítej": computes from the fields and writes back what the
// window writes into them.
inline ZapisDoOkna Stiskni(OknoAStav &o, std::string_view oddelovac)
{
    const ZapisDoOkna z = Spocitej(o.stav, CtiVstupy(o.pole), oddelovac);
    for (const VazbaVystupu &v : VazbyVystupu)
        if (const std::optional<std::string> &text = z.*v.text)
            o.pole.texty[v.pole] = *text;
    o.pole.texty[Ovl("THlaska")] = z.THlaska;
    return z;
}
