#include "OknoVentil.h"
#include "Utf.h"
#include "VzhledOkna.h"

#include <commctrl.h>
#include <ole2.h>

#include <string>

namespace {

// Tells the user, in Windows' words where it has some, why the window
// could not be made.
void OznamChybu(DWORD chyba)
{
    std::wstring text = L"Okno programu nelze vytvořit.";
    wchar_t *proc = nullptr;
    if (chyba &&
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, chyba, 0, reinterpret_cast<wchar_t *>(&proc), 0, nullptr)) {
        text += L"\n\n";
        text += proc;
        LocalFree(proc);
    }
    MessageBoxW(nullptr, text.c_str(), Utf16(NazevOkna).c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

// The program takes no command line and reads and writes no file.
int WINAPI wWinMain(HINSTANCE modul, HINSTANCE, PWSTR, int nCmdShow)
{
    INITCOMMONCONTROLSEX ovladace{sizeof(ovladace), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&ovladace);
    // Pictures are decoded and screen readers served through COM. Without
    // it the pictures stay empty and the window still works.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int vysledek = 1;
    {
        OknoVentil okno(modul);
        if (okno.Hwnd()) {
            okno.Ukaz(nCmdShow);
            vysledek = SmyckaZprav(okno);
        } else {
            OznamChybu(okno.Chyba());
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return vysledek;
}
