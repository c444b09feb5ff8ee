#pragma once

// Puts the C library under the locale a test is run with. Standard C++ only:
// the computation's tests run without Qt, and under Wine too.

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

// Whether a locale name is Czech: glibc's "cs_CZ.UTF-8", Windows' "cs-CZ" or
// "Czech_Czech Republic.1250", in any case.
inline bool JeCeskeLocale(const char *nazev)
{
    const auto zacinaNa = [nazev](const char *zacatek) {
        for (std::size_t k = 0; zacatek[k] != '\0'; ++k)
            if (std::tolower(static_cast<unsigned char>(nazev[k])) != zacatek[k])
                return false;
        return true;
    };
    return zacinaNa("cs") || zacinaNa("czech");
}

// Sets the locale CTest names in VENTIL_TEST_LOCALE. The number rules must
// give the same results under every locale, which is only shown if the Czech
// one (decimal comma) is really in force: a machine without it fails here
// instead of quietly testing "C" twice. Returns what went wrong, or empty
// text when the locale is in force.
inline std::string NastavLocaleTestu()
{
    const char *nazev = std::getenv("VENTIL_TEST_LOCALE");
    if (nazev == nullptr || *nazev == '\0')
        return "VENTIL_TEST_LOCALE is not set: run this test through ctest";
    if (std::setlocale(LC_ALL, nazev) == nullptr)
        return std::string("setlocale(LC_ALL, \"") + nazev + "\") failed";
    const char *tecka = std::localeconv()->decimal_point;
    if (JeCeskeLocale(nazev) && std::strcmp(tecka, ",") != 0)
        return std::string("locale ") + nazev + " is in force but its decimal point is \"" + tecka +
               "\"";
    return {};
}
