#include "LogikaOkna.h"

#include "NaplnTabulku.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// Flow captions and units by medium (water, steam, condensate).
struct PopisPrutoku
{
    std::string_view tok;
    std::string_view jednotka;
};
constexpr PopisPrutoku PopisyPrutoku[3] = {
    {"Objemový tok", "m3/h"},
    {"Hmotnostní tok", "kg/h"},
    {"Objemový tok", "m3/h"},
};

const PopisPrutoku &PopisPrutokuStavu(const Stav &s)
{
    return PopisyPrutoku[s.Medium2 ? 1 : s.Medium3 ? 2 : 0];
}

// Rows that Viditelnost shows or hides, in the order it sets them.
struct PravidloViditelnosti
{
    std::initializer_list<Radek> radky;
    bool (*zobrazit)(const Stav &);
};
const PravidloViditelnosti PravidlaViditelnosti[] = {
    {{Radek::Vykon},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium1 || s.Medium2 || s.Medium3); }},
    {{Radek::DeltaT}, [](const Stav &s) { return s.Zpusob1 && s.Medium1; }},
    {{Radek::Ppary, Radek::Suchost},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium2 || s.Medium3); }},
    {{Radek::Zprutok}, [](const Stav &s) { return s.Zpusob2; }},
    {{Radek::Objem1, Radek::Objem2, Radek::Objem12}, [](const Stav &s) { return s.Medium2; }},
};

// The rows whose field shows a result, in the order they are read out.
constexpr Radek RadkyVysledku[] = {Radek::Prutok, Radek::Objem1, Radek::Objem2, Radek::Objem12,
                                   Radek::Kvs};

constexpr std::pair<IdOvladace, Udalost> UdalostiOvladacu[] = {
    {Ovl("TMedium1"), Udalost::TMedium1}, {Ovl("TMedium2"), Udalost::TMedium2},
    {Ovl("TMedium3"), Udalost::TMedium3}, {Ovl("TZpusob1"), Udalost::TZpusob1},
    {Ovl("TZpusob2"), Udalost::TZpusob2}, {Ovl("TPocitej"), Udalost::TPocitej},
    {Ovl("TKonec"), Udalost::TKonec},
};

const VazbaVystupu &VazbaPole(IdOvladace pole)
{
    return *std::find_if(VazbyVystupu.begin(), VazbyVystupu.end(),
                         [&](const VazbaVystupu &v) { return v.pole == pole; });
}

// Whether the event selects the option that the state has selected already.
bool Vybrano(const Stav &s, Udalost u)
{
    switch (u) {
    case Udalost::TMedium1:
        return s.Medium1;
    case Udalost::TMedium2:
        return s.Medium2;
    case Udalost::TMedium3:
        return s.Medium3;
    case Udalost::TZpusob1:
        return s.Zpusob1;
    case Udalost::TZpusob2:
        return s.Zpusob2;
    default:
        return false;
    }
}

// Load handler: the steam table first, then the start mode (flow from heat
// power, water). It shows nothing: the window as built already shows that
// mode.
void Nacteni(Stav &s)
{
    NaplnTabulku(s.TabulkaPary);
    s.Zpusob1 = true;
    s.Zpusob2 = false;
    s.Medium1 = true;
    s.Medium2 = false;
    s.Medium3 = false;
}

// Names every field as its row reads now; the flow rows' captions follow the
// medium, and a result's name carries the result.
void PojmenujPole(const Stav &s, Okno &o)
{
    for (const RadekHodnoty &r : RadkyHodnot)
        o.Pojmenuj(r.pole, Ovladace[r.pole].druh == DruhOvladace::VystupniPole
                               ? JmenoVysledku(s, r.radek, o.Text(r.pole))
                               : JmenoPole(s, r.radek));
}

void ZvolMedium(Stav &s, Okno &o, int medium)
{
    const PopisPrutoku &popis = PopisyPrutoku[medium - 1];
    o.NastavText(Ovl("LPrutok"), popis.tok);
    o.NastavText(Ovl("LZprutok"), popis.tok);
    o.NastavText(Ovl("LJPrutok"), popis.jednotka);
    o.NastavText(Ovl("LJZprutok"), popis.jednotka);
    s.Medium1 = medium == 1;
    s.Medium2 = medium == 2;
    s.Medium3 = medium == 3;
    PojmenujPole(s, o);
    Viditelnost(s, o);
}

void ZvolZpusob(Stav &s, Okno &o, int zpusob)
{
    s.Zpusob1 = zpusob == 1;
    s.Zpusob2 = zpusob == 2;
    Viditelnost(s, o);
}

void TPocitejClick(Stav &s, Okno &o)
{
    const ZapisDoOkna zapis = Spocitej(s, CtiVstupy(o), o.DesetinnyOddelovac());
    for (const VazbaVystupu &v : VazbyVystupu)
        if (const std::optional<std::string> &text = zapis.*v.text)
            o.NastavText(v.pole, *text);
    o.NastavText(Ovl("THlaska"), zapis.THlaska);
    // Each result written is named anew, changed or not.
    for (const Radek r : RadkyVysledku)
        if (const IdOvladace pole = RadekTabulky(r).pole; zapis.*VazbaPole(pole).text)
            o.Pojmenuj(pole, JmenoVysledku(s, r, o.Text(pole)));

    // The outcome: the message, or the results just shown.
    std::string zprava = zapis.THlaska;
    if (zprava.empty())
        for (const Radek r : RadkyVysledku) {
            const IdOvladace pole = RadekTabulky(r).pole;
            const std::string text = o.Text(pole);
            if (Zobrazen(s, pole) && !text.empty())
                zprava += (zprava.empty() ? "" : ", ") + JmenoVysledku(s, r, text);
        }
    o.Oznam(zprava);
}

} // namespace

std::optional<Udalost> UdalostOvladace(IdOvladace ovladac)
{
    for (const auto &[id, udalost] : UdalostiOvladacu)
        if (id == ovladac)
            return udalost;
    return std::nullopt;
}

void Obsluz(Udalost udalost, Stav &stav, Okno &okno)
{
    if (Vybrano(stav, udalost))
        return;
    switch (udalost) {
    case Udalost::Nacteni:
        Nacteni(stav);
        // Nothing on screen changes; the fields get their spoken names.
        PojmenujPole(stav, okno);
        break;
    case Udalost::TMedium1:
        ZvolMedium(stav, okno, 1);
        break;
    case Udalost::TMedium2:
        ZvolMedium(stav, okno, 2);
        break;
    case Udalost::TMedium3:
        ZvolMedium(stav, okno, 3);
        break;
    case Udalost::TZpusob1:
        ZvolZpusob(stav, okno, 1);
        break;
    case Udalost::TZpusob2:
        ZvolZpusob(stav, okno, 2);
        break;
    case Udalost::TPocitej:
        TPocitejClick(stav, okno);
        break;
    case Udalost::TKonec:
        // Ends the program at once, nothing asked, nothing saved.
        okno.Ukonci();
        break;
    }
}

void Viditelnost(const Stav &stav, Okno &okno)
{
    for (const PravidloViditelnosti &pravidlo : PravidlaViditelnosti) {
        const bool zobrazit = pravidlo.zobrazit(stav);
        for (const Radek r : pravidlo.radky) {
            okno.Zobraz(RadekTabulky(r).popisek, zobrazit);
            okno.Zobraz(RadekTabulky(r).jednotka, zobrazit);
            okno.Zobraz(RadekTabulky(r).pole, zobrazit);
        }
    }
}

bool Zobrazen(const Stav &stav, IdOvladace ovladac)
{
    for (const PravidloViditelnosti &pravidlo : PravidlaViditelnosti)
        for (const Radek r : pravidlo.radky) {
            const RadekHodnoty &radek = RadekTabulky(r);
            if (ovladac == radek.popisek || ovladac == radek.pole || ovladac == radek.jednotka)
                return pravidlo.zobrazit(stav);
        }
    return true;
}

IdOvladace PrvniFokus(const Stav &stav)
{
    const auto *prvni = std::find_if(PoradiTabulatoru.begin(), PoradiTabulatoru.end(),
                                     [&](IdOvladace i) { return Zobrazen(stav, i); });
    return prvni == PoradiTabulatoru.end() ? Ovl("TPocitej") : *prvni;
}

std::string_view PopisekRadku(const Stav &stav, Radek radek)
{
    if (radek == Radek::Prutok || radek == Radek::Zprutok)
        return PopisPrutokuStavu(stav).tok;
    return Ovladace[RadekTabulky(radek).popisek].text;
}

std::string_view JednotkaRadku(const Stav &stav, Radek radek)
{
    if (radek == Radek::Prutok || radek == Radek::Zprutok)
        return PopisPrutokuStavu(stav).jednotka;
    return Ovladace[RadekTabulky(radek).jednotka].text;
}

std::string JmenoVysledku(const Stav &stav, Radek radek, std::string_view vysledek)
{
    std::string jmeno(PopisekRadku(stav, radek));
    if (!vysledek.empty())
        (jmeno += ' ') += vysledek;
    if (const std::string_view jednotka = JednotkaRadku(stav, radek); jednotka != "-")
        (jmeno += vysledek.empty() ? ", " : " ") += jednotka;
    return jmeno;
}

std::string JmenoPole(const Stav &stav, Radek radek)
{
    return JmenoVysledku(stav, radek, {});
}

bool TichyPopisek(IdOvladace ovladac)
{
    return std::any_of(std::begin(RadkyVysledku), std::end(RadkyVysledku), [&](Radek r) {
        return ovladac == RadekTabulky(r).popisek || ovladac == RadekTabulky(r).jednotka;
    });
}

TextyVstupu CtiVstupy(const Okno &okno)
{
    TextyVstupu texty;
    for (const VazbaVstupu &v : VazbyVstupu)
        texty.*v.text = okno.Text(v.pole);
    return texty;
}

bool TmavePozadi(int cervena, int zelena, int modra)
{
    const auto slozka = [](int kanal) {
        const double v = kanal / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double jas = 0.2126 * slozka(cervena) + 0.7152 * slozka(zelena) + 0.0722 * slozka(modra);
    // Below this luminance white contrasts more with the colour than black.
    return jas < 0.179;
}
