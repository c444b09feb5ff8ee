// The Win32 window driven in this process by messages, as a user's clicks
// and keys reach it: its layout against the control table, the same texts,
// visibility and spoken names as the window's logic gives for the same
// steps, the keyboard, the decimal separator of the user locale and hostile
// input.
//
// What Wine cannot show: another process (a screen reader) sees Wine's
// default accessible objects, not the window's own, so the names are read
// in this process; UI Automation's notification is absent from Wine 8 and
// is skipped; Wine 8 neither sets nor reports high contrast
// (SPI_SETHIGHCONTRAST fails, SPI_GETHIGHCONTRAST says off), so there only
// a high-contrast theme's system colours are put in force.

#include "OknoVentil.h"
#include "PametoveOkno.h"
#include "Utf.h"

#include <doctest/doctest.h>

#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// COM for the whole run, as the program starts it.
//
// Wine, unlike Windows, writes the locale of each process's environment into
// the user's "Control Panel\International" as the process starts; and the
// first use of COM starts rpcss.exe in the environment the Wine services were
// given, which rewrites the user's separator behind this process. So COM is
// started here first, and where the registry then names another locale than
// this process's user locale, a child in this environment (cmd.exe, which
// uses no COM) writes it back before anything in this process reads it.
// Windows takes the user locale from that registry, so there nothing runs.
const bool LocaleUzivateleObnoveno = [] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    wchar_t vlastni[LOCALE_NAME_MAX_LENGTH] = {}, vRegistru[LOCALE_NAME_MAX_LENGTH] = {};
    DWORD velikost = sizeof(vRegistru);
    bool obnoveno = false;
    if (GetUserDefaultLocaleName(vlastni, LOCALE_NAME_MAX_LENGTH) > 0 &&
        RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", L"LocaleName",
                     RRF_RT_REG_SZ, nullptr, vRegistru, &velikost) == ERROR_SUCCESS &&
        _wcsicmp(vlastni, vRegistru) != 0) {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        wchar_t prikaz[] = L"cmd.exe /c exit";
        if (CreateProcessW(nullptr, prikaz, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                           nullptr, &si, &pi)) {
            WaitForSingleObject(pi.hProcess, 30000);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
            obnoveno = true;
        }
    }
    return obnoveno;
}();

void Pumpuj()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// The window shown and active, as a user finds it.
struct Zobrazene
{
    OknoVentil okno{GetModuleHandleW(nullptr)};
    Zobrazene()
    {
        okno.Ukaz(SW_SHOW);
        SetForegroundWindow(okno.Hwnd());
        Pumpuj();
    }
    HWND operator[](IdOvladace i) const { return okno.Ovladac(i); }
};

// A key as the message loop passes it: IsDialogMessageW first.
void Klavesa(HWND okno, WPARAM klavesa, bool shift = false)
{
    BYTE stav[256] = {};
    GetKeyboardState(stav);
    stav[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(stav);
    for (const UINT zprava : {WM_KEYDOWN, WM_KEYUP}) {
        MSG m{GetFocus(), zprava, klavesa, zprava == WM_KEYUP ? 0xC0000001 : 1, 0, {}};
        if (!IsDialogMessageW(okno, &m)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        Pumpuj();
    }
    stav[VK_SHIFT] = 0;
    SetKeyboardState(stav);
}

// A step as PametoveOkno::Proved takes it, done through the controls:
// "TMedium2" clicks it, "TPpary=400" types the text, "!" presses "Spočítej".
void Proved(const Zobrazene &o, std::string_view krok)
{
    if (krok == "!")
        krok = "TPocitej";
    const std::size_t rovna = krok.find('=');
    const IdOvladace i = NajdiOvladac(krok.substr(0, rovna));
    REQUIRE(i < Ovladace.size());
    if (rovna == std::string_view::npos)
        SendMessageW(o[i], BM_CLICK, 0, 0);
    else
        SetWindowTextW(o[i], Utf16(krok.substr(rovna + 1)).c_str());
    Pumpuj();
}

std::string Oddelovac()
{
    const char *o = std::getenv("VENTIL_TEST_ODDELOVAC");
    return o ? o : ".";
}

std::wstring JmenoPristupne(HWND h)
{
    IAccessible *a = nullptr;
    if (FAILED(AccessibleObjectFromWindow(h, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), reinterpret_cast<void **>(&a))))
        return L"<no object>";
    VARIANT sam{};
    sam.vt = VT_I4;
    sam.lVal = CHILDID_SELF;
    BSTR jmeno = nullptr;
    std::wstring vysledek = SUCCEEDED(a->get_accName(sam, &jmeno)) && jmeno ? jmeno : L"";
    SysFreeString(jmeno);
    a->Release();
    return vysledek;
}

// How far apart two colours lie in brightness, 0 to 255 (the luma of
// television, on the stored values).
int Rozdil(COLORREF a, COLORREF b)
{
    const auto jas = [](COLORREF c) {
        return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
    };
    return std::abs(jas(a) - jas(b));
}

// How many of a control's drawn pixels stand out clearly from a background
// colour.
int VyrazneBody(HWND ovladac, COLORREF pozadi)
{
    RECT r;
    GetClientRect(ovladac, &r);
    HDC obrazovka = GetDC(ovladac);
    HDC dc = CreateCompatibleDC(obrazovka);
    HBITMAP b = CreateCompatibleBitmap(obrazovka, r.right, r.bottom);
    HGDIOBJ puvodni = SelectObject(dc, b);
    PrintWindow(ovladac, dc, PW_CLIENTONLY);
    int pocet = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            pocet += Rozdil(GetPixel(dc, x, y), pozadi) >= 96;
    SelectObject(dc, puvodni);
    DeleteObject(b);
    DeleteDC(dc);
    ReleaseDC(ovladac, obrazovka);
    return pocet;
}

RECT MistoVOkne(HWND ovladac)
{
    RECT r;
    GetWindowRect(ovladac, &r);
    MapWindowPoints(nullptr, GetParent(ovladac), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

// The fonts the controls held before a DPI change, and how often a control
// holding one of them was resized.
std::vector<HFONT> StaraPisma;
int SeStarymPismem = 0;
LRESULT CALLBACK PriPresunu(int kod, WPARAM w, LPARAM l)
{
    const auto &z = *reinterpret_cast<const CWPSTRUCT *>(l);
    if (z.message == WM_WINDOWPOSCHANGING)
        SeStarymPismem += static_cast<int>(std::ranges::count(
            StaraPisma, reinterpret_cast<HFONT>(SendMessageW(z.hwnd, WM_GETFONT, 0, 0))));
    return CallNextHookEx(nullptr, kod, w, l);
}

} // namespace

TEST_CASE("the controls lie where the design puts them, at 96 and 144 dpi, with ID 1000 + row")
{
    // The design's twips in pixels: 15 twips make one at 96 dpi, 10 at 144
    // (a half rounded up).
    struct Misto
    {
        const char *jmeno;
        RECT px[2]; // at 96 and at 144 dpi
    };
    const Misto mista[] = {
        {"TKonec", {{584, 424, 657, 465}, {876, 636, 986, 698}}},
        {"TDeltaP", {{432, 264, 545, 283}, {648, 396, 818, 425}}},  // in "Zadání"
        {"TMedium1", {{176, 128, 241, 153}, {264, 192, 362, 230}}}, // in "Médium"
        {"Tkvs", {{488, 352, 657, 385}, {732, 528, 986, 578}}},
        {"Image2", {{16, 80, 138, 358}, {24, 120, 207, 537}}},
    };
    // The client area and the em height of the window's 8 pt font.
    for (const auto [dpi, sirka, vyska, em] :
         {std::array{96, 724, 504, 11}, {144, 1086, 756, 16}}) {
        CAPTURE(dpi);
        Zobrazene o;
        if (dpi != 96) {
            for (IdOvladace i = 0; i < Ovladace.size(); ++i)
                StaraPisma.push_back(reinterpret_cast<HFONT>(SendMessageW(o[i], WM_GETFONT, 0, 0)));
            HHOOK hacek =
                SetWindowsHookExW(WH_CALLWNDPROC, PriPresunu, nullptr, GetCurrentThreadId());
            // What Windows sends when the window moves to a 150 % monitor.
            RECT navrh{0, 0, 1200, 900};
            SendMessageW(o.okno.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&navrh));
            UnhookWindowsHookEx(hacek);
            // Each control has its new font before it is resized.
            CHECK(SeStarymPismem == 0);
        }
        RECT klient;
        GetClientRect(o.okno.Hwnd(), &klient);
        CHECK(klient.right == sirka);
        CHECK(klient.bottom == vyska);
        for (const Misto &m : mista) {
            CAPTURE(m.jmeno);
            const RECT r = MistoVOkne(o[NajdiOvladac(m.jmeno)]);
            CHECK(EqualRect(&r, &m.px[dpi / 144]));
        }
        for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
            CAPTURE(Ovladace[i].jmeno);
            REQUIRE(o[i]);
            CHECK(GetDlgCtrlID(o[i]) == 1001 + static_cast<int>(i));
            // A result's line sits halfway down its field, as the design shows it.
            if (Ovladace[i].druh == DruhOvladace::VystupniPole) {
                RECT text, klient;
                SendMessageW(o[i], EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
                GetClientRect(o[i], &klient);
                CHECK(std::abs((text.top + text.bottom) - klient.bottom) <= 1);
            }
        }
        // Fonts follow the DPI: "Spočítej" in the window's 8 pt.
        TEXTMETRICW tm{};
        HDC dc = GetDC(o[Ovl("TPocitej")]);
        HGDIOBJ puvodni = SelectObject(
            dc, reinterpret_cast<HGDIOBJ>(SendMessageW(o[Ovl("TPocitej")], WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, puvodni);
        ReleaseDC(o[Ovl("TPocitej")], dc);
        // The em height, within the rasterizer's rounding.
        CHECK(std::abs(tm.tmHeight - tm.tmInternalLeading - em) <= 1);
    }
}

// The window against the logic alone: after the same steps every control
// shows the same text, is shown or hidden alike and is named alike, and
// the outcome is announced alike.
TEST_CASE("the window shows and names what the logic gives, step for step")
{
    struct Pripad
    {
        const char *nazev;
        std::vector<std::string_view> kroky;
        std::vector<std::string_view> ocekavane; // "Tkvs=4,31": the text with "," the separator
    };
    const Pripad pripady[] = {
        {"start", {}, {"THlaska=", "TPrutok="}},
        {"water, start texts", {"!"}, {"TPrutok=4,31", "Tkvs=4,31", "THlaska="}},
        {"steam, pressure 160", {"TMedium2", "!"}, {"TPrutok=144", "Tkvs=7,13", "TObjem1=1,091"}},
        {"condensate", {"TMedium3", "!"}, {"TPrutok=0,14", "Tkvs=0,14"}},
        {"flow given", {"TZpusob2", "TZprutok=2", "!"}, {"TPrutok=2"}},
        {"steam, then water again", {"TMedium2", "TMedium1", "!"}, {"Tkvs=4,31"}},
        {"refused: letters for power", {"TVykon=abc", "!"}, {"THlaska=Zadej číslo > 0"}},
        {"refused: negative drop",
         {"TDeltaP=-5", "!"},
         {"TPrutok=", "Tkvs=", "THlaska=Zadej číslo > 0"}},
        {"option clicked twice", {"TMedium2", "TMedium2", "!"}, {"Tkvs=7,13"}},
    };
    const std::string oddelovac = Oddelovac();
    for (const Pripad &p : pripady) {
        SUBCASE(p.nazev)
        {
            Zobrazene o;
            PametoveOkno logika(o.okno.DesetinnyOddelovac());
            for (const std::string_view krok : p.kroky) {
                Proved(o, krok);
                REQUIRE(logika.Proved(krok));
            }
            for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
                CAPTURE(Ovladace[i].jmeno);
                if (Ovladace[i].druh != DruhOvladace::Obrazek)
                    CHECK(o.okno.Text(i) == logika.texty[i]);
                CHECK((IsWindowVisible(o[i]) != FALSE) == logika.zobrazene[i]);
                if (!logika.jmena[i].empty())
                    CHECK(Utf8(JmenoPristupne(o[i])) == logika.jmena[i]);
            }
            if (!logika.oznameni.empty())
                CHECK(Utf8(JmenoPristupne(o[Ovl("THlaska")])) == logika.oznameni.back());
            for (std::string_view ocekavany : p.ocekavane) {
                const std::size_t rovna = ocekavany.find('=');
                std::string text(ocekavany.substr(rovna + 1));
                for (char &z : text)
                    if (z == ',')
                        text =
                            text.replace(static_cast<std::size_t>(&z - text.data()), 1, oddelovac);
                CHECK(o.okno.Text(NajdiOvladac(ocekavany.substr(0, rovna))) == text);
            }
        }
    }
}

TEST_CASE("the decimal separator is the user locale's")
{
    CAPTURE(LocaleUzivateleObnoveno);
    Zobrazene o;
    CHECK(o.okno.DesetinnyOddelovac() == Oddelovac());
}

TEST_CASE("a control hidden or shown before the window is shown stays so")
{
    OknoVentil okno(GetModuleHandleW(nullptr));
    okno.Zobraz(Ovl("TVykon"), false);
    okno.Zobraz(Ovl("TPpary"), true);
    okno.Ukaz(SW_SHOW);
    Pumpuj();
    CHECK(!IsWindowVisible(okno.Ovladac(Ovl("TVykon"))));
    CHECK(IsWindowVisible(okno.Ovladac(Ovl("TPpary"))));
}

TEST_CASE("a control's accessible object answers for itself only, and not once the window is gone")
{
    IAccessible *objekt = nullptr;
    {
        Zobrazene o;
        REQUIRE(SUCCEEDED(
            AccessibleObjectFromWindow(o[Ovl("Tkvs")], static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void **>(&objekt))));
        // The standard object's enumeration belongs to another COM object.
        void *jine = nullptr;
        CHECK(objekt->QueryInterface(__uuidof(IEnumVARIANT), &jine) == E_NOINTERFACE);
    }
    VARIANT sam{};
    sam.vt = VT_I4;
    sam.lVal = CHILDID_SELF;
    BSTR jmeno = nullptr;
    CHECK(objekt->get_accName(sam, &jmeno) == CO_E_OBJNOTCONNECTED);
    objekt->Release();
}

TEST_CASE("the pictures and the silent labels are named for a screen reader")
{
    Zobrazene o;
    CHECK(Utf8(JmenoPristupne(o[Ovl("Image1")])) == "Ventil");
    CHECK(Utf8(JmenoPristupne(o[Ovl("Image2")])) == "regulační ventil");
    CHECK(Utf8(JmenoPristupne(o[Ovl("TDeltaT")])) == "Delta T, °K");
}

TEST_CASE("the keyboard: start focus, Tab order, arrows, Enter and Esc")
{
    Zobrazene o;
    const HWND okno = o.okno.Hwnd();
    CHECK(GetFocus() == o[Ovl("TPocitej")]);

    // The tab order of the start mode: hidden controls and the unselected
    // options are passed over.
    std::vector<IdOvladace> ocekavane;
    for (const IdOvladace i : PoradiTabulatoru)
        if (IsWindowVisible(o[i]) && (Ovladace[i].druh != DruhOvladace::Prepinac ||
                                      SendMessageW(o[i], BM_GETCHECK, 0, 0) == BST_CHECKED))
            ocekavane.push_back(i);
    REQUIRE(ocekavane.size() == 7); // Spočítej, Voda, Delta T, Výkon, tlaková ztráta, Výkon, Ukonči
    const auto zacatek = std::find(ocekavane.begin(), ocekavane.end(), Ovl("TPocitej"));
    REQUIRE(zacatek != ocekavane.end());
    std::rotate(ocekavane.begin(), zacatek, ocekavane.end());

    SUBCASE("Tab goes round in tab-index order, Shift+Tab back")
    {
        for (std::size_t k = 1; k <= ocekavane.size(); ++k) {
            Klavesa(okno, VK_TAB);
            CHECK(GetFocus() == o[ocekavane[k % ocekavane.size()]]);
        }
        for (std::size_t k = ocekavane.size(); k-- > 0;) {
            Klavesa(okno, VK_TAB, true);
            CHECK(GetFocus() == o[ocekavane[k]]);
        }
    }
    SUBCASE("Tab leaves a result field clicked into")
    {
        SetFocus(o[Ovl("Tkvs")]);
        Klavesa(okno, VK_TAB);
        CHECK(GetFocus() != o[Ovl("Tkvs")]);
        CHECK(IsChild(okno, GetFocus()));
    }
    SUBCASE("Enter in a field and Esc do nothing")
    {
        SetFocus(o[Ovl("TVykon")]);
        Klavesa(okno, VK_RETURN);
        Klavesa(okno, VK_ESCAPE);
        CHECK(IsWindow(okno));
        CHECK(o.okno.Text(Ovl("Tkvs")).empty());
        CHECK(GetFocus() == o[Ovl("TVykon")]);
    }
    SUBCASE("Enter presses the focused button")
    {
        Klavesa(okno, VK_RETURN);
        CHECK(!o.okno.Text(Ovl("Tkvs")).empty());
    }
    SUBCASE("the arrows select within a frame, and the selection takes the tab stop")
    {
        SetFocus(o[Ovl("TMedium1")]);
        Klavesa(okno, VK_DOWN);
        CHECK(GetFocus() == o[Ovl("TMedium2")]);
        CHECK(SendMessageW(o[Ovl("TMedium2")], BM_GETCHECK, 0, 0) == BST_CHECKED);
        CHECK(IsWindowVisible(o[Ovl("TPpary")]));
        CHECK((GetWindowLongPtrW(o[Ovl("TMedium2")], GWL_STYLE) & WS_TABSTOP) != 0);
        CHECK((GetWindowLongPtrW(o[Ovl("TMedium1")], GWL_STYLE) & WS_TABSTOP) == 0);
    }
    SUBCASE("the focus survives the window's deactivation")
    {
        SetFocus(o[Ovl("TDeltaP")]);
        SendMessageW(okno, WM_ACTIVATE, WA_INACTIVE, 0);
        SetFocus(nullptr);
        SendMessageW(okno, WM_ACTIVATE, WA_ACTIVE, 0);
        CHECK(GetFocus() == o[Ovl("TDeltaP")]);
    }
}

TEST_CASE("hostile input never breaks the window or loses the text")
{
    struct Pripad
    {
        const char *nazev;
        std::wstring text;
        std::size_t delka; // what the field holds afterwards
    };
    const Pripad pripady[] = {
        {"a paste far longer than a field takes", std::wstring(100000, L'7'), MaxDelkaTextu},
        {"control characters",
         std::wstring(L"1\x01\x1b\x7f"
                      L"0\t0"),
         7},
        {"a lone high surrogate", std::wstring(L"10\xD800"), 3},
        {"a lone low surrogate",
         std::wstring(L"\xDC00"
                      L"5"),
         2},
    };
    for (const Pripad &p : pripady) {
        SUBCASE(p.nazev)
        {
            Zobrazene o;
            const HWND pole = o[Ovl("TVykon")];
            SetWindowTextW(pole, L"");
            SetFocus(pole);
            // Through the clipboard, as a user pastes.
            REQUIRE(OpenClipboard(o.okno.Hwnd()));
            EmptyClipboard();
            const std::size_t bajty = (p.text.size() + 1) * sizeof(wchar_t);
            HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, bajty);
            REQUIRE(g);
            std::memcpy(GlobalLock(g), p.text.c_str(), bajty);
            GlobalUnlock(g);
            SetClipboardData(CF_UNICODETEXT, g);
            CloseClipboard();
            SendMessageW(pole, WM_PASTE, 0, 0);
            CHECK(static_cast<std::size_t>(GetWindowTextLengthW(pole)) == p.delka);
            Proved(o, "!");
            CHECK(IsWindow(o.okno.Hwnd()));
            CHECK(static_cast<std::size_t>(GetWindowTextLengthW(pole)) == p.delka);
            // The compute took the text as the logic takes it.
            PametoveOkno logika(o.okno.DesetinnyOddelovac());
            REQUIRE(logika.Proved("TVykon=" + o.okno.Text(Ovl("TVykon"))));
            REQUIRE(logika.Proved("!"));
            CHECK(o.okno.Text(Ovl("THlaska")) == logika.texty[Ovl("THlaska")]);
            CHECK(o.okno.Text(Ovl("Tkvs")) == logika.texty[Ovl("Tkvs")]);
        }
    }
}

TEST_CASE("UTF-16 and UTF-8 meet at one point, malformed input becoming U+FFFD")
{
    struct Pripad
    {
        const char *nazev;
        std::wstring utf16;
        std::string utf8;
    };
    const Pripad tam[] = {
        {"Czech", L"Spo\x010D\x00EDtej", "Spočítej"},
        {"a pair", L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {"a lone high surrogate at the end", L"1\xD800", "1\xEF\xBF\xBD"},
        {"a lone low surrogate",
         L"\xDC00"
         L"1",
         "\xEF\xBF\xBD"
         "1"},
        {"reversed pair", L"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Pripad &p : tam)
        SUBCASE(p.nazev)
        {
            CHECK(Utf8(p.utf16) == p.utf8);
        }
    const Pripad zpet[] = {
        {"Czech", L"\x00B0K", "°K"},
        {"a cut sequence", L"a\xFFFD", "a\xC4"},
        {"an overlong slash", L"\xFFFD", "\xC0\xAF"},
        {"an encoded surrogate", L"\xFFFD", "\xED\xA0\x80"},
        {"beyond U+10FFFF", L"\xFFFD", "\xF4\x90\x80\x80"},
        {"a stray continuation",
         L"\xFFFD"
         L"1",
         "\x80"
         "1"},
    };
    // How many U+FFFD one malformed sequence becomes is Windows' choice.
    const auto jednou = [](std::wstring s) {
        s.erase(std::unique(s.begin(), s.end(),
                            [](wchar_t a, wchar_t b) { return a == 0xFFFD && b == 0xFFFD; }),
                s.end());
        return s;
    };
    for (const Pripad &p : zpet)
        SUBCASE(p.nazev)
        {
            CHECK(jednou(Utf16(p.utf8)) == p.utf16);
        }
}

// A high-contrast theme as Windows puts it in force: the flag, where the
// system takes it, and the theme's colours, which Wine takes too. Both are
// restored however the test ends.
struct VysokyKontrast
{
    static constexpr int Barvy[] = {COLOR_BTNFACE,    COLOR_BTNTEXT,   COLOR_WINDOW,
                                    COLOR_WINDOWTEXT, COLOR_3DHILIGHT, COLOR_3DSHADOW,
                                    COLOR_GRAYTEXT};
    COLORREF puvodni[std::size(Barvy)];
    HIGHCONTRASTW puvodniKontrast{sizeof(HIGHCONTRASTW), 0, nullptr};
    bool priznak = false;

    VysokyKontrast()
    {
        for (std::size_t k = 0; k < std::size(Barvy); ++k)
            puvodni[k] = GetSysColor(Barvy[k]);
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(puvodniKontrast), &puvodniKontrast, 0);
        HIGHCONTRASTW zapnuty{sizeof(HIGHCONTRASTW), HCF_HIGHCONTRASTON, nullptr};
        priznak = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(zapnuty), &zapnuty,
                                        SPIF_SENDCHANGE) != FALSE;
        // "High Contrast Black": white on black, cyan for what is disabled.
        const COLORREF cerna = RGB(0, 0, 0), bila = RGB(255, 255, 255);
        const COLORREF barvy[] = {cerna, bila, cerna, bila, bila, bila, RGB(0, 255, 0)};
        SetSysColors(static_cast<int>(std::size(Barvy)), Barvy, barvy);
    }
    ~VysokyKontrast()
    {
        if (priznak)
            SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(puvodniKontrast), &puvodniKontrast,
                                  SPIF_SENDCHANGE);
        SetSysColors(static_cast<int>(std::size(Barvy)), Barvy, puvodni);
    }
};

TEST_CASE("under a high-contrast theme what the window draws itself stays readable")
{
    // The pictures about as visible on the theme's face as on the usual one
    // (the dark logo on black keeps only two thirds of its readable pixels).
    const auto obrazky = {Ovl("Image1"), Ovl("Image2")};
    std::vector<int> obvykle;
    {
        Zobrazene o;
        for (const IdOvladace i : obrazky)
            obvykle.push_back(VyrazneBody(o[i], GetSysColor(COLOR_BTNFACE)));
    }
    VysokyKontrast kontrast;
    CAPTURE(kontrast.priznak);
    Zobrazene o;
    const COLORREF pozadi = GetSysColor(COLOR_BTNFACE);
    for (std::size_t k = 0; k < obrazky.size(); ++k) {
        CAPTURE(Ovladace[obrazky.begin()[k]].jmeno);
        CHECK(VyrazneBody(o[obrazky.begin()[k]], pozadi) * 10 >= obvykle[k] * 9);
    }
    // The coloured fields: their text against their background, and the
    // theme's own colours where the system reports the theme.
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        if (Ovladace[i].vlastnost != Vlastnost::AzurovePozadi)
            continue;
        CAPTURE(Ovladace[i].jmeno);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(o.okno.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(o[i]));
        CHECK(Rozdil(GetTextColor(dc), GetBkColor(dc)) >= 160);
        if (kontrast.priznak) {
            CHECK(GetTextColor(dc) == GetSysColor(COLOR_WINDOWTEXT));
            CHECK(GetBkColor(dc) == GetSysColor(COLOR_WINDOW));
        }
        DeleteDC(dc);
    }
}
