#pragma once

class QLabel;
class QString;
class QWidget;

// What a screen reader gets from the window beyond Qt's defaults.

// Output fields (labels with a border that show a result) are spoken by
// their caption, the shown result and their unit, as the window's logic
// names them; the
// message line is a notification. The window is a frame named by its
// title; text fields, option buttons and the captions and units of results
// get interfaces of their own (see Pristupnost.cpp). Installed once per
// process.
void ZaregistrujPristupnost();

// Marks a label as an output field, or as the message line, for the
// factory above.
void OznacVystupniPole(QLabel *pole);
void OznacHlasku(QLabel *hlaska);

// Marks the caption or unit label of a result as silent: the result's name
// speaks it, so a screen reader going through the window speaks each once.
void OznacTichyPopisek(QLabel *popisek);

// Tells it the outcome of a compute through the message line: the message,
// or the results just shown with their captions and units.
void OznamHlasku(QLabel *hlaska, const QString &zprava);

// Sets what a screen reader calls a control.
void PojmenujPristupne(QWidget *ovladac, const QString &jmeno);

// Shows or hides a control and tells assistive technology so.
void ZobrazPristupne(QWidget *ovladac, bool zobrazit);
