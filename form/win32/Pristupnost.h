#pragma once

#include <windows.h>

#include <string>

// What a screen reader is told about one control beyond what Windows'
// standard object for it says.
struct PristupnyPopis
{
    std::wstring jmeno; // empty: the standard object's name
    bool tichy = false; // a label its field's name already speaks
    bool obrazek = false;
};

// Answers WM_GETOBJECT for the control with an object of the control's own
// that gives the popis's name and passes all else to Windows' standard
// object. The popis must outlive the control; once the control is
// destroyed, the objects a screen reader still holds answer every call with
// CO_E_OBJNOTCONNECTED.
void ZpristupniOvladac(HWND ovladac, const PristupnyPopis *popis);

// Tells screen readers that the control's name changed.
void OznamZmenuJmena(HWND ovladac);

// Announces zprava wherever the focus is: the message line, whose name is
// zprava, reports a change of name and of its live region, and UI
// Automation raises a notification where Windows has it.
void OznamZpravu(HWND hlaska, const std::wstring &zprava);
