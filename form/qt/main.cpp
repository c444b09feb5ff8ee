#include "Aplikace.h"
#include "Ventil.h"

int main(int, char *argv[])
{
    Aplikace aplikace(argv[0]);
    Ventil okno;
    okno.show();
    return aplikace.exec();
}
