#include "Obrazky.h"

#include <ole2.h>
#include <wincodec.h>

namespace {

// Releases a COM interface at the end of its scope.
template <class T> class Com
{
public:
    Com() = default;
    Com(const Com &) = delete;
    Com &operator=(const Com &) = delete;
    ~Com()
    {
        if (p)
            p->Release();
    }
    T **operator&() { return &p; }
    T *operator->() const { return p; }
    T *get() const { return p; }
    explicit operator bool() const { return p != nullptr; }

private:
    T *p = nullptr;
};

// The bytes of an RCDATA resource; they live as long as the module.
bool Zdroj(HINSTANCE modul, const std::wstring &jmeno, const BYTE *&data, DWORD &velikost)
{
    HRSRC r = FindResourceW(modul, jmeno.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL g = r ? LoadResource(modul, r) : nullptr;
    data = g ? static_cast<const BYTE *>(LockResource(g)) : nullptr;
    velikost = r ? SizeofResource(modul, r) : 0;
    return data && velikost;
}

// The first frame of an encoded picture.
bool Snimek(IWICImagingFactory *wic, const BYTE *data, DWORD velikost,
            IWICBitmapFrameDecode **snimek)
{
    Com<IWICStream> proud;
    Com<IWICBitmapDecoder> dekoder;
    return SUCCEEDED(wic->CreateStream(&proud)) &&
           SUCCEEDED(proud->InitializeFromMemory(const_cast<BYTE *>(data), velikost)) &&
           SUCCEEDED(wic->CreateDecoderFromStream(proud.get(), nullptr,
                                                  WICDecodeMetadataCacheOnLoad, &dekoder)) &&
           SUCCEEDED(dekoder->GetFrame(0, snimek));
}

// Premultiplied 32-bit pixels, as AlphaBlend wants them, at the given size.
HBITMAP Bitmapa(IWICImagingFactory *wic, IWICBitmapSource *zdroj, UINT sirka, UINT vyska)
{
    UINT s = 0, v = 0;
    if (FAILED(zdroj->GetSize(&s, &v)))
        return nullptr;
    Com<IWICBitmapScaler> meritko;
    IWICBitmapSource *vstup = zdroj;
    if (s != sirka || v != vyska) {
        if (FAILED(wic->CreateBitmapScaler(&meritko)) ||
            FAILED(meritko->Initialize(zdroj, sirka, vyska, WICBitmapInterpolationModeFant)))
            return nullptr;
        vstup = meritko.get();
    }
    Com<IWICFormatConverter> prevod;
    if (FAILED(wic->CreateFormatConverter(&prevod)) ||
        FAILED(prevod->Initialize(vstup, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                  nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(sirka);
    info.bmiHeader.biHeight = -static_cast<LONG>(vyska); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixely = nullptr;
    HBITMAP b = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixely, nullptr, 0);
    if (!b)
        return nullptr;
    const UINT radek = sirka * 4;
    if (FAILED(prevod->CopyPixels(nullptr, radek, radek * vyska, static_cast<BYTE *>(pixely)))) {
        DeleteObject(b);
        return nullptr;
    }
    return b;
}

} // namespace

Obrazek::~Obrazek()
{
    Uvolni();
}

void Obrazek::Uvolni()
{
    if (bitmapa_)
        DeleteObject(bitmapa_);
    bitmapa_ = nullptr;
    sirka_ = vyska_ = 0;
}

bool Obrazek::Nacti(HINSTANCE modul, const std::wstring &soubor1x, const std::wstring &soubor,
                    int dpi)
{
    Uvolni();
    const BYTE *data = nullptr;
    DWORD velikost = 0;
    if (!Zdroj(modul, soubor1x, data, velikost))
        return false;

    Com<IWICImagingFactory> wic;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void **>(&wic))))
        return false;
    Com<IWICBitmapFrameDecode> snimek;
    UINT s = 0, v = 0;
    if (!Snimek(wic.get(), data, velikost, &snimek) || FAILED(snimek->GetSize(&s, &v)))
        return false;
    const UINT sirka = static_cast<UINT>(MulDiv(static_cast<int>(s), dpi, 96));
    const UINT vyska = static_cast<UINT>(MulDiv(static_cast<int>(v), dpi, 96));

    Com<IWICBitmapFrameDecode> snimek2x;
    const BYTE *data2x = nullptr;
    DWORD velikost2x = 0;
    const bool dvojity = soubor != soubor1x && Zdroj(modul, soubor, data2x, velikost2x) &&
                         Snimek(wic.get(), data2x, velikost2x, &snimek2x);
    bitmapa_ = Bitmapa(wic.get(), dvojity ? snimek2x.get() : snimek.get(), sirka, vyska);
    if (!bitmapa_)
        return false;
    sirka_ = static_cast<int>(sirka);
    vyska_ = static_cast<int>(vyska);
    return true;
}

void Obrazek::Kresli(HDC dc, int x, int y) const
{
    if (!bitmapa_)
        return;
    HDC pamet = CreateCompatibleDC(dc);
    HGDIOBJ puvodni = SelectObject(pamet, bitmapa_);
    const BLENDFUNCTION smes{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, sirka_, vyska_, pamet, 0, 0, sirka_, vyska_, smes);
    SelectObject(pamet, puvodni);
    DeleteDC(pamet);
}
