#include "Ventil.h"

#include "Barvy.h"
#include "Obrazky.h"
#include "Pristupnost.h"
#include "VystupniPole.h"
#include "VzhledOkna.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

// An option button that takes a click anywhere in its rectangle, as drawn
// in the layout, not only on its mark and caption: "Pára" is much shorter
// than its control.
class Prepinac : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &bod) const override { return rect().contains(bod); }
};

// In its container, in pixels at 96 dpi; Qt scales the window from there.
QRect Misto(const PopisOvladace &p)
{
    return {Pixely(p.vlevo), Pixely(p.nahore), Pixely(p.sirka), Pixely(p.vyska)};
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

Ventil::Ventil(QWidget *parent) : QWidget(parent)
{
    ZaregistrujPristupnost();
    setObjectName(Q(NazevOkna));
    setWindowTitle(Q(NazevOkna));
    setWindowIcon(IkonaOkna());
    setFixedSize(Pixely(SirkaOkna), Pixely(VyskaOkna));

    VytvorOvladace();
    NastavPoradiTabulatoru();
    PripojUdalosti();
    Obsluz(Udalost::Nacteni, stav_, *this);
}

void Ventil::VytvorOvladace()
{
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        const PopisOvladace &p = Ovladace[i];
        QWidget *rodic = p.kontejner.empty() ? this : ovladace_[NajdiOvladac(p.kontejner)];
        const QString text = Q(p.text);
        QWidget *w = nullptr;
        switch (p.druh) {
        case DruhOvladace::Popisek:
        case DruhOvladace::VystupniPole: {
            auto *l =
                p.druh == DruhOvladace::VystupniPole ? new VystupniPole(rodic) : new QLabel(rodic);
            l->setText(text);
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            l->setTextFormat(Qt::PlainText);
            l->setAutoFillBackground(true);
            if (p.druh == DruhOvladace::VystupniPole) {
                l->setFrameStyle(QFrame::Box | QFrame::Plain);
                OznacVystupniPole(l);
            } else if (TichyPopisek(i)) {
                OznacTichyPopisek(l);
            }
            if (i == Ovl("THlaska"))
                OznacHlasku(l);
            w = l;
            break;
        }
        case DruhOvladace::TextovePole: {
            auto *e = new QLineEdit(text, rodic);
            // Qt's default, stated because the program promises it.
            e->setMaxLength(MaxDelkaTextu);
            w = e;
            break;
        }
        case DruhOvladace::Prepinac: {
            auto *r = new Prepinac(text, rodic);
            r->setChecked(p.vlastnost == Vlastnost::Vybrany);
            w = r;
            break;
        }
        case DruhOvladace::Tlacitko: {
            // Return presses the focused button, as Space does; the window
            // is no dialog, so there is no default button for the fields.
            auto *b = new QPushButton(text, rodic);
            b->setAutoDefault(true);
            w = b;
            break;
        }
        case DruhOvladace::Ramecek:
            w = new QGroupBox(text, rodic);
            break;
        case DruhOvladace::Obrazek: {
            auto *l = new QLabel(rodic);
            ZobrazObrazek(l, p.text, Q(p.nazev));
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        }
        w->setObjectName(Q(p.jmeno));
        w->setGeometry(Misto(p));
        if (const std::optional<BarvyPole> barvy = BarvyOvladace(i))
            Obarvi(w, *barvy);
        if (p.vlastnost == Vlastnost::Skryty)
            w->hide();
        // The window's face at the control's size; the window's own font is
        // the application's.
        if (const RezPisma rez = RezPismaOvladace(i); rez != PismoOkna) {
            QFont f = font();
            f.setPointSizeF(rez.body);
            f.setBold(rez.tucne);
            w->setFont(f);
        }
        ovladace_[i] = w;
    }

    // Each lowered control goes beneath those lowered before it, among the
    // siblings of its container.
    for (const IdOvladace i : PoradiVrstev)
        if (Vrstva(i) > 0)
            ovladace_[i]->lower();
}

void Ventil::NastavPoradiTabulatoru()
{
    for (std::size_t k = 1; k < PoradiTabulatoru.size(); ++k)
        setTabOrder(ovladace_[PoradiTabulatoru[k - 1]], ovladace_[PoradiTabulatoru[k]]);
    ovladace_[PrvniFokus(stav_)]->setFocus();
}

void Ventil::PripojUdalosti()
{
    for (IdOvladace i = 0; i < Ovladace.size(); ++i) {
        const std::optional<Udalost> udalost = UdalostOvladace(i);
        if (!udalost)
            continue;
        const auto obsluha = [this, u = *udalost] { Obsluz(u, stav_, *this); };
        // The option that becomes checked runs its handler, once per
        // selection however it is made: mouse, keys, a screen reader's toggle
        // action or setChecked; the one unchecked at the same time does
        // nothing. The start options are checked before this.
        if (auto *r = qobject_cast<QRadioButton *>(ovladace_[i]))
            connect(r, &QRadioButton::toggled, this, [obsluha](bool vybrano) {
                if (vybrano)
                    obsluha();
            });
        else if (auto *b = qobject_cast<QPushButton *>(ovladace_[i]))
            connect(b, &QPushButton::clicked, this, obsluha);
    }
}

std::string Ventil::Text(IdOvladace ovladac) const
{
    const QWidget *w = ovladace_[ovladac];
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text().toStdString();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text().toStdString();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text().toStdString();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title().toStdString();
    return {};
}

void Ventil::NastavText(IdOvladace ovladac, std::string_view text)
{
    QWidget *w = ovladace_[ovladac];
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(Q(text));
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(Q(text));
}

void Ventil::Zobraz(IdOvladace ovladac, bool zobrazit)
{
    ZobrazPristupne(ovladace_[ovladac], zobrazit);
}

void Ventil::Pojmenuj(IdOvladace ovladac, std::string_view jmeno)
{
    PojmenujPristupne(ovladace_[ovladac], Q(jmeno));
}

void Ventil::Oznam(std::string_view zprava)
{
    OznamHlasku(static_cast<QLabel *>(ovladace_[Ovl("THlaska")]), Q(zprava));
}

std::string Ventil::DesetinnyOddelovac() const
{
    return QLocale::system().decimalPoint().toStdString();
}

void Ventil::Ukonci()
{
    close();
    QCoreApplication::quit();
}
