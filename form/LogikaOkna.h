#pragma once

#include "OvladaceOkna.h"
#include "PrikazSpocitej.h"
#include "Stav.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The window Ventil without a toolkit: what each of its events does, which
// rows each mode shows, the flow captions, the tab order, which field feeds
// which input of the compute command, and what a screen reader calls each
// control. A toolkit's window creates the controls from Ovladace, forwards
// the events here and does what this asks of it through Okno; it holds no
// rule of its own.

// What the logic asks of a toolkit's window. Controls are named by their
// index in Ovladace. None of these starts a handler.
class Okno
{
public:
    // The text of a text field, or the caption of a label or output field.
    virtual std::string Text(IdOvladace ovladac) const = 0;
    virtual void NastavText(IdOvladace ovladac, std::string_view text) = 0;
    virtual void Zobraz(IdOvladace ovladac, bool zobrazit) = 0;
    // What a screen reader calls the control. Naming an output field again
    // tells a screen reader its result was written, even when it reads as
    // before.
    virtual void Pojmenuj(IdOvladace ovladac, std::string_view jmeno) = 0;
    // Tells a screen reader the outcome of a compute, wherever the focus is.
    virtual void Oznam(std::string_view zprava) = 0;
    // The decimal separator of the user's regional settings.
    virtual std::string DesetinnyOddelovac() const = 0;
    // Closes the window and ends the program, nothing asked.
    virtual void Ukonci() = 0;

protected:
    ~Okno() = default;
};

// The events the window handles: its load, the selection of each option
// button, the press of each push button.
enum class Udalost { Nacteni, TMedium1, TMedium2, TMedium3, TZpusob1, TZpusob2, TPocitej, TKonec };

// The event that selecting or pressing a control raises, if any.
std::optional<Udalost> UdalostOvladace(IdOvladace ovladac);

// Runs the event's handler on the state, writing through the window.
// Selecting the option that the state already has selected does nothing,
// however the window reports it.
void Obsluz(Udalost udalost, Stav &stav, Okno &okno);

// Shows and hides the input and output rows for the mode of the state.
void Viditelnost(const Stav &stav, Okno &okno);

// Whether the control is shown in the mode of the state. The table's hidden
// controls are those the start mode hides.
bool Zobrazen(const Stav &stav, IdOvladace ovladac);

// Whether the control can take the keyboard focus.
constexpr bool BereFokus(DruhOvladace druh)
{
    return druh == DruhOvladace::TextovePole || druh == DruhOvladace::Prepinac ||
           druh == DruhOvladace::Tlacitko;
}

// The controls that take the focus, in tab-index order.
inline constexpr auto PoradiTabulatoru = [] {
    constexpr std::size_t pocet = [] {
        std::size_t n = 0;
        for (const PopisOvladace &p : Ovladace)
            n += BereFokus(p.druh) && p.tabIndex >= 0;
        return n;
    }();
    std::array<IdOvladace, pocet> poradi{};
    std::size_t n = 0;
    for (IdOvladace i = 0; i < Ovladace.size(); ++i)
        if (BereFokus(Ovladace[i].druh) && Ovladace[i].tabIndex >= 0) {
            std::size_t k = n++;
            for (; k > 0 && Ovladace[poradi[k - 1]].tabIndex > Ovladace[i].tabIndex; --k)
                poradi[k] = poradi[k - 1];
            poradi[k] = i;
        }
    return poradi;
}();

// The control that has the focus when the window is first shown: the first
// shown one in tab order.
IdOvladace PrvniFokus(const Stav &stav);

// The caption and the unit of a row as the medium of the state shows them.
std::string_view PopisekRadku(const Stav &stav, Radek radek);
std::string_view JednotkaRadku(const Stav &stav, Radek radek);

// What a screen reader calls a row's field: its caption and unit, "Výkon,
// kW" ("-" is no unit). An output field that shows a result is called by
// its caption, the result and its unit, as they read on screen,
// "Průtočný součinitel kvs 7,13 m3/h". No colon or semicolon: at a screen
// reader's default punctuation level those are spoken as words.
std::string JmenoPole(const Stav &stav, Radek radek);
std::string JmenoVysledku(const Stav &stav, Radek radek, std::string_view vysledek);

// The caption and unit labels of the results: their field's name speaks
// them, so a screen reader going through the window passes them over.
bool TichyPopisek(IdOvladace ovladac);

// Whether a background of that colour (0-255 a channel) is dark: white
// contrasts with it more than black does, by WCAG's relative luminance. A
// picture with a light variant shows that one on a dark background.
bool TmavePozadi(int cervena, int zelena, int modra);

// Which field's text is which input of the compute command.
struct VazbaVstupu
{
    IdOvladace pole;
    std::string TextyVstupu::*text;
};
inline constexpr std::array VazbyVstupu = std::to_array<VazbaVstupu>({
    {Ovl("TVykon"), &TextyVstupu::TVykon},
    {Ovl("TDeltaP"), &TextyVstupu::TDeltaP},
    {Ovl("TDeltaT"), &TextyVstupu::TDeltaT},
    {Ovl("TPpary"), &TextyVstupu::TPpary},
    {Ovl("TZprutok"), &TextyVstupu::TZprutok},
    {Ovl("TSuchost"), &TextyVstupu::TSuchost},
});

// Which control shows which text the compute command writes, in the order
// they are written; the message line THlaska comes last.
struct VazbaVystupu
{
    IdOvladace pole;
    std::optional<std::string> ZapisDoOkna::*text;
};
inline constexpr std::array VazbyVystupu = std::to_array<VazbaVystupu>({
    {Ovl("TSuchost"), &ZapisDoOkna::TSuchost},
    {Ovl("TPpary"), &ZapisDoOkna::TPpary},
    {Ovl("TPrutok"), &ZapisDoOkna::TPrutok},
    {Ovl("TObjem1"), &ZapisDoOkna::TObjem1},
    {Ovl("TObjem12"), &ZapisDoOkna::TObjem12},
    {Ovl("TObjem2"), &ZapisDoOkna::TObjem2},
    {Ovl("Tkvs"), &ZapisDoOkna::Tkvs},
});

// The texts of the input fields as the window holds them.
TextyVstupu CtiVstupy(const Okno &okno);
