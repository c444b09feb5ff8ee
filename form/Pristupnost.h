#pragma once

#include <initializer_list>

class QLabel;
class QString;

// What a screen reader gets from the window beyond Qt's defaults.

// Output fields (labels with a border that show a result) are spoken by
// their accessible name, caption and unit, followed by the shown result;
// the message line is a notification. Installed once per process.
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
