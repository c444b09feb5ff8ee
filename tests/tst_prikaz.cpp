// The compute command: texts in, state and texts out. Runs under "C" and
// Czech C locales; the separator comes from the caller only.

#include "TestLocale.h"

#include "PomocniciTestu.h"
#include "PrikazSpocitej.h"

#include <QTest>

#include <string>

namespace {

enum Pole { Vykon, DeltaP, DeltaT, Ppary, Zprutok, Suchost };

// The field texts at start-up.
const QByteArrayList Start = {"100", "100", "20", "160", "2", "1"};

// Marks a field or caption that is not rewritten.
const QByteArray N = "-";
const QByteArray ZadejCislo(HlaskaZadejCislo.data(), HlaskaZadejCislo.size());
const QByteArray MimoRozsah(HlaskaMimoRozsah.data(), HlaskaMimoRozsah.size());

using Zmeny = std::initializer_list<std::pair<Pole, QByteArray>>;

QByteArrayList Zmena(Zmeny zmeny)
{
    QByteArrayList texty = Start;
    for (const auto &[pole, text] : zmeny)
        texty[pole] = text;
    return texty;
}

TextyVstupu Texty(const QByteArrayList &t)
{
    return {.TVykon = t[Vykon].toStdString(),
            .TDeltaP = t[DeltaP].toStdString(),
            .TDeltaT = t[DeltaT].toStdString(),
            .TPpary = t[Ppary].toStdString(),
            .TZprutok = t[Zprutok].toStdString(),
            .TSuchost = t[Suchost].toStdString()};
}

Stav NovyStav(int medium, int zpusob)
{
    Stav s = NaplnenyStav();
    NastavRezim(s, medium, zpusob);
    return s;
}

// Everything the window would write, in the order of ZapisDoOkna.
QByteArrayList Vystup(const ZapisDoOkna &z)
{
    QByteArrayList v;
    for (const auto *t :
         {&z.TSuchost, &z.TPpary, &z.TPrutok, &z.TObjem1, &z.TObjem12, &z.TObjem2, &z.Tkvs})
        v << (*t ? QByteArray::fromStdString(**t) : N);
    return v << QByteArray::fromStdString(z.THlaska);
}

// Names of the first `pocet` values that differ, empty when none does.
std::string Rozdily(const Stav &a, const Stav &b, std::size_t pocet)
{
    std::string r;
    for (std::size_t k = 0; k < pocet; ++k)
        if (!(a.*HodnotyStavu[k].second == b.*HodnotyStavu[k].second))
            r += std::string(HodnotyStavu[k].first) + " changed ";
    return r;
}

struct Vypocet
{
    int medium; // 1 water, 2 steam, 3 condensate
    int zpusob; // 1 flow from power, 2 flow typed in
    QByteArrayList texty;
    const char *oddelovac;
    QByteArrayList vystup; // as Vystup() gives it
    double ppary = 160, suchost = 1;
};

} // namespace

Q_DECLARE_METATYPE(Vypocet)

class TstPrikaz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { NastavTestovaciLocale(); }

    void vysledky_data();
    void vysledky();
    void odmitnuti_data();
    void odmitnuti();
};

void TstPrikaz::vysledky_data()
{
    QTest::addColumn<Vypocet>("v");
    const auto radek = [](const char *nazev, int medium, int zpusob, Zmeny zmeny,
                          const char *oddelovac, const QByteArrayList &vystup, double ppary = 160,
                          double suchost = 1) {
        QTest::newRow(nazev) << Vypocet{medium, zpusob, Zmena(zmeny), oddelovac,
                                        vystup, ppary,  suchost};
    };

    radek("water at start", 1, 1, {}, ",", {N, N, "4,31", "1,091", "", "", "4,31", ""});
    radek("water at start with a point", 1, 1, {}, ".",
          {N, N, "4.31", "1.091", "", "", "4.31", ""});
    radek("condensate at start", 3, 1, {}, ",", {N, N, "0,14", "1,091", "", "", "0,14", ""});
    radek("steam at start is critical", 2, 1, {}, ",",
          {N, N, "144", "1,091", "1,96", "", "7,13", ""});
    radek("steam subcritical at 400/100", 2, 1, {{Ppary, "400"}}, ",",
          {N, N, "144", "0,4623", "", "0,6056", "3,54", ""}, 400);
    radek("wet steam 0.95 not rewritten", 2, 1, {{Suchost, "0.95"}}, ",",
          {N, N, "151,58", "1,091", "1,96", "", "7,31", ""}, 160, 0.95);
    radek("dryness 1.5 capped at 1", 2, 1, {{Suchost, "1.5"}}, ",",
          {"1", N, "144", "1,091", "1,96", "", "7,13", ""});
    radek("dryness capped for water too", 1, 1, {{Suchost, "1.5"}}, ",",
          {"1", N, "4,31", "1,091", "", "", "4,31", ""});
    radek("Ppary below the drop raised by 100", 1, 1, {{Ppary, "50"}, {DeltaP, "80"}}, ",",
          {N, "180", "4,31", "0,9771", "", "", "4,82", ""}, 180);
    radek("Ppary equal to the drop kept", 1, 1, {{DeltaP, "160"}}, ",",
          {N, N, "4,31", "1,091", "", "", "3,41", ""});
    radek("Ppary above 2000 capped", 1, 1, {{Ppary, "2500"}}, ",",
          {N, "2000", "4,31", "0,1", "", "", "4,31", ""}, 2000);
    radek("Ppary a hair above 2000 capped", 1, 1, {{Ppary, "2000.0000000001"}}, ",",
          {N, "2000", "4,31", "0,1", "", "", "4,31", ""}, 2000);
    radek("Ppary 2000.0 kept as typed", 1, 1, {{Ppary, "2000.0"}}, ",",
          {N, N, "4,31", "0,1", "", "", "4,31", ""}, 2000);
    radek("Ppary below 100 raised to 100", 1, 1, {{Ppary, "60"}, {DeltaP, "20"}}, ",",
          {N, "100", "4,31", "1,694", "", "", "9,64", ""}, 100);
    radek("drop 1950 raises Ppary then caps it", 2, 1, {{Ppary, "100"}, {DeltaP, "1950"}}, ",",
          {N, "2000", "144", "0,1", "0,1943", "", "0,63", ""}, 2000);
    // The corrected pressure is written with a point whatever the separator,
    // so the lookups read 250.5 from it, not 250.
    radek("drop 150.5 gives Ppary 250.5 with a point", 2, 1, {{Ppary, "100"}, {DeltaP, "150.5"}},
          ",", {N, "250.5", "144", "0,7181025", "1,3776", "", "4,78", ""}, 250.5);
    radek("drop 150.5 under a point separator", 2, 1, {{Ppary, "100"}, {DeltaP, "150.5"}}, ".",
          {N, "250.5", "144", "0.7181025", "1.3776", "", "4.78", ""}, 250.5);
    radek("given flow shown unrounded", 1, 2, {{Zprutok, "2.345"}}, ",",
          {N, N, "2,345", "1,091", "", "", "2,35", ""});
    radek("given steam flow", 2, 2, {{Zprutok, "144"}, {Ppary, "400"}}, ",",
          {N, N, "144", "0,4623", "", "0,6056", "3,54", ""}, 400);
}

void TstPrikaz::vysledky()
{
    QFETCH(Vypocet, v);
    Stav s = NovyStav(v.medium, v.zpusob);
    QCOMPARE(Vystup(Spocitej(s, Texty(v.texty), v.oddelovac)), v.vystup);
    QVERIFY2(s.Ppary == Hodnota(v.ppary), "Ppary");
    QVERIFY2(s.Suchost == Hodnota(v.suchost), "Suchost");
}

// Refusals: every checked field must be > 0, whether the method and medium use
// it or not (corrections kept, no result changed); a text beyond the range of a
// double stops everything at once; finite inputs whose results overflow are
// refused after the corrections. A normal compute afterwards goes through.
void TstPrikaz::odmitnuti_data()
{
    QTest::addColumn<int>("medium");
    QTest::addColumn<int>("zpusob");
    QTest::addColumn<QByteArrayList>("texty");
    QTest::addColumn<QByteArrayList>("vystup");
    QTest::addColumn<int>("nezmeneno"); // how many of HodnotyStavu[] must stay as they were
    const auto radek = [](const QByteArray &nazev, int medium, int zpusob,
                          const QByteArrayList &texty, const QByteArrayList &vystup,
                          std::size_t nezmeneno) {
        QTest::newRow(nazev.constData()) << medium << zpusob << texty << vystup << int(nezmeneno);
    };
    const char *nazvy[] = {"Vykon", "DeltaP", "DeltaT", "Ppary", "Zprutok", "Suchost"};

    for (const Pole p : {Vykon, DeltaP, DeltaT, Zprutok, Suchost})
        for (const char *text : {"0", "-1", "", "-0", "abc", "1e-999"}) {
            QByteArrayList texty = Zmena({{Ppary, "3000"}, {Suchost, "1.5"}});
            texty[p] = text;
            radek(QByteArray(nazvy[p]) + " " + (*text ? text : "empty"), 1, 1, texty,
                  {p == Suchost ? N : "1", "2000", N, N, N, N, N, ZadejCislo}, PocetVysledku);
        }
    // Ppary and Suchost would be corrected if the command got that far.
    for (const Pole p : {Vykon, DeltaP, DeltaT, Ppary, Zprutok, Suchost}) {
        QByteArrayList texty = Zmena({{Ppary, "50"}, {Suchost, "1.5"}});
        texty[p] = "1e999";
        radek(QByteArray(nazvy[p]) + " 1e999", 2, 1, texty, {N, N, N, N, N, N, N, MimoRozsah},
              std::size(HodnotyStavu));
    }
    const QByteArrayList mimo = {N, N, N, N, N, N, N, MimoRozsah};
    radek("DeltaP -1e999", 2, 1, Zmena({{DeltaP, "-1e999"}}), mimo, std::size(HodnotyStavu));
    radek("Vykon 300 hex digits", 2, 1, Zmena({{Vykon, "&H" + QByteArray(300, 'F')}}), mimo,
          std::size(HodnotyStavu));

    const auto nekonecno = [](QByteArray suchost, QByteArray ppary) {
        return QByteArrayList{suchost, ppary, N, N, N, N, N, MimoRozsah};
    };
    radek("water power 1e308", 1, 1, Zmena({{Vykon, "1e308"}, {Suchost, "1.5"}}), nekonecno("1", N),
          PocetVysledku);
    radek("steam power 1e308 dryness 0.5", 2, 1,
          Zmena({{Vykon, "1e308"}, {Suchost, "0.5"}, {Ppary, "3000"}}), nekonecno(N, "2000"),
          PocetVysledku);
    radek("water DeltaT 1e-320", 1, 1, Zmena({{DeltaT, "1e-320"}}), nekonecno(N, N), PocetVysledku);
    radek("water DeltaP 1e-320 Ppary 50", 1, 1, Zmena({{DeltaP, "1e-320"}, {Ppary, "50"}}),
          nekonecno(N, "100"), PocetVysledku);
    radek("given flow 1e200 at DeltaP 1e-300", 1, 2,
          Zmena({{Zprutok, "1e200"}, {DeltaP, "1e-300"}}), nekonecno(N, N), PocetVysledku);
}

void TstPrikaz::odmitnuti()
{
    QFETCH(int, medium);
    QFETCH(int, zpusob);
    QFETCH(QByteArrayList, texty);
    QFETCH(QByteArrayList, vystup);
    QFETCH(int, nezmeneno);

    Stav s = NovyStav(medium, zpusob);
    Spocitej(s, Texty(Start), ",");
    const Stav pred = s;

    QCOMPARE(Vystup(Spocitej(s, Texty(texty), ",")), vystup);
    const std::string rozdily = Rozdily(s, pred, static_cast<std::size_t>(nezmeneno));
    QVERIFY2(rozdily.empty(), rozdily.c_str());
    if (nezmeneno == int(std::size(HodnotyStavu)))
        QVERIFY(s == pred); // the flags and the table too

    const ZapisDoOkna z = Spocitej(s, Texty(Start), ",");
    QVERIFY2(z.THlaska.empty() && z.Tkvs && !z.Tkvs->empty(), z.THlaska.c_str());
}

QTEST_APPLESS_MAIN(TstPrikaz)
#include "tst_prikaz.moc"
