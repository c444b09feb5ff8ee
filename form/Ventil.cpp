#include "Ventil.h"

#include "Barvy.h"
#include "NaplnTabulku.h"
#include "Obrazky.h"
#include "OvladaceOkna.h"
#include "PrikazSpocitej.h"
#include "Pristupnost.h"
#include "VystupniPole.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <vector>

namespace {

constexpr int MaxDelkaTextu = 32767;

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

// Flow captions and units by medium (water, steam, condensate).
struct PopisPrutoku
{
    const char *tok;
    const char *jednotka;
};
constexpr PopisPrutoku PopisyPrutoku[3] = {
    {"Objemový tok", "m3/h"},
    {"Hmotnostní tok", "kg/h"},
    {"Objemový tok", "m3/h"},
};

// Rows that Viditelnost shows or hides, in the order it sets them.
struct PravidloViditelnosti
{
    std::initializer_list<Radek> radky;
    bool (*zobrazit)(const Stav &);
};
const PravidloViditelnosti PravidlaViditelnosti[] = {
    {{Radek::Vykon},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium1 || s.Medium2 || s.Medium3); }},
    {{Radek::DeltaT}, [](const Stav &s) { return s.Zpusob1 && s.Medium1; }},
    {{Radek::Ppary, Radek::Suchost},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium2 || s.Medium3); }},
    {{Radek::Zprutok}, [](const Stav &s) { return s.Zpusob2; }},
    {{Radek::Objem1, Radek::Objem2, Radek::Objem12}, [](const Stav &s) { return s.Medium2; }},
};

QRect Obdelnik(const PopisOvladace &p)
{
    return {Pixely(p.vlevo), Pixely(p.nahore), Pixely(p.sirka), Pixely(p.vyska)};
}

} // namespace

Ventil::Ventil(QWidget *parent) : QWidget(parent)
{
    ZaregistrujPristupnost();
    setObjectName(QStringLiteral("Ventil"));
    setWindowTitle(QStringLiteral("Ventil"));
    setWindowIcon(IkonaOkna());
    setFixedSize(Pixely(SirkaOkna), Pixely(VyskaOkna));

    VytvorOvladace();
    PriradOvladace();
    OznacHlasku(o_.THlaska);
    PojmenujPole();
    NastavPoradiTabulatoru();
    PripojUdalosti();
    Nacteni();
}

// The control of that name in the table, of the kind the caller uses it as.
template <typename T> T *Ventil::najdi(const char *jmeno) const
{
    T *ovladac = findChild<T *>(QLatin1String(jmeno));
    if (ovladac == nullptr)
        qFatal("Ventil: the control table has no %s of the kind the window needs", jmeno);
    return ovladac;
}

void Ventil::VytvorOvladace()
{
    for (const PopisOvladace &p : Ovladace) {
        QWidget *rodic = p.kontejner ? najdi<QWidget>(p.kontejner) : this;
        const QString text = QString::fromUtf8(p.text);
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
            }
            w = l;
            break;
        }
        case DruhOvladace::TextovePole: {
            auto *e = new QLineEdit(text, rodic);
            // Qt's default, stated because the program promises it: any text
            // up to this many characters, a longer paste is cut there. It
            // keeps typing and computing instant whatever is pasted.
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
            ZobrazObrazek(l, text);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        }
        w->setObjectName(QString::fromUtf8(p.jmeno));
        w->setGeometry(Obdelnik(p));
        if (p.vlastnost == Vlastnost::AzurovePozadi)
            ObarviAzurove(w);
        if (p.vlastnost == Vlastnost::Skryty)
            w->hide();
        // Plain labels and pictures lie beneath the other controls of their
        // container where they overlap: the caption of "Delta T" reaches under
        // its field, that of the flow result under its border.
        if (p.druh == DruhOvladace::Popisek || p.druh == DruhOvladace::Obrazek)
            w->lower();
    }

    // The design's "MS Sans Serif" at its sizes: the window's face.
    for (const PismoOvladace &p : PismaOvladacu) {
        QFont f = font();
        f.setPointSizeF(p.body);
        f.setBold(p.tucne);
        najdi<QWidget>(p.jmeno)->setFont(f);
    }
}

void Ventil::PriradOvladace()
{
#define NAJDI(jmeno) o_.jmeno = najdi<std::remove_pointer_t<decltype(o_.jmeno)>>(#jmeno)
    NAJDI(TVykon), NAJDI(TDeltaP), NAJDI(TDeltaT), NAJDI(TPpary), NAJDI(TZprutok), NAJDI(TSuchost);
    NAJDI(TPrutok), NAJDI(TObjem1), NAJDI(TObjem2), NAJDI(TObjem12), NAJDI(Tkvs), NAJDI(THlaska);
    NAJDI(LPrutok), NAJDI(LZprutok), NAJDI(LJPrutok), NAJDI(LJZprutok);
    NAJDI(TMedium1), NAJDI(TMedium2), NAJDI(TMedium3), NAJDI(TZpusob1), NAJDI(TZpusob2);
    NAJDI(TPocitej), NAJDI(TKonec);
#undef NAJDI
    for (std::size_t i = 0; i < RadkyHodnot.size(); ++i) {
        o_.radky[i] = {najdi<QLabel>(RadkyHodnot[i].popisek), najdi<QWidget>(RadkyHodnot[i].pole),
                       najdi<QLabel>(RadkyHodnot[i].jednotka)};
    }
}

// Fields are spoken by their caption and unit; the flow rows' captions
// follow the medium, so this runs again when it changes.
void Ventil::PojmenujPole()
{
    for (const RadekOkna &r : o_.radky)
        PojmenujRadek(r.pole, r.popisek, r.jednotka);
}

void Ventil::NastavPoradiTabulatoru()
{
    std::vector<std::pair<int, QWidget *>> poradi;
    for (const PopisOvladace &p : Ovladace) {
        QWidget *w = najdi<QWidget>(p.jmeno);
        if (p.tabIndex >= 0 && w->focusPolicy() & Qt::TabFocus)
            poradi.emplace_back(p.tabIndex, w);
    }
    std::sort(poradi.begin(), poradi.end());
    for (std::size_t i = 1; i < poradi.size(); ++i)
        setTabOrder(poradi[i - 1].second, poradi[i].second);

    // The focus starts on the first shown control in that order.
    for (const auto &[tabIndex, w] : poradi)
        if (!w->isHidden()) {
            w->setFocus();
            break;
        }
}

void Ventil::PripojUdalosti()
{
    // The option that becomes checked runs its handler, once per selection
    // however it is made: mouse, keys, a screen reader's toggle action or
    // setChecked. The one unchecked at the same time and a click on the
    // checked option do nothing. The start options are checked before this.
    const auto priVyberu = [this](QRadioButton *prepinac, auto obsluha) {
        connect(prepinac, &QRadioButton::toggled, this, [obsluha](bool vybrano) {
            if (vybrano)
                obsluha();
        });
    };
    priVyberu(o_.TMedium1, [this] { ZvolMedium(1); });
    priVyberu(o_.TMedium2, [this] { ZvolMedium(2); });
    priVyberu(o_.TMedium3, [this] { ZvolMedium(3); });
    priVyberu(o_.TZpusob1, [this] { ZvolZpusob(1); });
    priVyberu(o_.TZpusob2, [this] { ZvolZpusob(2); });
    connect(o_.TPocitej, &QPushButton::clicked, this, &Ventil::TPocitejClick);
    connect(o_.TKonec, &QPushButton::clicked, this, &Ventil::TKonecClick);
}

// Load handler: the steam table first, then the start mode (flow from heat
// power, water). It touches no control: the window as built already shows
// that mode.
void Ventil::Nacteni()
{
    NaplnTabulku(stav_.TabulkaPary);
    stav_.Zpusob1 = true;
    stav_.Zpusob2 = false;
    stav_.Medium1 = true;
    stav_.Medium2 = false;
    stav_.Medium3 = false;
}

void Ventil::ZvolMedium(int medium)
{
    const PopisPrutoku &popis = PopisyPrutoku[medium - 1];
    o_.LPrutok->setText(QString::fromUtf8(popis.tok));
    o_.LZprutok->setText(QString::fromUtf8(popis.tok));
    o_.LJPrutok->setText(QString::fromUtf8(popis.jednotka));
    o_.LJZprutok->setText(QString::fromUtf8(popis.jednotka));
    stav_.Medium1 = medium == 1;
    stav_.Medium2 = medium == 2;
    stav_.Medium3 = medium == 3;
    PojmenujPole();
    Viditelnost();
}

void Ventil::ZvolZpusob(int zpusob)
{
    stav_.Zpusob1 = zpusob == 1;
    stav_.Zpusob2 = zpusob == 2;
    Viditelnost();
}

Ventil::RadekOkna &Ventil::radek(Radek r)
{
    static_assert(std::tuple_size_v<decltype(o_.radky)> == RadkyHodnot.size());
    return o_.radky[static_cast<std::size_t>(r)];
}

void Ventil::Viditelnost()
{
    for (const PravidloViditelnosti &pravidlo : PravidlaViditelnosti) {
        const bool zobrazit = pravidlo.zobrazit(stav_);
        for (const Radek r : pravidlo.radky) {
            ZobrazPristupne(radek(r).popisek, zobrazit);
            ZobrazPristupne(radek(r).jednotka, zobrazit);
            ZobrazPristupne(radek(r).pole, zobrazit);
        }
    }
}

void Ventil::TPocitejClick()
{
    const auto text = [](const QLineEdit *pole) { return pole->text().toStdString(); };
    const TextyVstupu texty{
        .TVykon = text(o_.TVykon),
        .TDeltaP = text(o_.TDeltaP),
        .TDeltaT = text(o_.TDeltaT),
        .TPpary = text(o_.TPpary),
        .TZprutok = text(o_.TZprutok),
        .TSuchost = text(o_.TSuchost),
    };
    const std::string oddelovac = QLocale::system().decimalPoint().toStdString();

    const ZapisDoOkna zapis = Spocitej(stav_, texty, oddelovac);

    const auto zapisPole = [](QLineEdit *pole, const std::optional<std::string> &t) {
        if (t)
            pole->setText(QString::fromStdString(*t));
    };
    const auto zapisVysledek = [](QLabel *pole, const std::optional<std::string> &t) {
        if (t) {
            pole->setText(QString::fromStdString(*t));
            OznamVysledek(pole);
        }
    };
    zapisPole(o_.TSuchost, zapis.TSuchost);
    zapisPole(o_.TPpary, zapis.TPpary);
    zapisVysledek(o_.TPrutok, zapis.TPrutok);
    zapisVysledek(o_.TObjem1, zapis.TObjem1);
    zapisVysledek(o_.TObjem12, zapis.TObjem12);
    zapisVysledek(o_.TObjem2, zapis.TObjem2);
    zapisVysledek(o_.Tkvs, zapis.Tkvs);
    o_.THlaska->setText(QString::fromStdString(zapis.THlaska));
    OznamHlasku(o_.THlaska, {o_.TPrutok, o_.TObjem1, o_.TObjem2, o_.TObjem12, o_.Tkvs});
}

// Ends the program at once, nothing asked, nothing saved.
void Ventil::TKonecClick()
{
    close();
    QCoreApplication::quit();
}
