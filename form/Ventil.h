#pragma once

#include "state/Stav.h"

#include <QWidget>

#include <string_view>
#include <unordered_map>

class QLabel;
class QLineEdit;

// The program's one window. It owns the calculator state; its handlers read
// the fields' texts, call the computation and write texts back.
class Ventil : public QWidget
{
    Q_OBJECT

public:
    explicit Ventil(QWidget *parent = nullptr);

    // Gives the application the window's style and font before the window is
    // made, so no widget is first laid out in another and then again.
    static void PripravAplikaci();

    // Shows and hides the input and output rows for the current mode.
    void Viditelnost();

    const Stav &stav() const { return stav_; }

private:
    void VytvorOvladace();
    void PojmenujPole();
    void NastavPoradiTabulatoru();
    void PripojUdalosti();

    // Event handlers.
    void Nacteni();
    void ZvolMedium(int medium);
    void ZvolZpusob(int zpusob);
    void TPocitejClick();
    void TKonecClick();

    QWidget *ovladac(const char *jmeno) const;
    QLineEdit *pole(const char *jmeno) const;
    QLabel *popisek(const char *jmeno) const;

    // By the names of the control table, which live for the whole program.
    std::unordered_map<std::string_view, QWidget *> ovladace_;
    Stav stav_;
    bool vlastniStyl_ = false;
};
