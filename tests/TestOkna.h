#pragma once

#include "Aplikace.h"

#include <QTest>

// main() of a test of the window: the application is made as the program
// makes it (style, font, no command line); Qt Test alone reads the
// arguments.
#define VENTIL_TEST_MAIN(TridaTestu)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        Aplikace aplikace(argv[0]);                                                                \
        TridaTestu test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
