#pragma once

#include "LogikaOkna.h"
#include "Obrazky.h"
#include "Pristupnost.h"

#include <windows.h>

#include <array>
#include <optional>

// The window Ventil of standard Windows controls over the window's logic:
// built from the control table, it forwards the events to the logic and
// writes what the logic asks. It holds no rule of its own.
class OknoVentil final : public Okno
{
public:
    // The window class's name, for finding the window from outside.
    static constexpr const wchar_t *Trida = L"VentilOkno";

    // Creates the window, hidden; Ukaz(nCmdShow) shows it. Where it cannot
    // be made, Hwnd() is nullptr and Chyba() says why. COM must be started.
    explicit OknoVentil(HINSTANCE modul);
    OknoVentil(const OknoVentil &) = delete;
    OknoVentil &operator=(const OknoVentil &) = delete;
    ~OknoVentil();

    HWND Hwnd() const { return okno_; }
    // The control of that row, or nullptr once the window is gone.
    HWND Ovladac(IdOvladace ovladac) const { return ovladace_[ovladac]; }
    void Ukaz(int nCmdShow);
    // Windows' error code of the failure that kept the window from being
    // made, 0 where Windows gave none.
    DWORD Chyba() const { return chyba_; }

    // The control ID of a row, stable from one version to the next.
    static constexpr int IdRadku(IdOvladace ovladac)
    {
        return 1000 + static_cast<int>(ovladac) + 1;
    }
    // The row of a control ID, if it is one.
    static constexpr std::optional<IdOvladace> RadekId(int id)
    {
        const int radek = id - IdRadku(0);
        if (radek < 0 || radek >= static_cast<int>(Ovladace.size()))
            return std::nullopt;
        return static_cast<IdOvladace>(radek);
    }

    // Okno
    std::string Text(IdOvladace ovladac) const override;
    void NastavText(IdOvladace ovladac, std::string_view text) override;
    void Zobraz(IdOvladace ovladac, bool zobrazit) override;
    void Pojmenuj(IdOvladace ovladac, std::string_view jmeno) override;
    void Oznam(std::string_view zprava) override;
    std::string DesetinnyOddelovac() const override;
    void Ukonci() override;

private:
    static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM w, LPARAM l);
    LRESULT Zpracuj(UINT zprava, WPARAM w, LPARAM l);

    bool VytvorOvladace();
    void Rozmisti();
    void VytvorPisma();
    void NactiObrazky();
    void NastavVelikostOkna(const RECT *navrh);
    void ObnovPrepinace();
    bool VysokyKontrast() const;

    void PriPrikazu(int id, int kod);
    LRESULT PriBarveStatickeho(HDC dc, HWND ovladac);
    void PriKresleni(const DRAWITEMSTRUCT &kresba);
    void PriAktivaci(bool aktivni);
    void PriZmeneDpi(int dpi, const RECT &navrh);
    void PriZmeneBarev();

    HINSTANCE modul_;
    HWND okno_ = nullptr;
    DWORD chyba_ = 0;
    int dpi_ = 96;
    Stav stav_;
    std::array<HWND, Ovladace.size()> ovladace_{};
    std::array<PristupnyPopis, Ovladace.size()> popisy_{};
    std::array<Obrazek, Ovladace.size()> obrazky_;
    HFONT pismoOkna_ = nullptr;
    std::array<HFONT, PismaOvladacu.size()> pisma_{};
    // The background of the controls that keep their colours (BarvyOvladace).
    HBRUSH stetec_ = nullptr;
    COLORREF barvaStetce_ = 0;
    // The control that had the focus when the window was last deactivated.
    HWND fokus_ = nullptr;
};

// Runs the program's message loop until the window is gone; Tab, the
// arrows, Space and Enter move and press as in a dialog.
int SmyckaZprav(const OknoVentil &okno);
