#pragma once

#include <QApplication>
#include <QTranslator>

// What must be settled before Qt starts: a window that cannot open ends the
// program with a clear word (Displej.h). Qt is given the program's name
// alone: the program takes no command line, not even Qt's generic options
// (-style, -stylesheet, -reverse, -platform); the environment variables by
// which a desktop talks to every Qt program still apply.
struct PredSpustenimQt
{
    explicit PredSpustenimQt(char *nazevProgramu);

    int argc;
    char *argv[2];
};

// The application as the program runs it: main() and every test of the
// window make it through this one class, so the tests see the style, font
// and settings that ship.
class Aplikace : private PredSpustenimQt, public QApplication
{
public:
    explicit Aplikace(char *nazevProgramu);

private:
    QTranslator prekladQt_;
};
