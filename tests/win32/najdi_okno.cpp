// Starts the real program, waits for its window "Ventil" and checks what a
// user meets first: the window shown at its size, "Spočítej" focused. Then
// closes it as the title bar's cross does and expects a clean exit.
// Exit status 0 when all holds.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int Chyba(const char *co)
{
    std::fprintf(stderr, "najdi_okno: %s\n", co);
    return 1;
}

} // namespace

int wmain(int pocet, wchar_t **argumenty)
{
    if (pocet != 2)
        return Chyba("usage: najdi_okno ventil.exe");
    // A Unix path from CTest reaches Windows through Wine's Z: drive.
    std::wstring program = argumenty[1];
    if (!program.empty() && program[0] == L'/')
        program = L"Z:" + program;
    for (wchar_t &z : program)
        if (z == L'/')
            z = L'\\';

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring prikaz = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi))
        return Chyba("cannot start the program");

    HWND okno = nullptr;
    for (int i = 0; i < 300 && !okno; ++i) {
        for (HWND h = FindWindowW(L"VentilOkno", L"Ventil"); h;
             h = FindWindowExW(nullptr, h, L"VentilOkno", L"Ventil")) {
            DWORD proces = 0;
            GetWindowThreadProcessId(h, &proces);
            if (proces == pi.dwProcessId && IsWindowVisible(h))
                okno = h;
        }
        if (!okno)
            Sleep(50);
    }
    int vysledek = 0;
    if (!okno) {
        vysledek = Chyba("no window \"Ventil\" appeared");
    } else {
        RECT klient{};
        GetClientRect(okno, &klient);
        GUITHREADINFO vlakno{};
        vlakno.cbSize = sizeof(vlakno);
        GetGUIThreadInfo(GetWindowThreadProcessId(okno, nullptr), &vlakno);
        wchar_t text[32] = {};
        GetWindowTextW(vlakno.hwndFocus, text, 32);
        if (klient.right != 724 || klient.bottom != 504)
            vysledek = Chyba("the client area is not 724 x 504 at 96 dpi");
        else if (GetDlgCtrlID(vlakno.hwndFocus) != 1025 ||
                 std::wstring(text) != L"Spo\x010D\x00EDtej")
            vysledek = Chyba("\"Spočítej\" does not have the focus");
        PostMessageW(okno, WM_CLOSE, 0, 0);
    }
    DWORD kod = 1;
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        vysledek = Chyba("the program did not end when closed");
    } else if (GetExitCodeProcess(pi.hProcess, &kod) && kod != 0 && vysledek == 0) {
        vysledek = Chyba("the program ended with a failure");
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return vysledek;
}
