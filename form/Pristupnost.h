#pragma once

#include <initializer_list>

class QLabel;
class QWidget;

// What a screen reader gets from the window beyond Qt's defaults.

// Output fields (labels with a border that show a result) are spoken by
// their caption, the shown result and their unit (PojmenujRadek); the
// message line is a notification. The window is a frame named by its
// title; text fields, option buttons and the captions and units of results
// get interfaces of their own (see Pristupnost.cpp). Installed once per
// process.
void ZaregistrujPristupnost();

// Marks a label as an output field, or as the message line, for the
// factory above.
void OznacVystupniPole(QLabel *pole);
void OznacHlasku(QLabel *hlaska);

// Tells assistive technology that a result changed.
void OznamVysledek(QLabel *pole);

// Tells it the outcome of a compute through the message line: the message,
// or the shown results among these with their captions and units.
void OznamHlasku(QLabel *hlaska, std::initializer_list<const QLabel *> vysledky);

// Names the field of a row by its caption and unit, "Výkon, kW" ("-" is no
// unit). An output field then shows its result between them, "Průtočný
// součinitel kvs 7,13 m3/h", and the row's caption and unit labels are
// silent, so that a screen reader going through the window speaks each once.
void PojmenujRadek(QWidget *pole, QLabel *popisek, QLabel *jednotka);

// Shows or hides a control and tells assistive technology so.
void ZobrazPristupne(QWidget *ovladac, bool zobrazit);
