#pragma once

#include "Stav.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
enum class Radek;

// The program's one window. It owns the calculator state; its handlers read
// the fields' texts, call the computation and write texts back.
class Ventil : public QWidget
{
    Q_OBJECT

public:
    explicit Ventil(QWidget *parent = nullptr);

    // Shows and hides the input and output rows for the current mode.
    void Viditelnost();

    const Stav &stav() const { return stav_; }

private:
    void VytvorOvladace();
    void PriradOvladace();
    void PojmenujPole();
    void NastavPoradiTabulatoru();
    void PripojUdalosti();

    // Event handlers.
    void Nacteni();
    void ZvolMedium(int medium);
    void ZvolZpusob(int zpusob);
    void TPocitejClick();
    void TKonecClick();

    // The controls the handlers use, found once by their names in the
    // control table; a name missing from it stops the program at start-up.
    struct RadekOkna
    {
        QLabel *popisek;
        QWidget *pole;
        QLabel *jednotka;
    };
    struct
    {
        QLineEdit *TVykon, *TDeltaP, *TDeltaT, *TPpary, *TZprutok, *TSuchost;
        QLabel *TPrutok, *TObjem1, *TObjem2, *TObjem12, *Tkvs, *THlaska;
        QLabel *LPrutok, *LZprutok, *LJPrutok, *LJZprutok;
        QRadioButton *TMedium1, *TMedium2, *TMedium3, *TZpusob1, *TZpusob2;
        QPushButton *TPocitej, *TKonec;
        std::array<RadekOkna, 11> radky; // as RadkyHodnot
    } o_{};

    RadekOkna &radek(Radek r);
    template <typename T> T *najdi(const char *jmeno) const;

    Stav stav_;
};
