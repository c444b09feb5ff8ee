#include "VzhledOkna.h"

#include "LogikaOkna.h"
#include "SouboryObrazku.h"

#include <algorithm>

std::string SouborObrazku(std::string_view obrazek, Barva pozadi, double meritko)
{
    const auto existuje = [](const std::string &soubor) {
        return std::find(std::begin(SouboryObrazku), std::end(SouboryObrazku), soubor) !=
               std::end(SouboryObrazku);
    };
    std::string jmeno(obrazek);
    if (TmavePozadi(pozadi.cervena, pozadi.zelena, pozadi.modra) && existuje(jmeno + "-svetle.gif"))
        jmeno += "-svetle";
    if (meritko > 1.0 && existuje(jmeno + "@2x.png"))
        return jmeno + "@2x.png";
    return existuje(jmeno + ".gif") ? jmeno + ".gif" : std::string();
}
