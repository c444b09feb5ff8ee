#pragma once

#include <string_view>

class QIcon;
class QLabel;
class QString;

// The window's pictures, read from the resources: at the screen's pixel
// density, in the variant that stands out from the colours behind them, and
// named for a screen reader.

// The window's icon, at its two sizes.
QIcon IkonaOkna();

// Shows the picture of that name in a label (SouborObrazku chooses the
// file), called nazev for a screen reader, and switches it when the theme
// changes.
void ZobrazObrazek(QLabel *obrazek, std::string_view jmeno, const QString &nazev);
