#include "TextCisla.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

std::string TextCisla(const Hodnota &hodnota, std::string_view oddelovac)
{
    if (!hodnota.jeCislo())
        return {};
    const double x = *hodnota;
    if (!std::isfinite(x))
        return {};
    if (x == 0.0)
        return "0";

    // Correctly rounded to 15 significant digits: d.dddddddddddddde[+-]x
    const std::string vedecky = fmt::format("{:.14e}", x);

    const bool zaporne = vedecky.front() == '-';
    const std::size_t e = vedecky.find('e');
    std::string cislice;
    for (char c : vedecky.substr(0, e))
        if (c >= '0' && c <= '9')
            cislice += c;
    const int exponent = std::atoi(vedecky.c_str() + e + 1);
    // Near the largest double, rounding up to 15 digits would give a text
    // beyond the range of a double; the digit below keeps it readable.
    if (exponent == 308 && cislice > "179769313486231")
        cislice = "179769313486231";
    while (cislice.size() > 1 && cislice.back() == '0')
        cislice.pop_back();

    std::string text;
    if (zaporne)
        text += '-';
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += '0';
            text += oddelovac;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += cislice;
        } else {
            const auto cele = static_cast<std::size_t>(exponent) + 1;
            if (cislice.size() <= cele) {
                text += cislice;
                text.append(cele - cislice.size(), '0');
            } else {
                text += cislice.substr(0, cele);
                text += oddelovac;
                text += cislice.substr(cele);
            }
        }
    } else {
        text += cislice[0];
        if (cislice.size() > 1) {
            text += oddelovac;
            text += cislice.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int velikost = std::abs(exponent);
        if (velikost < 10)
            text += '0';
        text += std::to_string(velikost);
    }
    return text;
}
