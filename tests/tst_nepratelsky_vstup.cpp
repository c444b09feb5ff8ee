// The real window under hostile input, typed or pasted: a compute gives a
// result or one of the two messages, never shows inf, nan or a runaway
// string of digits and leaves what was typed in its field (a corrected steam
// input excepted). How long such a compute takes is bench_prikaz's to say.

#include "TestLocale.h"

#include "LogikaOkna.h"
#include "TestOkna.h"
#include "Ventil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr int MaxDelka = MaxDelkaTextu;
const QString ZadejCislo = QString::fromUtf8(HlaskaZadejCislo.data(), HlaskaZadejCislo.size());
const QString MimoRozsah = QString::fromUtf8(HlaskaMimoRozsah.data(), HlaskaMimoRozsah.size());
const char *const Vystupy[] = {"TPrutok", "TObjem1", "TObjem2", "TObjem12", "Tkvs"};
constexpr double Nic = std::numeric_limits<double>::quiet_NaN();

enum Rezim { VodaVykon, VodaPrutok, ParaVykon };
enum Zadani { Pisi, Vlozim };

QString Opakuj(const QString &vzor, int delka)
{
    return vzor.repeated(delka / vzor.size() + 1).left(delka);
}

// A shown number read back with a point, within the 15 digits it is shown to.
bool Ukazuje(const QString &text, double cekano)
{
    bool ok = false;
    const double x = QString(text).replace(QLocale::system().decimalPoint(), ".").toDouble(&ok);
    return ok && std::fabs(x - cekano) <= 1e-14 * std::fabs(cekano) + 1e-323;
}

} // namespace

class TstNepratelskyVstup : public QObject
{
    Q_OBJECT

    template <class T> static T *najdi(const Ventil &okno, const char *jmeno)
    {
        auto *w = okno.findChild<T *>(QString::fromLatin1(jmeno));
        if (!w)
            qFatal("control %s not found", jmeno);
        return w;
    }

private slots:
    void initTestCase() { NastavTestovaciLocale(); }

    void vstup_data()
    {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("zadani");
        QTest::addColumn<QString>("hlaska");
        QTest::addColumn<double>("prutok");
        QTest::addColumn<double>("kvs");
        QTest::addColumn<QString>("poleZa"); // null: the text as the field took it

        const QString x = QString::fromUtf8("x\u00e9\U0001F4A7 ");
        const QString cislic400 = Opakuj("4567890123", 396);
        QTest::newRow("1 MB of digits, cut to a number too large")
            << int(VodaPrutok) << "TZprutok" << Opakuj("1234567890", 1 << 20) << int(Vlozim)
            << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("1 MB: a number, then junk past the cut")
            << int(VodaPrutok) << "TZprutok"
            << "2.5" + Opakuj(x, (1 << 20) - 3) << int(Vlozim) << QString() << 2.5 << 2.5
            << QString();
        QTest::newRow("control characters first")
            << int(VodaPrutok) << "TZprutok"
            << QString::fromUtf8("\x01\x07\x1b"
                                 "2")
            << int(Vlozim) << ZadejCislo << Nic << Nic << QString();
        QTest::newRow("control characters after the number")
            << int(VodaPrutok) << "TZprutok" << QString::fromUtf8("2\x07\x1b\x7f\r") << int(Vlozim)
            << QString() << 2.0 << 2.0 << QString();
        QTest::newRow("invalid UTF-8 after the number")
            << int(VodaVykon) << "TVykon" << QString::fromUtf8("100\xff\xfe\xc3") << int(Vlozim)
            << QString() << 4.31 << 4.31 << QString();
        QTest::newRow("invalid UTF-8 first")
            << int(VodaVykon) << "TVykon"
            << QString::fromUtf8("\xc3\x28"
                                 "100")
            << int(Vlozim) << ZadejCislo << Nic << Nic << QString();
        QTest::newRow("right-to-left marks first")
            << int(VodaVykon) << "TDeltaT" << QString::fromUtf8("\u200f\u202e20") << int(Vlozim)
            << ZadejCislo << Nic << Nic << QString();
        QTest::newRow("right-to-left mark after the number")
            << int(VodaVykon) << "TDeltaT" << QString::fromUtf8("20\u200f") << int(Vlozim)
            << QString() << 4.31 << 4.31 << QString();
        QTest::newRow("emoji only") << int(VodaPrutok) << "TZprutok" << QString::fromUtf8("💧🔥")
                                    << int(Vlozim) << ZadejCislo << Nic << Nic << QString();
        QTest::newRow("&H with 100 digits")
            << int(VodaPrutok) << "TZprutok"
            << "&H1" + QString(99, '0') << int(Vlozim) << QString() << std::ldexp(1.0, 396)
            << std::ldexp(1.0, 396) << QString();
        QTest::newRow("&O with 100 digits as the pressure drop")
            << int(VodaPrutok) << "TDeltaP"
            << "&O" + QString(100, '7') << int(Vlozim) << QString() << 2.0 << 0.0 << QString();
        QTest::newRow("400 digits")
            << int(VodaPrutok) << "TZprutok"
            << "1" + QString(399, '0') << int(Vlozim) << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("400 digits, 3 before the point")
            << int(VodaPrutok) << "TZprutok"
            << "123." + cislic400 << int(Vlozim) << QString() << 123.4567890123456789 << 123.46
            << QString();
        QTest::newRow("1e999") << int(VodaPrutok) << "TZprutok"
                               << "1e999" << int(Pisi) << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("1e-320 as the flow")
            << int(VodaPrutok) << "TZprutok"
            << "1e-320" << int(Pisi) << QString() << 1e-320 << 0.0 << QString();
        QTest::newRow("1e-320 as the pressure drop")
            << int(VodaPrutok) << "TDeltaP"
            << "1e-320" << int(Pisi) << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("1e-320 as delta T")
            << int(VodaVykon) << "TDeltaT"
            << "1e-320" << int(Pisi) << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("power overflowing the flow")
            << int(VodaVykon) << "TVykon"
            << "1e308" << int(Pisi) << MimoRozsah << Nic << Nic << QString();
        for (const char *t : {"-0", "nan", "inf", "-inf", "      "})
            QTest::newRow(qPrintable(QStringLiteral("\"%1\"").arg(t)))
                << int(VodaVykon) << "TVykon" << t << int(Pisi) << ZadejCislo << Nic << Nic
                << QString();
        QTest::newRow("nan as the steam pressure, corrected")
            << int(ParaVykon) << "TPpary"
            << "nan" << int(Pisi) << QString() << 144.0 << 5.93 << "200";
        QTest::newRow("1e999 as the steam pressure, kept")
            << int(ParaVykon) << "TPpary"
            << "1e999" << int(Pisi) << MimoRozsah << Nic << Nic << QString();
        QTest::newRow("&H10 as the dryness, corrected")
            << int(ParaVykon) << "TSuchost"
            << "&H10" << int(Pisi) << QString() << 144.0 << 7.13 << "1";
    }

    void vstup()
    {
        QFETCH(int, rezim);
        QFETCH(QString, pole);
        QFETCH(QString, text);
        QFETCH(int, zadani);
        QFETCH(QString, hlaska);
        QFETCH(double, prutok);
        QFETCH(double, kvs);
        QFETCH(QString, poleZa);

        Ventil okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        if (rezim == VodaPrutok)
            QTest::mouseClick(najdi<QRadioButton>(okno, "TZpusob2"), Qt::LeftButton);
        if (rezim == ParaVykon)
            QTest::mouseClick(najdi<QRadioButton>(okno, "TMedium2"), Qt::LeftButton, {},
                              QPoint(8, 8)); // on the button's circle
        auto *pocitej = najdi<QPushButton>(okno, "TPocitej");
        auto *zprava = najdi<QLabel>(okno, "THlaska");

        // Results of the start texts first: a refused compute must leave them.
        QTest::mouseClick(pocitej, Qt::LeftButton);
        QCOMPARE(zprava->text(), QString());
        QStringList predtim;
        for (const char *v : Vystupy)
            predtim << najdi<QLabel>(okno, v)->text();

        auto *e = najdi<QLineEdit>(okno, qPrintable(pole));
        QVERIFY(e->isVisible());
        e->clear();
        if (zadani == Vlozim) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keySequence(e, QKeySequence::Paste);
        } else {
            QTest::keyClicks(e, text);
        }
        QCOMPARE(e->maxLength(), MaxDelka);
        QCOMPARE(e->text(), text.left(MaxDelka));

        QTest::mouseClick(pocitej, Qt::LeftButton);

        QCOMPARE(zprava->text(), hlaska);
        QStringList potom;
        for (const char *v : Vystupy) {
            const QString t = najdi<QLabel>(okno, v)->text();
            QVERIFY2(t.size() <= 25 && !t.contains("inf", Qt::CaseInsensitive) &&
                         !t.contains("nan", Qt::CaseInsensitive),
                     qPrintable(QStringLiteral("%1: %2").arg(v, t)));
            potom << t;
        }
        if (hlaska.isEmpty()) {
            QVERIFY2(Ukazuje(potom[0], prutok), qPrintable(potom[0]));
            QVERIFY2(Ukazuje(potom[4], kvs), qPrintable(potom[4]));
        } else {
            QCOMPARE(potom, predtim);
        }
        QCOMPARE(e->text(), poleZa.isNull() ? text.left(MaxDelka) : poleZa);
    }
};

VENTIL_TEST_MAIN(TstNepratelskyVstup)
#include "tst_nepratelsky_vstup.moc"
