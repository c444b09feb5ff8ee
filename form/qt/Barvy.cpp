#include "Barvy.h"

#include "VzhledOkna.h"

#include <QWidget>

namespace {

QColor Q(const Barva &b)
{
    return {b.cervena, b.zelena, b.modra};
}

} // namespace

void Obarvi(QWidget *ovladac, const BarvyPole &barvy)
{
    QPalette paleta = ovladac->palette();
    paleta.setColor(QPalette::Window, Q(barvy.pozadi));
    paleta.setColor(QPalette::WindowText, Q(barvy.text));
    ovladac->setPalette(paleta);
    ovladac->setAutoFillBackground(true);
}
