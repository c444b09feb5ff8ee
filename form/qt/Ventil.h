#pragma once

#include "LogikaOkna.h"
#include "Stav.h"

#include <QWidget>

#include <array>

// The program's one window in Qt. It builds the controls from the control
// table, forwards their events to the window's logic and does what the
// logic asks: texts, visibility, names for a screen reader.
class Ventil : public QWidget, private Okno
{
    Q_OBJECT

public:
    explicit Ventil(QWidget *parent = nullptr);

    const Stav &stav() const { return stav_; }

private:
    void VytvorOvladace();
    void NastavPoradiTabulatoru();
    void PripojUdalosti();

    // Okno
    std::string Text(IdOvladace ovladac) const override;
    void NastavText(IdOvladace ovladac, std::string_view text) override;
    void Zobraz(IdOvladace ovladac, bool zobrazit) override;
    void Pojmenuj(IdOvladace ovladac, std::string_view jmeno) override;
    void Oznam(std::string_view zprava) override;
    std::string DesetinnyOddelovac() const override;
    void Ukonci() override;

    std::array<QWidget *, Ovladace.size()> ovladace_{};
    Stav stav_;
};
