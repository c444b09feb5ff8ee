// What a screen reader and a keyboard-only user get from the window, under
// the C and the Czech locale.
#include "TestLocale.h"

#include "TestOkna.h"
#include "Ventil.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QString Jmeno(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class TstPristupnost : public QObject
{
    Q_OBJECT

    QWidget *w(const char *jmeno) { return okno->findChild<QWidget *>(jmeno); }
    void klik(const char *jmeno)
    {
        QWidget *c = w(jmeno);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2));
    }
    QString oddelovac() const { return QLocale::system().decimalPoint(); }

    Ventil *okno = nullptr;

private slots:
    void initTestCase() { NastavTestovaciLocale(); }

    void init()
    {
        okno = new Ventil;
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno));
    }
    void cleanup() { delete okno; }

    void jmenaPoli_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("jmeno");
        const auto radek = [](const char *medium, const char *pole, const char *jmeno) {
            QTest::addRow("%s %s", medium, pole) << medium << pole << QString::fromUtf8(jmeno);
        };
        radek("TMedium1", "TVykon", "Výkon, kW");
        radek("TMedium1", "TDeltaT", "Delta T, °K");
        radek("TMedium1", "TPpary", "Tlak páry, kPa abs (max 2000)");
        radek("TMedium1", "TSuchost", "Suchost");
        radek("TMedium1", "TZprutok", "Objemový tok, m3/h");
        radek("TMedium1", "TDeltaP", "Tlaková ztráta na ventilu, kPa");
        radek("TMedium1", "TPrutok", "Objemový tok, m3/h");
        radek("TMedium1", "TObjem12", "Měrný objem v12, m3/kg");
        radek("TMedium1", "Tkvs", "Průtočný součinitel kvs, m3/h");
        radek("TMedium2", "TPrutok", "Hmotnostní tok, kg/h");
        radek("TMedium2", "TZprutok", "Hmotnostní tok, kg/h");
        radek("TMedium3", "TPrutok", "Objemový tok, m3/h");
    }
    void jmenaPoli()
    {
        QFETCH(QString, medium);
        QFETCH(QString, pole);
        QFETCH(QString, jmeno);
        klik(medium.toLatin1());
        QCOMPARE(Jmeno(w(pole.toLatin1())), jmeno);
    }

    void tlacitkaNesouSveTexty_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<int>("role");
        QTest::newRow("Voda") << "TMedium1" << int(QAccessible::RadioButton);
        QTest::newRow("Průtok") << "TZpusob2" << int(QAccessible::RadioButton);
        QTest::newRow("Spočítej") << "TPocitej" << int(QAccessible::Button);
        QTest::newRow("Ukonči") << "TKonec" << int(QAccessible::Button);
    }
    void tlacitkaNesouSveTexty()
    {
        QFETCH(QString, jmeno);
        QFETCH(int, role);
        auto *b = okno->findChild<QAbstractButton *>(jmeno);
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(b);
        QCOMPARE(int(i->role()), role);
        QCOMPARE(i->text(QAccessible::Name), b->text());
    }

    // A result is spoken in its field's name, between caption and unit, and
    // offered as value in process.
    void vysledekJeVeJmenuPole()
    {
        QAccessibleInterface *kvs = QAccessible::queryAccessibleInterface(w("Tkvs"));
        klik("TPocitej");
        QCOMPARE(kvs->text(QAccessible::Name),
                 QString::fromUtf8("Průtočný součinitel kvs 4") + oddelovac() + "31 m3/h");
        QCOMPARE(kvs->text(QAccessible::Value), QStringLiteral("4") + oddelovac() + "31");
        QVERIFY(kvs->state().readOnly);
    }

    // The offscreen platform delivers no accessibility events, so what is
    // checked is what a screen reader reads when the notification shows:
    // the message, or the shown results once a compute goes through.
    void hlaskaJeCitelna()
    {
        okno->findChild<QLineEdit *>("TVykon")->setText("0");
        klik("TPocitej");
        QCOMPARE(Jmeno(w("THlaska")),
                 QString::fromUtf8(HlaskaZadejCislo.data(), HlaskaZadejCislo.size()));
        okno->findChild<QLineEdit *>("TVykon")->setText("100");
        klik("TPocitej");
        const QString kvs = "4" + oddelovac() + "31";
        QCOMPARE(
            Jmeno(w("THlaska")),
            QString::fromUtf8("Objemový tok %1 m3/h, Průtočný součinitel kvs %1 m3/h").arg(kvs));
    }

    // Arrow keys move the selection within a frame and run its handler.
    void sipkyVoliMoznost()
    {
        w("TMedium1")->setFocus();
        QTest::keyClick(w("TMedium1"), Qt::Key_Down);
        QVERIFY(okno->findChild<QRadioButton *>("TMedium2")->isChecked());
        QVERIFY(okno->stav().Medium2 && !okno->stav().Medium1);
        QCOMPARE(okno->findChild<QLabel *>("LPrutok")->text(), QString::fromUtf8("Hmotnostní tok"));
        QVERIFY(w("TPpary")->isVisible());

        w("TZpusob1")->setFocus();
        QTest::keyClick(w("TZpusob1"), Qt::Key_Right);
        QVERIFY(okno->stav().Zpusob2 && !okno->stav().Zpusob1);
        QVERIFY(w("TZprutok")->isVisible());
    }

    // A text field has one selection at most: asked for any other, or while
    // nothing is selected, it gives none (0, 0).
    void vyberPole_data()
    {
        QTest::addColumn<int>("od"); // selected from here to the end of "100"; -1: nothing
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QPoint>("vyber"); // start, end
        QTest::newRow("selection 0") << 1 << 0 << 1 << QPoint(1, 3);
        QTest::newRow("selection 1") << 1 << 1 << 1 << QPoint(0, 0);
        QTest::newRow("selection -1") << 1 << -1 << 1 << QPoint(0, 0);
        QTest::newRow("selection 0, nothing selected") << -1 << 0 << 0 << QPoint(0, 0);
    }
    void vyberPole()
    {
        QFETCH(int, od);
        QFETCH(int, index);
        QFETCH(int, pocet);
        QFETCH(QPoint, vyber);
        auto *pole = okno->findChild<QLineEdit *>("TVykon");
        if (od >= 0)
            pole->setSelection(od, int(pole->text().size()) - od);
        QAccessibleTextInterface *t = QAccessible::queryAccessibleInterface(pole)->textInterface();
        QCOMPARE(t->selectionCount(), pocet);
        int zacatek = -7, konec = -7;
        t->selection(index, &zacatek, &konec);
        QCOMPARE(QPoint(zacatek, konec), vyber);
    }

    // Each character's rectangle, where a screen reader or a magnifier shows
    // it, lies inside the field where the field draws that character: a
    // point in its left quarter is that character's offset.
    void znakyNaObrazovce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kurzor");
        QTest::addColumn<int>("od"); // the characters from here on are in view
        QTest::newRow("caret at the end") << "100" << 3 << 0;
        QTest::newRow("caret at the start") << "100" << 0 << 0;
        QTest::newRow("caret inside") << "123456" << 2 << 0;
        QTest::newRow("scrolled to the end") << QString(40, u'9') + "1234" << 44 << 40;
    }
    void znakyNaObrazovce()
    {
        QFETCH(QString, text);
        QFETCH(int, kurzor);
        QFETCH(int, od);
        auto *pole = okno->findChild<QLineEdit *>("TVykon");
        pole->setText(text);
        pole->setCursorPosition(kurzor);
        pole->repaint(); // the field scrolls its text to the caret as it paints
        QAccessibleTextInterface *t = QAccessible::queryAccessibleInterface(pole)->textInterface();
        const QRect plocha(pole->mapToGlobal(QPoint(0, 0)), pole->size());
        for (int i = od; i < text.size(); ++i) {
            const QRect znak = t->characterRect(i);
            QVERIFY2(plocha.contains(znak), qPrintable(QString::number(i)));
            QCOMPARE(t->offsetAtPoint(QPoint(znak.left() + znak.width() / 4, znak.center().y())),
                     i);
        }
    }

    void mezernikStiskneTlacitko()
    {
        w("TPocitej")->setFocus();
        QTest::keyClick(w("TPocitej"), Qt::Key_Space);
        QCOMPARE(okno->findChild<QLabel *>("Tkvs")->text(),
                 QStringLiteral("4") + oddelovac() + "31");
    }
};

VENTIL_TEST_MAIN(TstPristupnost)
#include "tst_pristupnost.moc"
