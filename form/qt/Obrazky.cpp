#include "Obrazky.h"

#include "VzhledOkna.h"

#include <QEvent>
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

// Shows in a label the file of its picture that suits the colour behind
// it and the screen's density, now and whenever the palette changes (a
// theme change reaches every widget as one).
class VolbaObrazku : public QObject
{
public:
    VolbaObrazku(QLabel *obrazek, std::string jmeno)
        : QObject(obrazek), obrazek_(obrazek), jmeno_(std::move(jmeno))
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
        const std::string soubor = SouborObrazku(
            jmeno_, {pozadi.red(), pozadi.green(), pozadi.blue()}, obrazek_->devicePixelRatioF());
        if (soubor != soubor_) {
            soubor_ = soubor;
            // An "@2x" file is read at a device pixel ratio of 2.
            obrazek_->setPixmap(Obrazek(QStringLiteral(":/res/") + QString::fromStdString(soubor)));
        }
    }

    QLabel *obrazek_;
    std::string jmeno_, soubor_;
};

} // namespace

QIcon IkonaOkna()
{
    QIcon ikona(Obrazek(QStringLiteral(":/res/ikona.png")));
    ikona.addPixmap(Obrazek(QStringLiteral(":/res/ikona@2x.png")));
    return ikona;
}

void ZobrazObrazek(QLabel *obrazek, std::string_view jmeno, const QString &nazev)
{
    new VolbaObrazku(obrazek, std::string(jmeno));
    obrazek->setAccessibleName(nazev);
}
