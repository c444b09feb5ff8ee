#include "OknoVentil.h"

#include "Utf.h"
#include "VzhledOkna.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr DWORD StylOkna = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

COLORREF Rgb(const Barva &b)
{
    return RGB(b.cervena, b.zelena, b.modra);
}

// The design's face is the bitmap "MS Sans Serif", which does not scale;
// Windows' TrueType drawing of it does. Where a system lacks that, the
// dialog face of the system stands in.
const wchar_t *TvarPisma()
{
    static const wchar_t *tvar = [] {
        LOGFONTW hledany{};
        hledany.lfCharSet = DEFAULT_CHARSET;
        wcscpy_s(hledany.lfFaceName, L"Microsoft Sans Serif");
        bool nalezen = false;
        HDC dc = GetDC(nullptr);
        EnumFontFamiliesExW(
            dc, &hledany,
            [](const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM l) -> int {
                *reinterpret_cast<bool *>(l) = true;
                return 0;
            },
            reinterpret_cast<LPARAM>(&nalezen), 0);
        ReleaseDC(nullptr, dc);
        return nalezen ? L"Microsoft Sans Serif" : L"MS Shell Dlg 2";
    }();
    return tvar;
}

HFONT Pismo(double body, bool tucne, int dpi)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(body * dpi / 72.0));
    lf.lfWeight = tucne ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = CLEARTYPE_QUALITY;
    wcscpy_s(lf.lfFaceName, TvarPisma());
    return CreateFontIndirectW(&lf);
}

// The window class of each kind of control and its styles.
struct TridaOvladace
{
    const wchar_t *trida;
    DWORD styl, rozsirenyStyl;
};
TridaOvladace TridaDruhu(DruhOvladace druh)
{
    switch (druh) {
    case DruhOvladace::Popisek:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0};
    case DruhOvladace::VystupniPole:
        // A read-only edit: its result can be selected and copied. Multi-line
        // only so that its text can be centred vertically (UsadText); without
        // a tab stop it takes no keys of the dialog's.
        return {L"EDIT", ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, 0};
    case DruhOvladace::TextovePole:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case DruhOvladace::Prepinac:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case DruhOvladace::Tlacitko:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case DruhOvladace::Ramecek:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case DruhOvladace::Obrazek:
        return {L"STATIC", SS_OWNERDRAW, 0};
    }
    return {L"STATIC", 0, 0};
}

// Centres the one line of a multi-line edit vertically, as the design
// shows every result: the format rectangle is the height of a line of its
// font, halfway down the client area. Windows resets that rectangle when
// the font or the size changes, so it is set after both.
void UsadText(HWND pole)
{
    RECT klient;
    GetClientRect(pole, &klient);
    HDC dc = GetDC(pole);
    HGDIOBJ puvodni =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(pole, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, puvodni);
    ReleaseDC(pole, dc);
    // The edit takes its margins off the sides itself.
    const int vyska = std::min<int>(tm.tmHeight, klient.bottom);
    const int nahore = (klient.bottom - vyska) / 2;
    RECT r{klient.left, nahore, klient.right, nahore + vyska};
    // wParam 0: r is in client coordinates (Windows 8 and later would take
    // 1 as an offset from the current rectangle).
    SendMessageW(pole, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    InvalidateRect(pole, nullptr, TRUE);
}

// A multi-line edit asks the dialog for every key, Tab and Esc too; a
// result field keeps only what a single-line one asks, so Tab leaves it.
LRESULT CALLBACK JakoJednoradkove(HWND pole, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR)
{
    if (zprava == WM_GETDLGCODE)
        return DefSubclassProc(pole, zprava, w, l) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (zprava == WM_NCDESTROY)
        RemoveWindowSubclass(pole, JakoJednoradkove, 1);
    return DefSubclassProc(pole, zprava, w, l);
}

void SmazPisma(HFONT pismoOkna, const std::array<HFONT, PismaOvladacu.size()> &pisma)
{
    if (pismoOkna)
        DeleteObject(pismoOkna);
    for (HFONT f : pisma)
        if (f)
            DeleteObject(f);
}

RECT Misto(IdOvladace i, int dpi)
{
    const Obdelnik r = ObdelnikVOkne(i);
    const int x = Pixely(r.vlevo, dpi), y = Pixely(r.nahore, dpi);
    return {x, y, x + Pixely(r.sirka, dpi), y + Pixely(r.vyska, dpi)};
}

} // namespace

OknoVentil::OknoVentil(HINSTANCE modul) : modul_(modul)
{
    WNDCLASSEXW trida{};
    trida.cbSize = sizeof(trida);
    trida.lpfnWndProc = Procedura;
    trida.hInstance = modul;
    trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    trida.lpszClassName = Trida;
    // The program's icon, or Windows' own where the build has none.
    trida.hIcon = LoadIconW(modul, MAKEINTRESOURCEW(1));
    if (!trida.hIcon)
        trida.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    // A second window of the process finds the class registered.
    if (!RegisterClassExW(&trida) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        chyba_ = GetLastError();
        return;
    }

    if (!CreateWindowExW(0, Trida, Utf16(NazevOkna).c_str(), StylOkna, CW_USEDEFAULT, CW_USEDEFAULT,
                         0, 0, nullptr, nullptr, modul, this) &&
        !chyba_)
        chyba_ = GetLastError();
}

OknoVentil::~OknoVentil()
{
    if (okno_)
        DestroyWindow(okno_);
    SmazPisma(pismoOkna_, pisma_);
    DeleteObject(stetec_);
}

void OknoVentil::Ukaz(int nCmdShow)
{
    ShowWindow(okno_, nCmdShow);
    UpdateWindow(okno_);
}

LRESULT CALLBACK OknoVentil::Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l)
{
    if (zprava == WM_NCCREATE) {
        auto *ja = static_cast<OknoVentil *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        ja->okno_ = okno;
        SetWindowLongPtrW(okno, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(ja));
    }
    auto *ja = reinterpret_cast<OknoVentil *>(GetWindowLongPtrW(okno, GWLP_USERDATA));
    if (!ja)
        return DefWindowProcW(okno, zprava, w, l);
    if (zprava == WM_NCDESTROY) {
        SetWindowLongPtrW(okno, GWLP_USERDATA, 0);
        ja->okno_ = nullptr;
        ja->ovladace_.fill(nullptr);
        return DefWindowProcW(okno, zprava, w, l);
    }
    return ja->Zpracuj(zprava, w, l);
}

LRESULT OknoVentil::Zpracuj(UINT zprava, WPARAM w, LPARAM l)
{
    switch (zprava) {
    case WM_CREATE:
        dpi_ = static_cast<int>(GetDpiForWindow(okno_));
        if (dpi_ <= 0)
            dpi_ = 96;
        if (!VytvorOvladace())
            return -1;
        NastavVelikostOkna(nullptr);
        Obsluz(Udalost::Nacteni, stav_, *this);
        fokus_ = ovladace_[PrvniFokus(stav_)];
        SetFocus(fokus_);
        return 0;
    case WM_COMMAND:
        PriPrikazu(LOWORD(w), HIWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        return PriBarveStatickeho(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
        PriKresleni(*reinterpret_cast<const DRAWITEMSTRUCT *>(l));
        return TRUE;
    case WM_ACTIVATE:
        PriAktivaci(LOWORD(w) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        if (fokus_ && IsWindow(fokus_))
            SetFocus(fokus_);
        return 0;
    case WM_DPICHANGED:
        PriZmeneDpi(HIWORD(w), *reinterpret_cast<const RECT *>(l));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        PriZmeneBarev();
        break;
    default:
        break;
    }
    return DefWindowProcW(okno_, zprava, w, l);
}

bool OknoVentil::VytvorOvladace()
{
    const DruhOvladace *predchozi = nullptr;
    std::string_view kontejnerPredchoziho;
    // Created top first: Windows tabs through siblings in this order, and
    // each lies above those created after it.
    for (const IdOvladace i : PoradiVrstev) {
        const PopisOvladace &p = Ovladace[i];
        const TridaOvladace t = TridaDruhu(p.druh);
        // Every control starts a group of its own but an option button that
        // follows one of its frame: the arrows move within the group.
        const bool vSkupine = p.druh == DruhOvladace::Prepinac && predchozi &&
                              *predchozi == DruhOvladace::Prepinac &&
                              kontejnerPredchoziho == p.kontejner;
        DWORD styl = WS_CHILD | WS_CLIPSIBLINGS | t.styl | (vSkupine ? 0 : WS_GROUP);
        if (p.vlastnost != Vlastnost::Skryty)
            styl |= WS_VISIBLE;
        const std::wstring text = p.druh == DruhOvladace::Obrazek ? L"" : Utf16(p.text);
        HWND h = CreateWindowExW(t.rozsirenyStyl, t.trida, text.c_str(), styl, 0, 0, 0, 0, okno_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdRadku(i))), modul_,
                                 nullptr);
        ovladace_[i] = h;
        predchozi = &p.druh;
        kontejnerPredchoziho = p.kontejner;
        if (!h) {
            chyba_ = GetLastError();
            return false;
        }
        if (p.druh == DruhOvladace::TextovePole || p.druh == DruhOvladace::VystupniPole)
            SendMessageW(h, EM_SETLIMITTEXT, MaxDelkaTextu, 0);
        if (p.druh == DruhOvladace::VystupniPole)
            SetWindowSubclass(h, JakoJednoradkove, 1, 0);
        if (p.vlastnost == Vlastnost::Vybrany)
            SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
        popisy_[i].tichy = TichyPopisek(i);
        popisy_[i].obrazek = p.druh == DruhOvladace::Obrazek;
        if (p.druh == DruhOvladace::Obrazek)
            popisy_[i].jmeno = Utf16(p.nazev);
        ZpristupniOvladac(h, &popisy_[i]);
    }
    ObnovPrepinace();
    VytvorPisma();
    Rozmisti();
    NactiObrazky();
    return true;
}

void OknoVentil::Rozmisti()
{
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        if (!ovladace_[i])
            continue;
        const RECT r = Misto(i, dpi_);
        SetWindowPos(ovladace_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (Ovladace[i].druh == DruhOvladace::VystupniPole)
            UsadText(ovladace_[i]);
    }
}

void OknoVentil::VytvorPisma()
{
    // A control must never hold a deleted font: the old ones go only once
    // every control has its new one, before Rozmisti resizes it.
    const HFONT starePismoOkna = pismoOkna_;
    const auto stara = pisma_;
    // The design's dialog font, for every control without one of its own.
    pismoOkna_ = Pismo(PismoOkna.body, PismoOkna.tucne, dpi_);
    for (std::size_t k = 0; k < PismaOvladacu.size(); ++k)
        pisma_[k] = Pismo(PismaOvladacu[k].body, PismaOvladacu[k].tucne, dpi_);
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        HFONT pismo = pismoOkna_;
        for (std::size_t k = 0; k < PismaOvladacu.size(); ++k)
            if (PismaOvladacu[k].ovladac == i)
                pismo = pisma_[k];
        SendMessageW(ovladace_[i], WM_SETFONT, reinterpret_cast<WPARAM>(pismo), TRUE);
    }
    SmazPisma(starePismoOkna, stara);
}

void OknoVentil::NactiObrazky()
{
    const COLORREF pozadi = GetSysColor(COLOR_BTNFACE);
    const Barva barva{GetRValue(pozadi), GetGValue(pozadi), GetBValue(pozadi)};
    for (IdOvladace i = 0; i < Ovladace.size(); ++i)
        if (Ovladace[i].druh == DruhOvladace::Obrazek) {
            // A picture that cannot be read leaves its place empty; the
            // window works without it.
            if (!obrazky_[i].Nacti(modul_, Utf16(SouborObrazku(Ovladace[i].text, barva, 1.0)),
                                   Utf16(SouborObrazku(Ovladace[i].text, barva, dpi_ / 96.0)),
                                   dpi_))
                OutputDebugStringW(
                    (L"picture not read: " + Utf16(Ovladace[i].text) + L"\n").c_str());
            InvalidateRect(ovladace_[i], nullptr, TRUE);
        }
}

void OknoVentil::NastavVelikostOkna(const RECT *navrh)
{
    const int sirka = Pixely(SirkaOkna, dpi_), vyska = Pixely(VyskaOkna, dpi_);
    RECT r{0, 0, sirka, vyska};
    AdjustWindowRectExForDpi(&r, StylOkna, FALSE, 0, static_cast<UINT>(dpi_));
    UINT priznaky = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!navrh)
        priznaky |= SWP_NOMOVE;
    const int x = navrh ? navrh->left : 0, y = navrh ? navrh->top : 0;
    SetWindowPos(okno_, nullptr, x, y, r.right - r.left, r.bottom - r.top, priznaky);
    // Where the frame drawn differs from the one computed, the client area
    // keeps the size of the design.
    RECT klient;
    GetClientRect(okno_, &klient);
    if (klient.right != sirka || klient.bottom != vyska)
        SetWindowPos(okno_, nullptr, x, y, r.right - r.left + sirka - klient.right,
                     r.bottom - r.top + vyska - klient.bottom, priznaky);
}

void OknoVentil::ObnovPrepinace()
{
    // Tab stops once per frame, on its selected option, as the arrows
    // choose within it.
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        if (Ovladace[i].druh != DruhOvladace::Prepinac || !ovladace_[i])
            continue;
        const bool vybrany = SendMessageW(ovladace_[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR styl = GetWindowLongPtrW(ovladace_[i], GWL_STYLE);
        SetWindowLongPtrW(ovladace_[i], GWL_STYLE,
                          vybrany ? (styl | WS_TABSTOP) : (styl & ~LONG_PTR{WS_TABSTOP}));
    }
}

bool OknoVentil::VysokyKontrast() const
{
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof(hc);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) &&
           (hc.dwFlags & HCF_HIGHCONTRASTON);
}

void OknoVentil::PriPrikazu(int id, int kod)
{
    // Enter and Esc reach the window as IDOK and IDCANCEL: with no default
    // and no cancel button Esc does nothing, and Enter presses the focused
    // push button, if any, as Space does.
    if (id == IDOK) {
        const std::optional<IdOvladace> fokus = RadekId(GetDlgCtrlID(GetFocus()));
        if (fokus && Ovladace[*fokus].druh == DruhOvladace::Tlacitko && IsChild(okno_, GetFocus()))
            PriPrikazu(IdRadku(*fokus), BN_CLICKED);
        return;
    }
    const std::optional<IdOvladace> radek = RadekId(id);
    if (!radek || kod != BN_CLICKED)
        return;
    const IdOvladace i = *radek;
    if (Ovladace[i].druh == DruhOvladace::Prepinac) {
        // A focused option that stays unselected does nothing; the logic
        // ignores the selected one clicked again.
        if (SendMessageW(ovladace_[i], BM_GETCHECK, 0, 0) != BST_CHECKED)
            return;
        ObnovPrepinace();
    } else if (Ovladace[i].druh != DruhOvladace::Tlacitko) {
        return;
    }
    if (const std::optional<Udalost> udalost = UdalostOvladace(i))
        Obsluz(*udalost, stav_, *this);
}

LRESULT OknoVentil::PriBarveStatickeho(HDC dc, HWND ovladac)
{
    const std::optional<IdOvladace> radek = RadekId(GetDlgCtrlID(ovladac));
    const std::optional<BarvyPole> barvy = radek ? BarvyOvladace(*radek) : std::nullopt;
    if (barvy) {
        // Under a high-contrast theme the theme's colours of a field.
        if (VysokyKontrast()) {
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        const COLORREF pozadi = Rgb(barvy->pozadi);
        if (!stetec_ || barvaStetce_ != pozadi) {
            DeleteObject(stetec_);
            stetec_ = CreateSolidBrush(pozadi);
            barvaStetce_ = pozadi;
        }
        SetTextColor(dc, Rgb(barvy->text));
        SetBkColor(dc, pozadi);
        return reinterpret_cast<LRESULT>(stetec_);
    }
    return DefWindowProcW(okno_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(ovladac));
}

void OknoVentil::PriKresleni(const DRAWITEMSTRUCT &kresba)
{
    const std::optional<IdOvladace> radek = RadekId(static_cast<int>(kresba.CtlID));
    FillRect(kresba.hDC, &kresba.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (radek)
        obrazky_[*radek].Kresli(kresba.hDC, kresba.rcItem.left, kresba.rcItem.top);
}

void OknoVentil::PriAktivaci(bool aktivni)
{
    // A plain window forgets its focused control when deactivated.
    if (!aktivni) {
        HWND f = GetFocus();
        if (f && IsChild(okno_, f))
            fokus_ = f;
    } else if (fokus_ && IsWindow(fokus_)) {
        SetFocus(fokus_);
    }
}

void OknoVentil::PriZmeneDpi(int dpi, const RECT &navrh)
{
    dpi_ = dpi > 0 ? dpi : 96;
    VytvorPisma();
    Rozmisti();
    NactiObrazky();
    NastavVelikostOkna(&navrh);
    InvalidateRect(okno_, nullptr, TRUE);
}

void OknoVentil::PriZmeneBarev()
{
    NactiObrazky();
    InvalidateRect(okno_, nullptr, TRUE);
}

std::string OknoVentil::Text(IdOvladace ovladac) const
{
    HWND h = ovladace_[ovladac];
    if (!h)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void OknoVentil::NastavText(IdOvladace ovladac, std::string_view text)
{
    if (HWND h = ovladace_[ovladac])
        SetWindowTextW(h, Utf16(text).c_str());
}

void OknoVentil::Zobraz(IdOvladace ovladac, bool zobrazit)
{
    HWND h = ovladace_[ovladac];
    // The control's own style: IsWindowVisible is FALSE for every control
    // while the window itself is hidden.
    if (!h || ((GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0) == zobrazit)
        return;
    // A control that hides with the focus passes it on, so the keyboard
    // keeps working.
    if (!zobrazit && GetFocus() == h)
        SetFocus(GetNextDlgTabItem(okno_, h, FALSE));
    ShowWindow(h, zobrazit ? SW_SHOWNA : SW_HIDE);
}

void OknoVentil::Pojmenuj(IdOvladace ovladac, std::string_view jmeno)
{
    popisy_[ovladac].jmeno = Utf16(jmeno);
    if (HWND h = ovladace_[ovladac])
        OznamZmenuJmena(h);
}

void OknoVentil::Oznam(std::string_view zprava)
{
    constexpr IdOvladace hlaska = Ovl("THlaska");
    popisy_[hlaska].jmeno = Utf16(zprava);
    if (HWND h = ovladace_[hlaska])
        OznamZpravu(h, popisy_[hlaska].jmeno);
}

std::string OknoVentil::DesetinnyOddelovac() const
{
    wchar_t oddelovac[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, oddelovac, 8) <= 1)
        return ".";
    return Utf8(oddelovac);
}

void OknoVentil::Ukonci()
{
    if (okno_)
        DestroyWindow(okno_);
}

int SmyckaZprav(const OknoVentil &okno)
{
    // The window is destroyed only while one of its messages is handled,
    // so the loop sees it gone right after.
    MSG zprava{};
    while (okno.Hwnd()) {
        const BOOL vysledek = GetMessageW(&zprava, nullptr, 0, 0);
        if (vysledek <= 0)
            return vysledek == 0 ? static_cast<int>(zprava.wParam) : 1;
        if (IsDialogMessageW(okno.Hwnd(), &zprava))
            continue;
        TranslateMessage(&zprava);
        DispatchMessageW(&zprava);
    }
    return 0;
}
