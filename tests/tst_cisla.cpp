// The number rules: reading a field's text, showing a value, two-decimal
// rounding. Runs under "C" and Czech C locales; results must not differ.

#include "PomocniciTestu.h"
#include "TestLocale.h"

#include "CteniCisla.h"
#include "TextCisla.h"
#include "Zaokrouhleni.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(Hodnota)

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double MinSub = std::numeric_limits<double>::denorm_min();

// Deterministic, so a failing sample is the same on every run.
struct SplitMix64
{
    std::uint64_t stav;
    std::uint64_t operator()()
    {
        std::uint64_t z = (stav += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
};

} // namespace

class TstCisla : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { NastavTestovaciLocale(); }

    void ctiCislo_data();
    void ctiCislo();
    void textCisla_data();
    void textCisla();
    void zpetneCteni();
    void patnactCislicPresne();
    void zaokrouhleni_data();
    void zaokrouhleni();
};

void TstCisla::ctiCislo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("hodnota");
    QTest::addColumn<bool>("mimoRozsah");

    const QByteArray nuly99(99, '0');
    const auto radek = [](const char *nazev, const QByteArray &text, double hodnota,
                          bool mimo = false) { QTest::newRow(nazev) << text << hodnota << mimo; };

    radek("plain integer", "100", 100);
    radek("comma ends the number", "2,5", 2);
    radek("letters end the number", "12abc", 12);
    radek("exponent E", "1.5E3", 1500);
    radek("empty text", "", 0);
    radek("leading point", ".5", 0.5);
    radek("trailing point", "5.", 5);
    radek("blank between digits", "1 2", 12);
    radek("blank thousands", " 2 000 ", 2000);
    radek("blanks tabs line feeds anywhere", " \t-1 2\n.5 e\t1\n", -125);
    radek("plus sign", "+7.25", 7.25);
    radek("minus sign", "-7.25", -7.25);
    radek("two signs", "+-5", 0);
    radek("exponent D", "1D3", 1000);
    radek("exponent d negative", "1d-2", 0.01);
    radek("exponent letter without digits", "1e", 1);
    radek("exponent sign without digits", "1e+", 1);
    radek("C hex prefix is not a prefix", "0x10", 0);
    radek("hex upper", "&HFF", 255);
    radek("hex lower", "&hff", 255);
    radek("hex wide is never negative", "&HFFFF", 65535);
    radek("hex without digits", "&H", 0);
    radek("octal upper", "&O17", 15);
    radek("octal lower stops at 8", "&o8", 0);
    radek("octal stops at 8 after digits", "&O178", 15);
    radek("sign before ampersand", "-&H1", 0);
    radek("sign after ampersand", "&H-1", 0);
    radek("hex 100 digits", "&H1" + nuly99, std::ldexp(1.0, 396));
    radek("hex 100 F digits round up", "&H" + QByteArray(100, 'F'), std::ldexp(1.0, 400));
    radek("hex tie rounds to even", "&H20000000000001" + QByteArray(86, '0'), std::ldexp(1.0, 397));
    radek("hex just above tie rounds up", "&H20000000000001" + QByteArray(85, '0') + "1",
          std::ldexp(9007199254740994.0, 344));
    radek("hex 300 leading zeros", "&H" + QByteArray(300, '0') + "1", 1);
    radek("hex 300 digits", "&H1" + QByteArray(299, '0'), 0, true);
    radek("octal 100 digits", "&O1" + nuly99, std::ldexp(1.0, 297));
    radek("octal 400 digits", "&O1" + QByteArray(399, '0'), 0, true);
    radek("overflow", "1e999", 0, true);
    radek("negative overflow", "-1e999", 0, true);
    radek("overflow by integer digits", "10e308", 0, true);
    radek("fraction digits keep it in range", "0.1e309", 1e308);
    radek("exponent of 20 digits", "1e99999999999999999999", 0, true);
    radek("largest double", "1.7976931348623157e308", DBL_MAX);
    radek("rounds down to largest double", "1.7976931348623158e308", DBL_MAX);
    radek("past the largest double", "1.7976931348623159e308", 0, true);
    radek("underflow is zero", "1e-999", 0);
    radek("negative underflow is minus zero", "-1e-999", -0.0);
    radek("below half the smallest subnormal", "2e-324", 0);
    radek("smallest subnormal", "4.9406564584124654e-324", MinSub);
    radek("subnormal 1e-320", "1e-320", 1e-320);
    radek("330 zeros after point", "0." + QByteArray(330, '0') + "1e330", 0.1);
    radek("400 digits beyond range", "1" + QByteArray(399, '0'), 0, true);
    radek("400 digits 1e300", "1" + QByteArray(300, '0') + "." + nuly99, 1e300);
    radek("nan", "nan", 0);
    radek("inf", "inf", 0);
    radek("letters", "abc", 0);
    radek("exact 0.1", "0.1", 0.1);
    radek("exact 4.31", "4.31", 4.31);
}

void TstCisla::ctiCislo()
{
    QFETCH(QByteArray, text);
    QFETCH(double, hodnota);
    QFETCH(bool, mimoRozsah);

    const PrectenoCislo p = CtiCislo(text.toStdString());
    QVERIFY2(p.mimoRozsah == mimoRozsah, mimoRozsah ? "expected out of range" : "out of range");
    // Out of range also promises a zero value.
    QVERIFY2(p.hodnota == hodnota, ("got " + TextBitu(p.hodnota)).c_str());
    if (std::signbit(hodnota))
        QVERIFY2(std::signbit(p.hodnota), "sign of zero lost");
}

void TstCisla::textCisla_data()
{
    QTest::addColumn<Hodnota>("hodnota");
    QTest::addColumn<QByteArray>("oddelovac");
    QTest::addColumn<QByteArray>("text");

    const auto radek = [](const char *nazev, Hodnota h, const char *odd, const char *text) {
        QTest::newRow(nazev) << h << QByteArray(odd) << QByteArray(text);
    };

    radek("whole number", 2000.0, ",", "2000");
    radek("steam flow", 144.0, ",", "144");
    radek("two decimals comma", 4.31, ",", "4,31");
    radek("two decimals point", 4.31, ".", "4.31");
    radek("0.1 + 0.2 shows 0,3", 0.1 + 0.2, ",", "0,3");
    radek("last-bit noise hidden", std::nextafter(4.31, Inf), ",", "4,31");
    radek("minus zero", -0.0, ",", "0");
    radek("rounded to 15 digits", 2.0 / 3.0, ",", "0,666666666666667");
    radek("largest positional", 999999999999999.0, ",", "999999999999999");
    radek("rounds up into exponent form", 999999999999999.875, ",", "1E+15");
    radek("1e15", 1e15, ",", "1E+15");
    radek("1e20", 1e20, ".", "1E+20");
    radek("15 digits in exponent form", 1.0 / 3.0 * 1e20, ",", "3,33333333333333E+19");
    radek("smallest positional", 0.0001, ",", "0,0001");
    radek("just below 1e-4 rounds to positional", std::nextafter(0.0001, 0.0), ",", "0,0001");
    radek("1e-5", 1e-5, ",", "1E-05");
    radek("negative exponent form", -2.5e-7, ",", "-2,5E-07");
    radek("three-digit exponent", 1e-300, ",", "1E-300");
    radek("largest double rounded down", DBL_MAX, ",", "1,79769313486231E+308");
    radek("most negative double", -DBL_MAX, ".", "-1.79769313486231E+308");
    radek("smallest subnormal", MinSub, ".", "4.94065645841247E-324");
    radek("empty", Hodnota(), ",", "");
    radek("empty text", Hodnota::PrazdnyText(), ",", "");
    radek("infinity", Inf, ",", "");
    radek("nan", NaN, ",", "");
    radek("multi-byte separator", 4.31, "\u066B", "4\u066B31");
    radek("multi-byte separator exponent form", -2.5e-7, "\u00B7", "-2\u00B75E-07");
    radek("multi-byte separator unused", 2000.0, "\u066B", "2000");
}

void TstCisla::textCisla()
{
    QFETCH(Hodnota, hodnota);
    QFETCH(QByteArray, oddelovac);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(TextCisla(hodnota, oddelovac.toStdString())), text);
}

// Every finite double shown with a point reads back in range and within the
// 15 digits shown; reading and showing again gives the same text.
void TstCisla::zpetneCteni()
{
    std::vector<double> hodnoty = {
        DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN, std::nextafter(DBL_MIN, 0.0),
        MinSub,  1e15,     999999999999999.875,          0.0001,  std::nextafter(0.0001, 0.0),
        1e-5,    0.1 + 0.2};
    SplitMix64 nahoda{20240601};
    while (hodnoty.size() < 200000) {
        const double x = std::bit_cast<double>(nahoda());
        if (std::isfinite(x))
            hodnoty.push_back(x);
    }

    for (const double x : hodnoty) {
        const std::string text = TextCisla(x, ".");
        const PrectenoCislo p = CtiCislo(text);
        const std::string kde = TextBitu(x) + " shown " + text + " read " + TextBitu(p.hodnota);
        QVERIFY2(!p.mimoRozsah, kde.c_str());
        // Half a unit in the 15th digit, plus the rounding of the read-back
        // (2^-53 relative, or half the subnormal spacing). x - y is exact.
        const double chyba = std::fabs(p.hodnota - x);
        QVERIFY2(chyba <= 5.12e-15 * std::fabs(x) + MinSub, kde.c_str());
        if (std::fabs(x) >= DBL_MIN)
            QVERIFY2(TextCisla(p.hodnota, ".") == text, kde.c_str());
        std::string carka = TextCisla(x, ",");
        std::replace(carka.begin(), carka.end(), ',', '.');
        QVERIFY2(carka == text, kde.c_str());
    }
}

// A value with at most 15 significant digits comes back bit for bit.
void TstCisla::patnactCislicPresne()
{
    SplitMix64 nahoda{7};
    for (int k = 0; k < 100000; ++k) {
        std::uint64_t mez = 10; // 10^(1..15)
        for (auto j = nahoda() % 15; j > 0; --j)
            mez *= 10;
        const std::uint64_t mantisa = 1 + nahoda() % (mez - 1);
        // Keeps m * 10^e within the normal range: [1e-307, 1e308).
        const int exponent = -307 + static_cast<int>(nahoda() % 601);
        const auto m = static_cast<long long>(mantisa);
        std::string zapis = std::to_string((nahoda() & 1) ? -m : m);
        zapis += 'e';
        zapis += std::to_string(exponent);
        double x = 0.0;
        std::from_chars(zapis.data(), zapis.data() + zapis.size(), x);

        const PrectenoCislo primo = CtiCislo(zapis);
        QVERIFY2(primo.hodnota == x && !primo.mimoRozsah,
                 (zapis + " read " + TextBitu(primo.hodnota)).c_str());
        const std::string text = TextCisla(x, ".");
        const PrectenoCislo zpet = CtiCislo(text);
        QVERIFY2(zpet.hodnota == x,
                 (zapis + " shown " + text + " read " + TextBitu(zpet.hodnota)).c_str());
    }
}

void TstCisla::zaokrouhleni_data()
{
    QTest::addColumn<double>("vstup");
    QTest::addColumn<double>("vysledek");

    QTest::newRow("half to even rounds down") << 0.125 << 0.12;
    QTest::newRow("half to even rounds up") << 0.375 << 0.38;
    QTest::newRow("negative half rounds down in magnitude") << -0.125 << -0.12;
    QTest::newRow("negative half rounds up in magnitude") << -0.375 << -0.38;
    QTest::newRow("scaled half 1.5") << 0.015 << 0.02;
    QTest::newRow("2.675 scales to exactly 267.5") << 2.675 << 2.68;
    QTest::newRow("1.005 scales below the half") << 1.005 << 1.0;
    QTest::newRow("water flow 360/83.6") << (3.6 * 100.0) / (20.0 * 4.18) << 4.31;
    QTest::newRow("already two decimals") << 4.31 << 4.31;
    QTest::newRow("tiny positive to zero") << 0.004 << 0.0;
    QTest::newRow("just below 2^52") << 4503599627370495.5 << 4503599627370495.5;
    QTest::newRow("2^52 unchanged") << 4503599627370496.0 << 4503599627370496.0;
    QTest::newRow("2^52 + 1 unchanged") << 4503599627370497.0 << 4503599627370497.0;
    QTest::newRow("largest double unchanged") << DBL_MAX << DBL_MAX;
    QTest::newRow("infinity unchanged") << Inf << Inf;
    QTest::newRow("nan passes through") << NaN << NaN;
}

void TstCisla::zaokrouhleni()
{
    QFETCH(double, vstup);
    QFETCH(double, vysledek);
    const double z = ZaokrouhliNaSetiny(vstup);
    QVERIFY2(z == vysledek || (std::isnan(z) && std::isnan(vysledek)), TextBitu(z).c_str());
}

QTEST_APPLESS_MAIN(TstCisla)
#include "tst_cisla.moc"
