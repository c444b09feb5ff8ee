#pragma once

#include "state/Stav.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QLineEdit;

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

    QHash<QString, QWidget *> ovladace_;
    Stav stav_;
};
