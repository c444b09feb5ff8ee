#include "Barvy.h"

#include <QWidget>

namespace {

const QColor Azurova(128, 255, 255);

} // namespace

void ObarviAzurove(QWidget *pole)
{
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Window, Azurova);
    paleta.setColor(QPalette::WindowText, Qt::black);
    pole->setPalette(paleta);
    pole->setAutoFillBackground(true);
}
