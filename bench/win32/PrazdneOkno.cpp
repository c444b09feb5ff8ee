// An empty Win32 window with Ventil's 724 x 504 client area: the baseline of
// bench/win32/startup.py.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l)
{
    if (zprava == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(okno, zprava, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int zobrazeni)
{
    WNDCLASSW trida{};
    trida.lpfnWndProc = Procedura;
    trida.hInstance = instance;
    trida.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    trida.lpszClassName = L"PrazdneOkno";
    RegisterClassW(&trida);
    const DWORD styl = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, 724, 504};
    AdjustWindowRect(&r, styl, FALSE);
    HWND okno =
        CreateWindowW(L"PrazdneOkno", L"Ventil", styl, CW_USEDEFAULT, CW_USEDEFAULT,
                      r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(okno, zobrazeni);
    MSG zprava;
    while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        TranslateMessage(&zprava);
        DispatchMessageW(&zprava);
    }
    return 0;
}
