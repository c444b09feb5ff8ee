#pragma once

class QLabel;

// What a screen reader gets from the window beyond Qt's defaults.

// Output fields (labels with a border that show a result) are spoken by
// their accessible name, caption and unit, and offer the shown result as
// their value. Installed once per process.
void ZaregistrujPristupnost();

// Marks a label as an output field for the factory above.
void OznacVystupniPole(QLabel *pole);

// Tells assistive technology that a result or the message line changed.
void OznamVysledek(QLabel *pole);
void OznamHlasku(QLabel *hlaska);
