// The window on a screen of twice the pixel density (run with
// QT_SCALE_FACTOR=2): same layout, texts still fit, sharp pictures.
#include "TestOkna.h"
#include "Ventil.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TstVysokeDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void oknoMaDvojnasobekPixelu()
    {
        Ventil okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.size(), QSize(724, 504));
        const QPixmap snimek = okno.grab();
        QCOMPARE(snimek.size(), QSize(1448, 1008));
        QCOMPARE(okno.findChild<QWidget *>("TDeltaP")->mapTo(&okno, QPoint(0, 0)),
                 QPoint(432, 264));
    }

    // The pictures are the drawings made at twice the size, not the small
    // ones scaled up: the grabbed window shows the large drawing pixel for
    // pixel where it is opaque.
    void obrazkyJsouOstre_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QString>("zdroj");
        QTest::newRow("valve") << "Image2"
                               << ":/res/ventil@2x.png";
        QTest::newRow("logo") << "Image1"
                              << ":/res/logo@2x.png";
    }
    void obrazkyJsouOstre()
    {
        QFETCH(QString, jmeno);
        QFETCH(QString, zdroj);
        Ventil okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        auto *obrazek = okno.findChild<QLabel *>(jmeno);
        QCOMPARE(obrazek->pixmap().devicePixelRatio(), 2.0);

        const QImage velky(zdroj);
        const QImage snimek = obrazek->grab().toImage();
        QCOMPARE(snimek.size(), velky.size());
        int shodnych = 0, nepruhlednych = 0;
        for (int y = 0; y < velky.height(); ++y)
            for (int x = 0; x < velky.width(); ++x)
                if (qAlpha(velky.pixel(x, y)) == 255) {
                    ++nepruhlednych;
                    shodnych += (velky.pixel(x, y) & 0xffffff) == (snimek.pixel(x, y) & 0xffffff);
                }
        QVERIFY(nepruhlednych > 1000);
        QCOMPARE(shodnych, nepruhlednych);
    }

    void ikonaMaVelkouVerzi()
    {
        Ventil okno;
        QVERIFY(okno.windowIcon().availableSizes().contains(QSize(48, 64)));
        QVERIFY(okno.windowIcon().availableSizes().contains(QSize(24, 32)));
    }

    // Glyphs are hinted at the larger pixel size; every caption must still
    // fit its control in logical pixels.
    void textySeVejdou()
    {
        Ventil okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        for (QLabel *l : okno.findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                continue;
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(l->objectName()));
            QVERIFY2(fm.height() <= l->height(), qPrintable(l->objectName()));
        }
        for (QLineEdit *e : okno.findChildren<QLineEdit *>())
            QVERIFY2(QFontMetrics(e->font()).horizontalAdvance(e->text()) < e->width() - 8,
                     qPrintable(e->objectName()));
    }
};

VENTIL_TEST_MAIN(TstVysokeDpi)
#include "tst_vysoke_dpi.moc"
