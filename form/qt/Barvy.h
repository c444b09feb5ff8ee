#pragma once

class QWidget;

// Colours that stay readable whatever colours the desktop theme gives the
// window; everything else keeps the theme's.

// Light cyan behind a result, with dark text on it: a theme's text colour
// may be light, and light text on cyan cannot be read.
void ObarviAzurove(QWidget *pole);
