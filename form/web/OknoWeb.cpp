// The window Ventil as a web page: the controls are elements of the page
// inside #Ventil, each with the id of its name in the control table. The
// stylesheet places them (the design's places on a wide screen, one column
// on a narrow one); this file creates them, forwards their events to the
// logic and writes what the logic asks. ventil-start.js hands over the
// events.

#include "LogikaOkna.h"
#include "PoradiCteni.h"
#include "VzhledOkna.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using emscripten::val;

namespace {

val Prvek(const char *id)
{
    return val::global("document").call<val>("getElementById", std::string(id));
}

val Vytvor(const char *znacka)
{
    return val::global("document").call<val>("createElement", std::string(znacka));
}

std::string Css(Barva b)
{
    return "rgb(" + std::to_string(b.cervena) + " " + std::to_string(b.zelena) + " " +
           std::to_string(b.modra) + ")";
}

std::string Px(int twipy)
{
    return std::to_string(Pixely(twipy)) + "px";
}

bool JeRadek(IdOvladace i, IdOvladace RadekHodnoty::*cast)
{
    return std::any_of(RadkyHodnot.begin(), RadkyHodnot.end(),
                       [&](const RadekHodnoty &r) { return r.*cast == i; });
}

class OknoWeb final : public Okno
{
public:
    OknoWeb()
    {
        val::global("document").set("title", std::string(NazevOkna));
        VytvorOvladace();
        Obsluz(Udalost::Nacteni, stav_, *this);
    }

    void Ukaz(bool uzke)
    {
        Prizpusob(uzke);
        okno_.set("hidden", false);
        // Without scrolling to it: in one column the button lies below the
        // modes and inputs, which a person reads first.
        val bezPosunu = val::object();
        bezPosunu.set("preventScroll", true);
        prvky_[PrvniFokus(stav_)].call<void>("focus", bezPosunu);
    }

    // The layout changed between the design's places and one column, or the
    // colours changed.
    void Prizpusob(bool uzke)
    {
        uzke_ = uzke;
        // In one column the page's order is the tab order; at the design's
        // places the design's tab indexes are.
        for (IdOvladace i = 0; i < Ovladace.size(); ++i)
            if (BereFokus(Ovladace[i].druh)) {
                if (uzke)
                    prvky_[i].call<void>("removeAttribute", std::string("tabindex"));
                else
                    prvky_[i].set("tabIndex", Ovladace[i].tabIndex + 1);
            }
        UkazObrazky();
    }

    void Stisk(const std::string &jmeno)
    {
        const IdOvladace i = NajdiOvladac(jmeno);
        if (ukonceno_ || i == Ovladace.size())
            return;
        const std::optional<Udalost> udalost = UdalostOvladace(i);
        if (!udalost)
            return;
        Obsluz(*udalost, stav_, *this);
        // In one column the results lie below the button: bring the whole
        // block of them, message included, into view.
        if (*udalost == Udalost::TPocitej && uzke_ && !ukonceno_) {
            val blizko = val::object();
            blizko.set("block", std::string("nearest"));
            prvky_[Ovl("THlaska")].call<void>("scrollIntoView", blizko);
            prvky_[RadekTabulky(Radek::Prutok).popisek].call<void>("scrollIntoView", blizko);
        }
    }

    std::string Text(IdOvladace ovladac) const override
    {
        return Ovladace[ovladac].druh == DruhOvladace::TextovePole
                   ? prvky_[ovladac]["value"].as<std::string>()
                   : prvky_[ovladac]["textContent"].as<std::string>();
    }

    void NastavText(IdOvladace ovladac, std::string_view text) override
    {
        prvky_[ovladac].set(Ovladace[ovladac].druh == DruhOvladace::TextovePole ? "value"
                                                                                : "textContent",
                            std::string(text));
    }

    void Zobraz(IdOvladace ovladac, bool zobrazit) override
    {
        prvky_[ovladac].set("hidden", !zobrazit);
    }

    void Pojmenuj(IdOvladace ovladac, std::string_view jmeno) override
    {
        prvky_[ovladac].call<void>("setAttribute", std::string("aria-label"), std::string(jmeno));
    }

    void Oznam(std::string_view zprava) override
    {
        // Emptied first, so that the same outcome twice is spoken twice.
        val oznameni = Prvek("Oznameni");
        oznameni.set("textContent", std::string());
        oznameni.set("textContent", std::string(zprava));
    }

    std::string DesetinnyOddelovac() const override
    {
        // The browser's language, passed on: Intl's own default follows the
        // system's, which need not be the browser's.
        const val casti = val::global("Intl")["NumberFormat"]
                              .new_(val::global("navigator")["language"])
                              .call<val>("formatToParts", 1.5);
        const unsigned pocet = casti["length"].as<unsigned>();
        for (unsigned k = 0; k < pocet; ++k)
            if (casti[k]["type"].as<std::string>() == "decimal")
                return casti[k]["value"].as<std::string>();
        return ".";
    }

    void Ukonci() override
    {
        ukonceno_ = true;
        // A page may close only a window that a script opened, or an
        // installed app's; elsewhere the browser refuses and the page stops.
        val::global("window").call<void>("close");
        okno_.set("hidden", true);
        Prvek("Oznameni").set("textContent", std::string());
        val konec = Prvek("Konec");
        konec.set("hidden", false);
        konec.call<void>("focus");
    }

private:
    void VytvorOvladace()
    {
        for (const IdOvladace i : PoradiCteni) {
            const PopisOvladace &p = Ovladace[i];
            const std::string jmeno(p.jmeno);
            const std::string text(p.text);
            val prvek = val::undefined();
            // What the stylesheet places: the element itself, or for an
            // option button the label that holds it and its caption.
            val umisteny = val::undefined();
            switch (p.druh) {
            case DruhOvladace::Popisek:
                // Clicking it does nothing, as on the desktop: a field's name
                // comes from the logic, not from its caption.
                prvek = Vytvor("span");
                prvek.set("textContent", text);
                if (TichyPopisek(i))
                    prvek.call<void>("setAttribute", std::string("aria-hidden"),
                                     std::string("true"));
                break;
            case DruhOvladace::VystupniPole:
                // A result: read-only text that can be selected and copied,
                // never a Tab stop; it announces nothing by itself.
                prvek = Vytvor("output");
                prvek.call<void>("setAttribute", std::string("aria-live"), std::string("off"));
                prvek.set("textContent", text);
                break;
            case DruhOvladace::TextovePole:
                prvek = Vytvor("input");
                prvek.set("type", std::string("text"));
                prvek.set("inputMode", std::string("decimal"));
                prvek.set("maxLength", MaxDelkaTextu);
                prvek.set("autocomplete", std::string("off"));
                prvek.set("spellcheck", false);
                prvek.set("value", text);
                break;
            case DruhOvladace::Prepinac: {
                prvek = Vytvor("input");
                prvek.set("type", std::string("radio"));
                prvek.set("name", std::string(p.kontejner));
                prvek.set("checked", p.vlastnost == Vlastnost::Vybrany);
                umisteny = Vytvor("label");
                umisteny.set("className", std::string("prepinac"));
                umisteny.call<void>("append", prvek);
                umisteny.call<void>("append", text);
                break;
            }
            case DruhOvladace::Tlacitko:
                prvek = Vytvor("button");
                prvek.set("type", std::string("button"));
                prvek.set("textContent", text);
                break;
            case DruhOvladace::Ramecek: {
                prvek = Vytvor("fieldset");
                val legenda = Vytvor("legend");
                legenda.set("textContent", text);
                prvek.call<void>("append", legenda);
                break;
            }
            case DruhOvladace::Obrazek:
                prvek = Vytvor("img");
                prvek.set("alt", std::string(p.nazev));
                prvek.set("width", Pixely(p.sirka));
                prvek.set("height", Pixely(p.vyska));
                break;
            }
            prvek.set("id", jmeno);
            if (umisteny.isUndefined())
                umisteny = prvek;
            val styl = umisteny["style"];
            styl.call<void>("setProperty", std::string("--x"), Px(p.vlevo));
            styl.call<void>("setProperty", std::string("--y"), Px(p.nahore));
            styl.call<void>("setProperty", std::string("--w"), Px(p.sirka));
            styl.call<void>("setProperty", std::string("--h"), Px(p.vyska));
            if (const std::optional<BarvyPole> barvy = BarvyOvladace(i)) {
                styl.call<void>("setProperty", std::string("--pozadi"), Css(barvy->pozadi));
                styl.call<void>("setProperty", std::string("--text"), Css(barvy->text));
            }
            if (p.vlastnost == Vlastnost::Skryty)
                prvek.set("hidden", true);
            const RezPisma pismo = RezPismaOvladace(i);
            styl.call<void>("setProperty", std::string("--pismo"),
                            std::to_string(pismo.body) + "pt");
            styl.call<void>("setProperty", std::string("--rez"),
                            std::string(pismo.tucne ? "bold" : "normal"));
            styl.call<void>("setProperty", std::string("z-index"), std::to_string(2 - Vrstva(i)));
            // The stylesheet's hooks: a row's caption, field and unit.
            std::string trida = JeRadek(i, &RadekHodnoty::popisek)    ? "popisek"
                                : JeRadek(i, &RadekHodnoty::jednotka) ? "jednotka"
                                : JeRadek(i, &RadekHodnoty::pole)     ? "pole"
                                                                      : "";
            if (!trida.empty())
                umisteny["classList"].call<void>("add", trida);
            (p.kontejner.empty() ? okno_ : prvky_[NajdiOvladac(p.kontejner)])
                .call<void>("append", umisteny);
            prvky_[i] = prvek;
        }
    }

    // The pictures, the logo light on a dark background.
    void UkazObrazky()
    {
        const val barva =
            val::global("window").call<val>("getComputedStyle", okno_)["backgroundColor"];
        int rgb[3] = {255, 255, 255};
        std::sscanf(barva.as<std::string>().c_str(), "rgb%*[a(]%d, %d, %d", &rgb[0], &rgb[1],
                    &rgb[2]);
        const Barva pozadi{rgb[0], rgb[1], rgb[2]};
        for (IdOvladace i = 0; i < Ovladace.size(); ++i)
            if (Ovladace[i].druh == DruhOvladace::Obrazek) {
                prvky_[i].set("src", "res/" + SouborObrazku(Ovladace[i].text, pozadi, 1));
                prvky_[i].set("srcset",
                              "res/" + SouborObrazku(Ovladace[i].text, pozadi, 2) + " 2x");
            }
    }

    Stav stav_;
    val okno_ = Prvek("Ventil");
    std::vector<val> prvky_ = std::vector<val>(Ovladace.size(), val::undefined());
    bool uzke_ = false;
    bool ukonceno_ = false;
};

OknoWeb *okno = nullptr;

// The page's load: creates the window and runs its load handler, then
// shows it, laid out for the screen's width.
void Spust(bool uzke)
{
    static OknoWeb ventil;
    okno = &ventil;
    okno->Ukaz(uzke);
}

void Stisk(const std::string &jmeno)
{
    if (okno)
        okno->Stisk(jmeno);
}

void Prizpusob(bool uzke)
{
    if (okno)
        okno->Prizpusob(uzke);
}

} // namespace

EMSCRIPTEN_BINDINGS(ventil)
{
    emscripten::function("Spust", &Spust);
    emscripten::function("Stisk", &Stisk);
    emscripten::function("Prizpusob", &Prizpusob);
}
