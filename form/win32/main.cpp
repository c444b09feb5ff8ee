#include "OknoVentil.h"

#include <commctrl.h>

// The program takes no command line and reads and writes no file.
int WINAPI wWinMain(HINSTANCE modul, HINSTANCE, PWSTR, int nCmdShow)
{
    INITCOMMONCONTROLSEX ovladace{sizeof(ovladace), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&ovladace);
    OknoVentil okno(modul);
    if (!okno.Hwnd())
        return 1;
    okno.Ukaz(nCmdShow);
    return SmyckaZprav(okno.Hwnd());
}
