// The saturated-steam table and the lookup between its rows.

#include "StavSTabulkou.h"
#include "steam/Interpolace.h"
#include "steam/NaplnTabulku.h"

#include <QTest>

#include <charconv>
#include <string>

namespace {

// The line through rows i and i+1 at P, operations in the defined order.
double NaPrimce(int i, double P)
{
    const auto &r = NaplnenyStav().TabulkaPary.radky;
    const auto j = static_cast<std::size_t>(i);
    return r[j].objem -
           ((P - r[j].tlak) * ((r[j].objem - r[j + 1].objem) / (r[j + 1].tlak - r[j].tlak)));
}

std::string Bity(double x)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

} // namespace

class TstPara : public QObject
{
    Q_OBJECT

private slots:
    void tabulka();
    void hodnoty_data();
    void hodnoty();
    void jenObjem();
};

// 48 rows, pressures ascending, volumes descending. At every row pressure
// the lookup gives that row's volume bit for bit, though all but the first
// are reached at the top end of the segment below. Filling again changes
// nothing.
void TstPara::tabulka()
{
    TabulkaPary t;
    NaplnTabulku(t);
    QVERIFY(t.naplnena && t.radky.size() == 48);
    QVERIFY(t.radky[0].tlak == 100.0 && t.radky[0].objem == 1.694);
    QVERIFY(t.radky[47].tlak == 2000.0 && t.radky[47].objem == 0.1);
    TabulkaPary znovu = t;
    NaplnTabulku(znovu);
    for (std::size_t k = 0; k < t.radky.size(); ++k) {
        const auto &r = t.radky[k];
        const std::string kde = "row " + std::to_string(k) + " looks up " + Bity(ObjemPri(r.tlak));
        QVERIFY2(k == 0 || (r.tlak > t.radky[k - 1].tlak && r.objem < t.radky[k - 1].objem),
                 kde.c_str());
        QVERIFY2(ObjemPri(r.tlak) == r.objem, kde.c_str());
        QVERIFY2(znovu.radky[k].tlak == r.tlak && znovu.radky[k].objem == r.objem, kde.c_str());
    }
}

void TstPara::hodnoty_data()
{
    QTest::addColumn<double>("tlak");
    QTest::addColumn<double>("objem");

    const auto radek = [](const char *nazev, double tlak, double objem) {
        QTest::newRow(nazev) << tlak << objem;
    };
    radek("first row exact", 100, 1.694);
    // Here (dx * dv) / dp or another grouping would differ in the last bit.
    radek("104.3 in the defined operation order", 104.3, NaPrimce(0, 104.3));
    radek("152.8 in the defined operation order", 152.8, NaPrimce(2, 152.8));
    radek("110 halfway in first segment", 110, NaPrimce(0, 110));
    radek("120 exact", 120, 1.428);
    radek("150 mid segment", 150, NaPrimce(2, 150));
    radek("1000 exact", 1000, 0.1943);
    radek("1025 in a 50 kPa segment", 1025, NaPrimce(30, 1025));
    radek("1575", 1575, NaPrimce(41, 1575));
    radek("1750 in a 100 kPa segment", 1750, NaPrimce(44, 1750));
    radek("1950 in the last segment", 1950, NaPrimce(46, 1950));
    radek("last row exact", 2000, 0.1);
    radek("50 continues the first segment", 50, NaPrimce(0, 50));
    radek("0 continues the first segment", 0, NaPrimce(0, 0));
    radek("-100 continues the first segment", -100, NaPrimce(0, -100));
    radek("2100 continues the last segment", 2100, NaPrimce(46, 2100));
    radek("1e6 continues the last segment", 1e6, NaPrimce(46, 1e6));
    // A row's pressure belongs to the segment ending there; just above it the
    // next segment's line takes over (the slopes differ, so do the results).
    radek("500 ends the 20 kPa segments", 500, NaPrimce(19, 500));
    radek("500.5 uses the 50 kPa segment", 500.5, NaPrimce(20, 500.5));
    radek("1700.5 uses the 100 kPa segment", 1700.5, NaPrimce(44, 1700.5));
    radek("120.5 uses the second segment", 120.5, NaPrimce(1, 120.5));
}

void TstPara::hodnoty()
{
    QFETCH(double, tlak);
    QFETCH(double, objem);
    const double v = ObjemPri(tlak);
    QVERIFY2(v == objem, ("got " + Bity(v) + ", expected " + Bity(objem)).c_str());
}

// Interpolace writes Objem and nothing else, and gives the same twice.
void TstPara::jenObjem()
{
    Stav s = NaplnenyStav();
    s.Tlak = 333.0;
    s.Objem1 = 7.0;
    Interpolace(s);
    const Hodnota prvni = s.Objem;
    QVERIFY(s.Tlak == Hodnota(333.0));
    QVERIFY(s.Objem1 == Hodnota(7.0));
    QVERIFY(prvni == Hodnota(NaPrimce(11, 333.0)));
    Interpolace(s);
    QVERIFY(s.Objem == prvni);
}

QTEST_APPLESS_MAIN(TstPara)
#include "tst_para.moc"
