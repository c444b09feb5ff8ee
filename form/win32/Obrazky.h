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

    // The picture of the resource soubor (a file name of the picture list,
    // as SouborObrazku chooses it), the size of the drawing soubor1x scaled
    // to dpi. False, and nothing drawn, when it cannot be read.
    bool Nacti(HINSTANCE modul, const std::wstring &soubor1x, const std::wstring &soubor, int dpi);
    void Kresli(HDC dc, int x, int y) const;

private:
    void Uvolni();

    HBITMAP bitmapa_ = nullptr;
    int sirka_ = 0, vyska_ = 0;
};
