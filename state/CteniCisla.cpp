#include "CteniCisla.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace {

bool jeMezera(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool jeCislice(char c)
{
    return c >= '0' && c <= '9';
}
bool jeHexCislice(char c)
{
    return jeCislice(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool jeOktCislice(char c)
{
    return c >= '0' && c <= '7';
}

// Hexadecimal or octal digits as a whole number. Octal digits are turned into
// hexadecimal ones (3 bits each) so that the C library's strtod rounds the
// value correctly whatever its width: glibc's, musl's (WebAssembly) and
// MinGW's own do. The text holds no decimal separator, so the locale does not
// enter.
PrectenoCislo CtiCeleCislo(const std::string &cislice, bool oktalove)
{
    std::string hex;
    if (oktalove) {
        std::string bity;
        bity.reserve(cislice.size() * 3 + 3);
        for (char c : cislice) {
            const int d = c - '0';
            bity += (d & 4) ? '1' : '0';
            bity += (d & 2) ? '1' : '0';
            bity += (d & 1) ? '1' : '0';
        }
        bity.insert(0, (4 - bity.size() % 4) % 4, '0');
        hex.reserve(bity.size() / 4);
        for (std::size_t i = 0; i < bity.size(); i += 4) {
            const int d = (bity[i] - '0') * 8 + (bity[i + 1] - '0') * 4 + (bity[i + 2] - '0') * 2 +
                          (bity[i + 3] - '0');
            hex += "0123456789abcdef"[d];
        }
    } else {
        hex = cislice;
    }
    if (hex.empty())
        return {};
    hex.insert(0, "0x");
    char *konec = nullptr;
#ifdef __MINGW32__
    // Plain strtod may be the Windows C runtime's, which reads no hexadecimal.
    const double hodnota = __mingw_strtod(hex.c_str(), &konec);
#else
    const double hodnota = std::strtod(hex.c_str(), &konec);
#endif
    if (konec != hex.data() + hex.size())
        return {};
    if (std::isinf(hodnota))
        return {0.0, true};
    return {hodnota, false};
}

} // namespace

PrectenoCislo CtiCislo(std::string_view text)
{
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (!jeMezera(c))
            t += c;

    std::size_t i = 0;
    const std::size_t n = t.size();

    if (n >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const bool oktalove = t[1] == 'O' || t[1] == 'o';
        i = 2;
        std::string cislice;
        while (i < n && (oktalove ? jeOktCislice(t[i]) : jeHexCislice(t[i])))
            cislice += t[i++];
        return CtiCeleCislo(cislice, oktalove);
    }

    // Collect the longest prefix of the decimal form into a text that
    // fast_float takes: no '+', 'e' for the exponent letter.
    std::string cislo;
    bool zaporne = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) {
        zaporne = t[i] == '-';
        if (zaporne)
            cislo += '-';
        ++i;
    }
    std::size_t pocetCislic = 0;
    while (i < n && jeCislice(t[i])) {
        cislo += t[i++];
        ++pocetCislic;
    }
    if (i < n && t[i] == '.') {
        cislo += t[i++];
        while (i < n && jeCislice(t[i])) {
            cislo += t[i++];
            ++pocetCislic;
        }
    }
    if (pocetCislic == 0)
        return {};

    if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        const bool zapornyExp = j < n && t[j] == '-';
        if (j < n && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < n && jeCislice(t[j])) {
            cislo += zapornyExp ? "e-" : "e";
            while (j < n && jeCislice(t[j]))
                cislo += t[j++];
        }
    }

    // fast_float stores the infinity or the zero of an out-of-range text, but
    // only newer versions also report it: the value tells an overflow.
    double hodnota = 0.0;
    const auto [konec, chyba] = fast_float::from_chars(cislo.data(), cislo.data() + cislo.size(),
                                                       hodnota, fast_float::chars_format::general);
    if (std::isinf(hodnota))
        return {0.0, true};
    if (chyba == std::errc::result_out_of_range)
        return {zaporne ? -0.0 : 0.0, false};
    if (chyba != std::errc() || konec != cislo.data() + cislo.size())
        return {};
    return {hodnota, false};
}
