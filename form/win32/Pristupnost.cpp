#include "Pristupnost.h"

#include "Utf.h"
#include "VzhledOkna.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <memory>

namespace {

constexpr UINT_PTR IdPodtridy = 1;

// What a control shares with the objects it gave out: its popis while the
// control lives, nullptr from its destruction on. A screen reader may hold
// an object long after.
struct Spojeni
{
    const PristupnyPopis *popis;
};

// The standard object of a control with the name and state the window
// gives it. Every call it does not answer itself goes to the standard
// object, so keys, actions, location and navigation stay Windows' own.
// Once the control is gone every call answers CO_E_OBJNOTCONNECTED.
class PristupnyObjekt final : public IAccessible
{
public:
    PristupnyObjekt(IAccessible *standardni, std::shared_ptr<const Spojeni> spojeni)
        : std_(standardni), spojeni_(std::move(spojeni))
    {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **objekt) override
    {
        if (!objekt)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *objekt = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        // Not the standard object's others: an interface from another
        // object would break COM identity, which screen readers rely on.
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&pocet_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG zbyva = InterlockedDecrement(&pocet_);
        if (zbyva == 0) {
            std_->Release();
            delete this;
        }
        return static_cast<ULONG>(zbyva);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *pocet) override
    {
        return Predej(&IAccessible::GetTypeInfoCount, pocet);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo **info) override
    {
        return Predej(&IAccessible::GetTypeInfo, i, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *jmena, UINT pocet, LCID lcid,
                                            DISPID *id) override
    {
        return Predej(&IAccessible::GetIDsOfNames, iid, jmena, pocet, lcid, id);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS *param, VARIANT *vysledek, EXCEPINFO *vyjimka,
                                     UINT *chyba) override
    {
        return Predej(&IAccessible::Invoke, id, iid, lcid, flags, param, vysledek, vyjimka, chyba);
    }

    // IAccessible: the name, the role of a picture and the silence of a
    // label are the window's; the rest is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT dite, BSTR *jmeno) override
    {
        const PristupnyPopis *popis = spojeni_->popis;
        if (popis && Sam(dite) && jmeno && !popis->jmeno.empty()) {
            *jmeno = SysAllocString(popis->jmeno.c_str());
            return *jmeno ? S_OK : E_OUTOFMEMORY;
        }
        return Predej(&IAccessible::get_accName, dite, jmeno);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT dite, VARIANT *role) override
    {
        const PristupnyPopis *popis = spojeni_->popis;
        if (popis && Sam(dite) && role && popis->obrazek) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_GRAPHIC;
            return S_OK;
        }
        return Predej(&IAccessible::get_accRole, dite, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT dite, VARIANT *stav) override
    {
        const HRESULT hr = Predej(&IAccessible::get_accState, dite, stav);
        // Screen readers pass over invisible objects; the label stays on
        // screen, spoken as part of its field's name.
        if (SUCCEEDED(hr) && Sam(dite) && stav && stav->vt == VT_I4 && spojeni_->popis->tichy)
            stav->lVal |= STATE_SYSTEM_INVISIBLE;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **rodic) override
    {
        return Predej(&IAccessible::get_accParent, rodic);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *pocet) override
    {
        return Predej(&IAccessible::get_accChildCount, pocet);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT dite, IDispatch **objekt) override
    {
        return Predej(&IAccessible::get_accChild, dite, objekt);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT dite, BSTR *hodnota) override
    {
        return Predej(&IAccessible::get_accValue, dite, hodnota);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT dite, BSTR *popis) override
    {
        return Predej(&IAccessible::get_accDescription, dite, popis);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT dite, BSTR *napoveda) override
    {
        return Predej(&IAccessible::get_accHelp, dite, napoveda);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *soubor, VARIANT dite, long *tema) override
    {
        return Predej(&IAccessible::get_accHelpTopic, soubor, dite, tema);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT dite, BSTR *zkratka) override
    {
        return Predej(&IAccessible::get_accKeyboardShortcut, dite, zkratka);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *fokus) override
    {
        return Predej(&IAccessible::get_accFocus, fokus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *vyber) override
    {
        return Predej(&IAccessible::get_accSelection, vyber);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT dite, BSTR *akce) override
    {
        return Predej(&IAccessible::get_accDefaultAction, dite, akce);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long jak, VARIANT dite) override
    {
        return Predej(&IAccessible::accSelect, jak, dite);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *x, long *y, long *sirka, long *vyska,
                                          VARIANT dite) override
    {
        return Predej(&IAccessible::accLocation, x, y, sirka, vyska, dite);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long smer, VARIANT od, VARIANT *kam) override
    {
        return Predej(&IAccessible::accNavigate, smer, od, kam);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *zasah) override
    {
        return Predej(&IAccessible::accHitTest, x, y, zasah);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT dite) override
    {
        return Predej(&IAccessible::accDoDefaultAction, dite);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT dite, BSTR jmeno) override
    {
        return Predej(&IAccessible::put_accName, dite, jmeno);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT dite, BSTR hodnota) override
    {
        return Predej(&IAccessible::put_accValue, dite, hodnota);
    }

private:
    static bool Sam(const VARIANT &dite) { return dite.vt == VT_I4 && dite.lVal == CHILDID_SELF; }

    // A call the standard object answers, while the control lives.
    template <class Metoda, class... Argumenty>
    HRESULT Predej(Metoda metoda, Argumenty... argumenty) const
    {
        return spojeni_->popis ? (std_->*metoda)(argumenty...) : CO_E_OBJNOTCONNECTED;
    }

    ~PristupnyObjekt() = default;

    LONG pocet_ = 1;
    IAccessible *std_;
    // Read at each call, so a name given after a client took the object
    // reaches it.
    std::shared_ptr<const Spojeni> spojeni_;
};

LRESULT CALLBACK Podtrida(HWND okno, UINT zprava, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data)
{
    auto &spojeni = *reinterpret_cast<std::shared_ptr<Spojeni> *>(data);
    if (zprava == WM_GETOBJECT && static_cast<LONG>(l) == OBJID_CLIENT) {
        IAccessible *standardni = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(okno, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void **>(&standardni)))) {
            auto *objekt = new PristupnyObjekt(standardni, spojeni);
            const LRESULT vysledek = LresultFromObject(__uuidof(IAccessible), w, objekt);
            objekt->Release();
            return vysledek;
        }
    } else if (zprava == WM_NCDESTROY) {
        RemoveWindowSubclass(okno, Podtrida, IdPodtridy);
        spojeni->popis = nullptr;
        delete &spojeni;
    }
    return DefSubclassProc(okno, zprava, w, l);
}

// UI Automation's notification, in uiautomationcore.dll since Windows 10
// 1709; looked up at run time, so that the program starts without it.
using UiaHostProviderFromHwndFn = HRESULT(WINAPI *)(HWND, IUnknown **);
using UiaRaiseNotificationEventFn = HRESULT(WINAPI *)(IUnknown *, int, int, BSTR, BSTR);
constexpr int NotificationKind_ActionCompleted = 2;
constexpr int NotificationProcessing_ImportantMostRecent = 1;

void OznamUia(HWND hlaska, const std::wstring &zprava)
{
    static const HMODULE uia =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!uia)
        return;
    const auto poskytovatel = reinterpret_cast<UiaHostProviderFromHwndFn>(
        reinterpret_cast<void *>(GetProcAddress(uia, "UiaHostProviderFromHwnd")));
    const auto oznameni = reinterpret_cast<UiaRaiseNotificationEventFn>(
        reinterpret_cast<void *>(GetProcAddress(uia, "UiaRaiseNotificationEvent")));
    if (!poskytovatel || !oznameni)
        return;
    IUnknown *prvek = nullptr;
    if (FAILED(poskytovatel(hlaska, &prvek)) || !prvek)
        return;
    BSTR text = SysAllocStringLen(zprava.data(), static_cast<UINT>(zprava.size()));
    BSTR cinnost = SysAllocString(Utf16(std::string(NazevOkna) + ".Vypocet").c_str());
    if (text && cinnost)
        oznameni(prvek, NotificationKind_ActionCompleted,
                 NotificationProcessing_ImportantMostRecent, text, cinnost);
    SysFreeString(cinnost);
    SysFreeString(text);
    prvek->Release();
}

} // namespace

void ZpristupniOvladac(HWND ovladac, const PristupnyPopis *popis)
{
    auto *spojeni = new std::shared_ptr<Spojeni>(std::make_shared<Spojeni>(popis));
    if (!SetWindowSubclass(ovladac, Podtrida, IdPodtridy, reinterpret_cast<DWORD_PTR>(spojeni)))
        delete spojeni;
}

void OznamZmenuJmena(HWND ovladac)
{
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, ovladac, OBJID_CLIENT, CHILDID_SELF);
}

void OznamZpravu(HWND hlaska, const std::wstring &zprava)
{
    OznamZmenuJmena(hlaska);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hlaska, OBJID_CLIENT, CHILDID_SELF);
    OznamUia(hlaska, zprava);
}
