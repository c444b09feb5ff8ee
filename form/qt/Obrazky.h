#pragma once

class QIcon;
class QLabel;
class QString;

// The window's pictures, read from the resources: at the screen's pixel
// density, in the variant that stands out from the colours behind them, and
// named for a screen reader.

// The window's icon, at its two sizes.
QIcon IkonaOkna();

// Shows the picture named soubor (":/res/soubor.gif") in a label, called
// nazev for a screen reader. The twice-as-large
// drawing (name@2x.png) is shown on high-density screens, so it stays sharp
// instead of being scaled up. A picture with a light variant
// (name-svetle.gif) shows that one while the window behind it is dark, and
// switches when the theme changes.
void ZobrazObrazek(QLabel *obrazek, const QString &soubor, const QString &nazev);
