#pragma once

#include <windows.h>

#include <string>

// A picture of the program's resources, decoded by Windows Imaging Component
// at a screen's dots per inch and drawn with its transparency.
class Obrazek
{
public:
    Obrazek() = default;
    Obrazek(const Obrazek &) = delete;
    Obrazek &operator=(const Obrazek &) = delete;
    ~Obrazek();

    // The picture of that name ("logo"), or its variant for dark
    // backgrounds where one exists, the size of its 1x drawing scaled to
    // dpi. Above 96 dpi it is made from the @2x drawing, so it stays sharp.
    // False, and nothing drawn, when it cannot be read.
    bool Nacti(HINSTANCE modul, const std::wstring &jmeno, bool proTmave, int dpi);
    void Kresli(HDC dc, int x, int y) const;

private:
    void Uvolni();

    HBITMAP bitmapa_ = nullptr;
    int sirka_ = 0, vyska_ = 0;
};
