#include "Barvy.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include <cmath>

namespace {

const QColor Azurova(128, 255, 255);

// Relative luminance as WCAG defines it, 0 for black to 1 for white.
double Jas(const QColor &c)
{
    const auto slozka = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * slozka(c.redF()) + 0.7152 * slozka(c.greenF()) + 0.0722 * slozka(c.blueF());
}

// Below this luminance white contrasts more with the colour than black does.
constexpr double HraniceTmave = 0.179;

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
        const bool tmave = Jas(pozadi) < HraniceTmave;
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

void ObarviAzurove(QWidget *pole)
{
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Window, Azurova);
    paleta.setColor(QPalette::WindowText, Qt::black);
    pole->setPalette(paleta);
    pole->setAutoFillBackground(true);
}

void ZobrazObrazek(QLabel *obrazek, const QString &cesta,
                   const std::function<QPixmap(const QString &)> &nacti)
{
    QString svetla = cesta;
    svetla.replace(QLatin1String(".gif"), QLatin1String("-svetle.gif"));
    if (svetla == cesta || !QFile::exists(svetla))
        obrazek->setPixmap(nacti(cesta));
    else
        new VolbaObrazku(obrazek, nacti(cesta), nacti(svetla));
}
