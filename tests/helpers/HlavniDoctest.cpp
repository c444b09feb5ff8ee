// doctest's main for the computation's tests. The test locale is put in force
// before any test runs, so a binary without it fails as a whole.

#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "LocaleTestu.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    const std::string chyba = NastavLocaleTestu();
    if (!chyba.empty()) {
        std::fprintf(stderr, "%s\n", chyba.c_str());
        return 1;
    }
    doctest::Context kontext(argc, argv);
    return kontext.run();
}
