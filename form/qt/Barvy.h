#pragma once

struct BarvyPole;
class QWidget;

// Colours that stay readable whatever colours the desktop theme gives the
// window (BarvyOvladace); everything else keeps the theme's.
void Obarvi(QWidget *ovladac, const BarvyPole &barvy);
