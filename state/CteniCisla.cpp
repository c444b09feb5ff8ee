#include "CteniCisla.h"

#include <charconv>
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
// hexadecimal ones (3 bits each) so that from_chars rounds the value correctly
// whatever its width.
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
    double hodnota = 0.0;
    const auto [konec, chyba] =
        std::from_chars(hex.data(), hex.data() + hex.size(), hodnota, std::chars_format::hex);
    if (chyba == std::errc::result_out_of_range)
        return {0.0, true};
    if (chyba != std::errc() || konec != hex.data() + hex.size())
        return {};
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
    // from_chars takes: no '+', 'e' for the exponent letter.
    std::string cislo;
    bool zaporne = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) {
        zaporne = t[i] == '-';
        if (zaporne)
            cislo += '-';
        ++i;
    }
    // Decimal exponent of the first significant digit before the written
    // exponent, to tell an overflow from an underflow.
    long long rad = 0;
    bool vyznamna = false;
    std::size_t pocetCislic = 0;
    while (i < n && jeCislice(t[i])) {
        if (t[i] != '0' || vyznamna) {
            if (vyznamna)
                ++rad;
            vyznamna = true;
        }
        cislo += t[i++];
        ++pocetCislic;
    }
    if (i < n && t[i] == '.') {
        cislo += t[i++];
        long long nulyZaTeckou = 0;
        while (i < n && jeCislice(t[i])) {
            if (!vyznamna) {
                ++nulyZaTeckou;
                if (t[i] != '0') {
                    vyznamna = true;
                    rad = -nulyZaTeckou;
                }
            }
            cislo += t[i++];
            ++pocetCislic;
        }
    }
    if (pocetCislic == 0)
        return {};

    long long exponent = 0;
    if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        bool zapornyExp = false;
        if (j < n && (t[j] == '+' || t[j] == '-'))
            zapornyExp = t[j++] == '-';
        if (j < n && jeCislice(t[j])) {
            cislo += 'e';
            if (zapornyExp)
                cislo += '-';
            while (j < n && jeCislice(t[j])) {
                // Saturate: only the sign of the order of magnitude matters here.
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (t[j] - '0');
                cislo += t[j++];
            }
            if (zapornyExp)
                exponent = -exponent;
        }
    }

    double hodnota = 0.0;
    const auto [konec, chyba] = std::from_chars(cislo.data(), cislo.data() + cislo.size(), hodnota,
                                                std::chars_format::general);
    if (chyba == std::errc::result_out_of_range) {
        if (vyznamna && rad + exponent > 0)
            return {0.0, true};
        return {zaporne ? -0.0 : 0.0, false};
    }
    if (chyba != std::errc() || konec != cislo.data() + cislo.size())
        return {};
    return {hodnota, false};
}
