#pragma once

#include <QTest>

#include <clocale>
#include <cstdlib>
#include <cstring>

// Puts the C library under the locale CTest asked for in VENTIL_TEST_LOCALE.
// The number rules must give the same results under every locale, which is
// only shown if the Czech one (decimal comma) is really in force: a machine
// without it fails here instead of quietly testing "C" twice.
// Call first thing in initTestCase(); a failure there skips the whole binary.
inline void NastavTestovaciLocale()
{
    const char *nazev = std::getenv("VENTIL_TEST_LOCALE");
    if (nazev == nullptr || *nazev == '\0')
        QFAIL("VENTIL_TEST_LOCALE is not set: run this test through ctest");
    if (std::setlocale(LC_ALL, nazev) == nullptr)
        QFAIL(qPrintable(QStringLiteral("setlocale(LC_ALL, \"%1\") failed").arg(nazev)));
    if (std::strncmp(nazev, "cs_CZ", 5) == 0 &&
        std::strcmp(std::localeconv()->decimal_point, ",") != 0)
        QFAIL(qPrintable(QStringLiteral("locale %1 is in force but its decimal point is \"%2\"")
                             .arg(nazev, std::localeconv()->decimal_point)));
}
