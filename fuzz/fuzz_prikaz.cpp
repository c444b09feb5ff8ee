// The compute command as the window drives it: the state prepared like the
// load handler does, the six field texts, the flags of the option buttons and
// the separator, several computes in a row with the corrections written back
// into the fields in between.
//
// Input: steps separated by 0xFE. A step is one byte of settings (bit 0: flow
// typed in; bits 1-2 mod 3: water, steam, condensate; bit 3: decimal comma)
// and then texts separated by 0xFF that replace the input fields in the
// order of the window's bindings; fields not given keep their text.

#include "Kontrola.h"

#include "CteniCisla.h"
#include "PametoveOkno.h"
#include "PrikazSpocitej.h"

#include <array>
#include <optional>
#include <vector>

namespace {

constexpr char KonecKroku = '\xFE';
constexpr char KonecPole = '\xFF';
constexpr std::size_t NejvicKroku = 4;

// The first `pocet` values of HodnotyStavu (the results come first) are
// the same bits in both.
bool StejneHodnoty(const Stav &a, const Stav &b, std::size_t pocet)
{
    for (std::size_t k = 0; k < pocet; ++k)
        if (!StejneBity(a.*HodnotyStavu[k].second, b.*HodnotyStavu[k].second))
            return false;
    return true;
}

// The window's fields as plain data, with their start texts, read and written
// through the window's own bindings.
struct OknoAStav
{
    Stav stav;
    PametoveOkno pole;
};

// Writes back what the window writes into its fields.
void ZapisPole(OknoAStav &o, const ZapisDoOkna &z)
{
    for (const VazbaVystupu &v : VazbyVystupu)
        if (const std::optional<std::string> &text = z.*v.text)
            o.pole.texty[v.pole] = *text;
}

std::string &Pole(OknoAStav &o, IdOvladace pole)
{
    return o.pole.texty[pole];
}

void KontrolujVystup(const std::optional<std::string> &text, const Hodnota &h,
                     std::string_view oddelovac)
{
    OVER(text.has_value());
    if (!h.jeCislo()) {
        OVER(text->empty());
        return;
    }
    OVER(UkazatelneCislo(*text, oddelovac));
    OVER(Blizko(*h, ZpetZTextu(*text, oddelovac)));
}

void KontrolujVypocet(const OknoAStav &pred, const OknoAStav &po, const ZapisDoOkna &z,
                      std::string_view oddelovac)
{
    const Stav &s = po.stav;
    OVER(z.THlaska.empty() || z.THlaska == HlaskaZadejCislo || z.THlaska == HlaskaMimoRozsah);

    bool mimoPriCteni = false;
    for (const VazbaVstupu &v : VazbyVstupu)
        mimoPriCteni = mimoPriCteni || CtiCislo(pred.pole.texty[v.pole]).mimoRozsah;
    if (mimoPriCteni) {
        OVER(z.THlaska == HlaskaMimoRozsah);
        OVER(!z.TSuchost && !z.TPpary);
        OVER(StejneHodnoty(s, pred.stav, std::size(HodnotyStavu)));
    } else {
        // The state and the fields agree: a corrected input is shown at once,
        // any other is what its text reads.
        OVER(s.Suchost.jeCislo() && *s.Suchost <= 1.0);
        OVER(s.Ppary.jeCislo() && *s.Ppary >= 100.0 && *s.Ppary <= 2000.0);
        OVER(BityCisla(CtiCislo(po.pole.texty[Ovl("TSuchost")]).hodnota) == BityCisla(*s.Suchost));
        OVER(BityCisla(CtiCislo(po.pole.texty[Ovl("TPpary")]).hodnota) == BityCisla(*s.Ppary));
    }

    if (!z.THlaska.empty()) {
        OVER(StejneHodnoty(s, pred.stav, PocetVysledku));
        OVER(!z.TPrutok && !z.TObjem1 && !z.TObjem2 && !z.TObjem12 && !z.Tkvs);
        return;
    }
    for (const Hodnota *h : {&s.Prutok, &s.Objem1, &s.Kvs})
        OVER(h->jeCislo() && std::isfinite(**h));
    OVER(*s.Kvs >= 0.0 && *s.Prutok >= 0.0);
    if (s.Medium2)
        OVER(s.Objem2.jeCislo() != s.Objem12.jeCislo() &&
             (s.Objem2.jeCislo() ? s.Objem12 : s.Objem2).druh() == Hodnota::Druh::PrazdnyText);
    KontrolujVystup(z.TPrutok, s.Prutok, oddelovac);
    KontrolujVystup(z.TObjem1, s.Objem1, oddelovac);
    KontrolujVystup(z.TObjem2, s.Objem2, oddelovac);
    KontrolujVystup(z.TObjem12, s.Objem12, oddelovac);
    KontrolujVystup(z.Tkvs, s.Kvs, oddelovac);
}

std::vector<std::string_view> Rozdel(std::string_view t, char oddelovac)
{
    std::vector<std::string_view> casti;
    for (std::size_t i; (i = t.find(oddelovac)) != std::string_view::npos; t.remove_prefix(i + 1))
        casti.push_back(t.substr(0, i));
    casti.push_back(t);
    return casti;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    OknoAStav okno;
    okno.stav = NaplnenyStav();
    NastavRezim(okno.stav, 1, 1);

    const std::vector<std::string_view> kroky =
        Rozdel({reinterpret_cast<const char *>(data), size}, KonecKroku);
    for (std::size_t k = 0; k < kroky.size() && k < NejvicKroku; ++k) {
        if (kroky[k].empty())
            continue;
        const auto nastaveni = static_cast<unsigned char>(kroky[k][0]);
        Stav &s = okno.stav;
        NastavRezim(s, (nastaveni >> 1 & 3) % 3 + 1, nastaveni & 1 ? 2 : 1);
        const std::string_view oddelovac = nastaveni & 8 ? "," : ".";
        const auto texty = Rozdel(kroky[k].substr(1), KonecPole);
        for (std::size_t i = 0; i < texty.size() && i < VazbyVstupu.size(); ++i)
            if (kroky[k].size() > 1)
                Pole(okno, VazbyVstupu[i].pole) = texty[i];

        const OknoAStav pred = okno;
        const ZapisDoOkna z = Spocitej(okno.stav, CtiVstupy(okno.pole), oddelovac);
        ZapisPole(okno, z);
        KontrolujVypocet(pred, okno, z, oddelovac);

        // Computing again with what the fields now show changes nothing:
        // no result depends on an earlier compute or a correction pending.
        OknoAStav znovu = okno;
        const ZapisDoOkna z2 = Spocitej(znovu.stav, CtiVstupy(znovu.pole), oddelovac);
        ZapisPole(znovu, z2);
        OVER(z2.THlaska == z.THlaska);
        OVER(znovu.pole.texty == okno.pole.texty);
        OVER(StejneHodnoty(znovu.stav, okno.stav, std::size(HodnotyStavu)));
    }
    return 0;
}
