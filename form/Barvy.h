#pragma once

#include <QString>

#include <functional>

class QLabel;
class QPixmap;
class QWidget;

// Colours that stay readable whatever colours the desktop theme gives the
// window; everything else keeps the theme's.

// Light cyan behind a result, with dark text on it: a theme's text colour
// may be light, and light text on cyan cannot be read.
void ObarviAzurove(QWidget *pole);

// Shows the picture at cesta, read by nacti, in a label. A picture with a
// light variant (name-svetle.gif) shows that one while the window behind it
// is dark, and switches when the theme changes.
void ZobrazObrazek(QLabel *obrazek, const QString &cesta,
                   const std::function<QPixmap(const QString &)> &nacti);
