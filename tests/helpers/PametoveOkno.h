#pragma once

// A window of plain data over the window's logic, for the tests and the
// fuzz targets: each control's text, visibility and spoken name as the logic
// leaves them. Standard C++ only.

#include "LogikaOkna.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class PametoveOkno : public Okno
{
public:
    explicit PametoveOkno(std::string oddelovac = ".") : oddelovac_(std::move(oddelovac))
    {
        for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
            if (Ovladace[i].druh != DruhOvladace::Obrazek)
                texty[i] = Ovladace[i].text;
            zobrazene[i] = Ovladace[i].vlastnost != Vlastnost::Skryty;
        }
        Obsluz(Udalost::Nacteni, stav, *this);
    }

    // A step as a user takes it: "TMedium2" selects that option or presses
    // that button, "TPpary=400" replaces that field's text, "!" presses
    // "Spočítej". False when the control is not shown, or is no such
    // control.
    bool Proved(std::string_view krok)
    {
        if (krok == "!")
            krok = "TPocitej";
        const std::size_t rovna = krok.find('=');
        const IdOvladace id = NajdiOvladac(krok.substr(0, rovna));
        if (id == Ovladace.size() || !zobrazene[id])
            return false;
        if (rovna != std::string_view::npos) {
            if (Ovladace[id].druh != DruhOvladace::TextovePole)
                return false;
            texty[id] = krok.substr(rovna + 1);
            return true;
        }
        const std::optional<Udalost> udalost = UdalostOvladace(id);
        if (udalost)
            Obsluz(*udalost, stav, *this);
        return udalost.has_value();
    }

    std::string Text(IdOvladace ovladac) const override { return texty[ovladac]; }
    void NastavText(IdOvladace ovladac, std::string_view text) override { texty[ovladac] = text; }
    void Zobraz(IdOvladace ovladac, bool zobrazit) override { zobrazene[ovladac] = zobrazit; }
    void Pojmenuj(IdOvladace ovladac, std::string_view jmeno) override { jmena[ovladac] = jmeno; }
    void Oznam(std::string_view zprava) override { oznameni.emplace_back(zprava); }
    std::string DesetinnyOddelovac() const override { return oddelovac_; }
    void Ukonci() override { ukonceno = true; }

    Stav stav;
    std::array<std::string, Ovladace.size()> texty;
    std::array<bool, Ovladace.size()> zobrazene{};
    std::array<std::string, Ovladace.size()> jmena;
    std::vector<std::string> oznameni;
    bool ukonceno = false;

private:
    std::string oddelovac_;
};
