// The compute command as the window drives it (see KrokyPrikazu.h for the
// input format): after each compute the fields and the state agree, and
// computing again with what the fields show changes nothing.

#include "Kontrola.h"

#include "CteniCisla.h"
#include "KrokyPrikazu.h"

#include <optional>

namespace {

// The first `pocet` values of HodnotyStavu (the results come first) are
// the same bits in both.
bool StejneHodnoty(const Stav &a, const Stav &b, std::size_t pocet)
{
    for (std::size_t k = 0; k < pocet; ++k)
        if (!StejneBity(a.*HodnotyStavu[k].second, b.*HodnotyStavu[k].second))
            return false;
    return true;
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    OknoAStav okno = NoveOkno();
    for (const std::string_view krok : KrokyVstupu({reinterpret_cast<const char *>(data), size})) {
        const std::string_view oddelovac = NastavKrok(okno, krok);
        const OknoAStav pred = okno;
        const ZapisDoOkna z = Stiskni(okno, oddelovac);
        KontrolujVypocet(pred, okno, z, oddelovac);

        // Computing again with what the fields now show changes nothing:
        // no result depends on an earlier compute or a correction pending.
        OknoAStav znovu = okno;
        const ZapisDoOkna z2 = Stiskni(znovu, oddelovac);
        OVER(z2.THlaska == z.THlaska);
        OVER(znovu.pole.texty == okno.pole.texty);
        OVER(StejneHodnoty(znovu.stav, okno.stav, std::size(HodnotyStavu)));
    }
    return 0;
}
