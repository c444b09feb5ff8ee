#pragma once

#include "LocaleTestu.h"

#include <QTest>

#include <string>

// NastavLocaleTestu() for a Qt Test suite. Call first thing in
// initTestCase(); a failure there skips the whole binary.
inline void NastavTestovaciLocale()
{
    const std::string chyba = NastavLocaleTestu();
    if (!chyba.empty())
        QFAIL(chyba.c_str());
}
