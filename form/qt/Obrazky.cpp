#include "Obrazky.h"

#include "LogikaOkna.h"

#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace {

// Reads a picture with the handler its suffix names and no other: left to
// detect the format, Qt loads every installed image plugin and asks each.
QPixmap Obrazek(const QString &cesta)
{
    QImageReader cteni(cesta, cesta.section(u'.', -1).toLatin1());
    cteni.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(cteni.read());
}

// A picture at the screen's pixel density.
QPixmap NactiObrazek(const QString &cesta, qreal pomerPixelu)
{
    if (pomerPixelu > 1.0) {
        QString cesta2x = cesta;
        cesta2x.replace(QLatin1String(".gif"), QLatin1String("@2x.png"));
        QPixmap obrazek = Obrazek(cesta2x);
        if (!obrazek.isNull()) {
            obrazek.setDevicePixelRatio(2.0);
            return obrazek;
        }
    }
    return Obrazek(cesta);
}

// Swaps a label's picture for the variant that suits the colour behind it,
// now and whenever the palette changes (a theme change reaches every widget
// as one).
class VolbaObrazku : public QObject
{
public:
    VolbaObrazku(QLabel *obrazek, QPixmap proSvetle, QPixmap proTmave)
        : QObject(obrazek), obrazek_(obrazek), proSvetle_(std::move(proSvetle)),
          proTmave_(std::move(proTmave))
    {
        obrazek->installEventFilter(this);
        Vyber();
    }

protected:
    bool eventFilter(QObject *, QEvent *udalost) override
    {
        if (udalost->type() == QEvent::PaletteChange)
            Vyber();
        return false;
    }

private:
    void Vyber()
    {
        const QColor pozadi = obrazek_->palette().color(obrazek_->backgroundRole());
        const bool tmave = TmavePozadi(pozadi.red(), pozadi.green(), pozadi.blue());
        if (tmave != tmave_ || obrazek_->pixmap().isNull()) {
            tmave_ = tmave;
            obrazek_->setPixmap(tmave ? proTmave_ : proSvetle_);
        }
    }

    QLabel *obrazek_;
    QPixmap proSvetle_, proTmave_;
    bool tmave_ = false;
};

} // namespace

QIcon IkonaOkna()
{
    QIcon ikona(Obrazek(QStringLiteral(":/res/ikona.png")));
    ikona.addPixmap(Obrazek(QStringLiteral(":/res/ikona@2x.png")));
    return ikona;
}

void ZobrazObrazek(QLabel *obrazek, const QString &soubor, const QString &nazev)
{
    const QString cesta = QStringLiteral(":/res/%1.gif").arg(soubor);
    const qreal pomerPixelu = obrazek->devicePixelRatioF();
    QString svetla = cesta;
    svetla.replace(QLatin1String(".gif"), QLatin1String("-svetle.gif"));
    if (svetla == cesta || !QFile::exists(svetla))
        obrazek->setPixmap(NactiObrazek(cesta, pomerPixelu));
    else
        new VolbaObrazku(obrazek, NactiObrazek(cesta, pomerPixelu),
                         NactiObrazek(svetla, pomerPixelu));
    obrazek->setAccessibleName(nazev);
}
