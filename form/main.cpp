#include "Ventil.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.ventil.Ventil"));
    Ventil::PripravAplikaci();
    Ventil okno;
    okno.show();
    return app.exec();
}
