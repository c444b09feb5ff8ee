#include "Ventil.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Ventil okno;
    okno.show();
    return app.exec();
}
