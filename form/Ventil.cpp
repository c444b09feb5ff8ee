#include "Ventil.h"

#include "Barvy.h"
#include "OvladaceOkna.h"
#include "PrikazSpocitej.h"
#include "Pristupnost.h"
#include "steam/NaplnTabulku.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// The bundled face stands in for the design's dialog font and for its
// "MS Sans Serif": metric-compatible with the fonts the layout was drawn
// for, so every caption fits its control, with Central European glyphs.
const QString Pismo = QStringLiteral("Carlito");
constexpr double BodyPismaOkna = 8.0;
constexpr int MaxDelkaTextu = 32767;

void ZaregistrujPisma()
{
    // Where the system has the face, its fonts take precedence anyway and
    // fontconfig knows them from its cache: registering ours would only make
    // it scan every glyph of the two files. Otherwise the faces are read in
    // place from the uncompressed resources: through a file each would be
    // copied to the heap, 1.3 MB together.
    static const bool hotovo = [] {
        if (QFontDatabase::hasFamily(Pismo))
            return true;
        for (const char *cesta :
             {":/res/fonts/Carlito-Regular.ttf", ":/res/fonts/Carlito-Bold.ttf"}) {
            const QResource r(QString::fromLatin1(cesta));
            QFontDatabase::addApplicationFontFromData(
                r.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char *>(r.data()), r.size())
                    : r.uncompressedData());
        }
        return true;
    }();
    Q_UNUSED(hotovo);
}

// The style draws a group frame's caption over its top line, with the
// frame's contents placed from its outer corner as designed; Fusion puts the
// caption above the line, where the option buttons of Frame1 would cover it.
const QString NazevStylu = QStringLiteral("windows");

// The window's own style, for when the application runs another one.
QStyle *StylOkna()
{
    static QStyle *styl = QStyleFactory::create(NazevStylu);
    return styl;
}

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
    std::initializer_list<const char *> ovladace;
    bool (*zobrazit)(const Stav &);
};
const PravidloViditelnosti PravidlaViditelnosti[] = {
    {{"Lvykon", "LJVykon", "TVykon"},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium1 || s.Medium2 || s.Medium3); }},
    {{"LDeltaT", "LJDeltaT", "TDeltaT"}, [](const Stav &s) { return s.Zpusob1 && s.Medium1; }},
    {{"LPpary", "LJPpary", "TPpary", "LSuchost", "LJSuchost", "TSuchost"},
     [](const Stav &s) { return s.Zpusob1 && (s.Medium2 || s.Medium3); }},
    {{"LZprutok", "LJZprutok", "TZprutok"}, [](const Stav &s) { return s.Zpusob2; }},
    {{"LObjem1", "LJObjem1", "TObjem1", "LObjem2", "LJObjem2", "TObjem2", "LObjem12", "LJObjem12",
      "TObjem12"},
     [](const Stav &s) { return s.Medium2; }},
};

// Reads a picture with the handler its suffix names and no other: left to
// detect the format, Qt loads every installed image plugin and asks each.
QPixmap Obrazek(const QString &cesta)
{
    QImageReader cteni(cesta, cesta.section(u'.', -1).toLatin1());
    cteni.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(cteni.read());
}

// A picture at the screen's pixel density: the twice-as-large drawing on
// high-density screens, so it stays sharp instead of being scaled up.
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

QRect Obdelnik(const PopisOvladace &p)
{
    return {Pixely(p.vlevo), Pixely(p.nahore), Pixely(p.sirka), Pixely(p.vyska)};
}

} // namespace

void Ventil::PripravAplikaci()
{
    ZaregistrujPisma();
    QApplication::setStyle(NazevStylu);
    QApplication::setFont(QFont(Pismo, BodyPismaOkna));
}

Ventil::Ventil(QWidget *parent) : QWidget(parent)
{
    ZaregistrujPisma();
    ZaregistrujPristupnost();
    setObjectName(QStringLiteral("Ventil"));
    setWindowTitle(QStringLiteral("Ventil"));
    QIcon ikona(Obrazek(QStringLiteral(":/res/ikona.png")));
    ikona.addPixmap(Obrazek(QStringLiteral(":/res/ikona@2x.png")));
    setWindowIcon(ikona);
    vlastniStyl_ = QApplication::style()->name() != NazevStylu;
    if (vlastniStyl_)
        setStyle(StylOkna());
    setFont(QFont(Pismo, BodyPismaOkna));
    setFixedSize(Pixely(SirkaOkna), Pixely(VyskaOkna));

    VytvorOvladace();
    OznacHlasku(popisek("THlaska"));
    PojmenujPole();
    NastavPoradiTabulatoru();
    PripojUdalosti();
    Nacteni();
}

void Ventil::VytvorOvladace()
{
    for (const PopisOvladace &p : Ovladace) {
        QWidget *rodic = p.kontejner ? ovladac(p.kontejner) : this;
        const QString text = QString::fromUtf8(p.text);
        QWidget *w = nullptr;
        switch (p.druh) {
        case DruhOvladace::Popisek:
        case DruhOvladace::VystupniPole: {
            auto *l = new QLabel(text, rodic);
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
            // Accepts any text up to this many characters; a longer paste is
            // cut there. Far beyond any number a field holds, and it keeps
            // typing and computing instant whatever is pasted.
            e->setMaxLength(MaxDelkaTextu);
            w = e;
            break;
        }
        case DruhOvladace::Prepinac: {
            auto *r = new Prepinac(text, rodic);
            r->setChecked(p.vlastnosti & Vybrany);
            w = r;
            break;
        }
        case DruhOvladace::Tlacitko: {
            // Return presses the focused button, as Space does; the window
            // is no dialog, so there is no default button for the fields.
            auto *b = new QPushButton(text, rodic);
            b->setAutoDefault(true);
            b->setDefault(false);
            w = b;
            break;
        }
        case DruhOvladace::Ramecek:
            w = new QGroupBox(text, rodic);
            break;
        case DruhOvladace::Obrazek: {
            auto *l = new QLabel(rodic);
            ZobrazObrazek(l, text, [this](const QString &cesta) {
                return NactiObrazek(cesta, devicePixelRatioF());
            });
            PojmenujObrazek(l, text);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        }
        w->setObjectName(QString::fromUtf8(p.jmeno));
        if (vlastniStyl_)
            w->setStyle(StylOkna());
        w->setGeometry(Obdelnik(p));
        if (p.vlastnosti & AzurovePozadi)
            ObarviAzurove(w);
        if (p.vlastnosti & Skryty)
            w->hide();
        // Plain labels and pictures lie beneath the other controls of their
        // container where they overlap: the caption of "Delta T" reaches under
        // its field, that of the flow result under its border.
        if (p.druh == DruhOvladace::Popisek || p.druh == DruhOvladace::Obrazek)
            w->lower();
        ovladace_.emplace(p.jmeno, w);
    }

    for (const PismoOvladace &p : PismaOvladacu) {
        QFont f(Pismo);
        f.setPointSizeF(p.body);
        f.setBold(p.tucne);
        ovladac(p.jmeno)->setFont(f);
    }
}

// Fields are spoken by their caption and unit; the flow rows' captions
// follow the medium, so this runs again when it changes.
void Ventil::PojmenujPole()
{
    for (const RadekHodnoty &r : RadkyHodnot) {
        QString jmeno = popisek(r.popisek)->text();
        const QString jednotka = popisek(r.jednotka)->text();
        if (jednotka != QLatin1String("-")) // dimensionless
            jmeno += QLatin1String(", ") + jednotka;
        ovladac(r.pole)->setAccessibleName(jmeno);
    }
}

void Ventil::NastavPoradiTabulatoru()
{
    std::vector<const PopisOvladace *> poradi;
    for (const PopisOvladace &p : Ovladace) {
        const QWidget *w = ovladac(p.jmeno);
        if (p.tabIndex >= 0 && w->focusPolicy() & Qt::TabFocus)
            poradi.push_back(&p);
    }
    std::sort(poradi.begin(), poradi.end(),
              [](auto a, auto b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < poradi.size(); ++i)
        setTabOrder(ovladac(poradi[i - 1]->jmeno), ovladac(poradi[i]->jmeno));

    // The focus starts on the first shown control in that order.
    for (const PopisOvladace *p : poradi) {
        QWidget *w = ovladac(p->jmeno);
        if (!w->isHidden()) {
            w->setFocus();
            break;
        }
    }
}

void Ventil::PripojUdalosti()
{
    // The option that becomes checked runs its handler, once per selection
    // however it is made: mouse, keys, a screen reader's toggle action or
    // setChecked. The one unchecked at the same time and a click on the
    // checked option do nothing. The start options are checked before this.
    const auto priVyberu = [this](const char *jmeno, auto obsluha) {
        connect(static_cast<QRadioButton *>(ovladac(jmeno)), &QRadioButton::toggled, this,
                [obsluha](bool vybrano) {
                    if (vybrano)
                        obsluha();
                });
    };
    priVyberu("TMedium1", [this] { ZvolMedium(1); });
    priVyberu("TMedium2", [this] { ZvolMedium(2); });
    priVyberu("TMedium3", [this] { ZvolMedium(3); });
    priVyberu("TZpusob1", [this] { ZvolZpusob(1); });
    priVyberu("TZpusob2", [this] { ZvolZpusob(2); });
    connect(static_cast<QPushButton *>(ovladac("TPocitej")), &QPushButton::clicked, this,
            &Ventil::TPocitejClick);
    connect(static_cast<QPushButton *>(ovladac("TKonec")), &QPushButton::clicked, this,
            &Ventil::TKonecClick);
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
    popisek("LPrutok")->setText(QString::fromUtf8(popis.tok));
    popisek("LZprutok")->setText(QString::fromUtf8(popis.tok));
    popisek("LJPrutok")->setText(QString::fromUtf8(popis.jednotka));
    popisek("LJZprutok")->setText(QString::fromUtf8(popis.jednotka));
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

void Ventil::Viditelnost()
{
    for (const PravidloViditelnosti &pravidlo : PravidlaViditelnosti) {
        const bool zobrazit = pravidlo.zobrazit(stav_);
        for (const char *jmeno : pravidlo.ovladace)
            ovladac(jmeno)->setVisible(zobrazit);
    }
}

void Ventil::TPocitejClick()
{
    const auto text = [this](const char *jmeno) { return pole(jmeno)->text().toStdString(); };
    const TextyVstupu texty{text("TVykon"), text("TDeltaP"),  text("TDeltaT"),
                            text("TPpary"), text("TZprutok"), text("TSuchost")};
    const std::string oddelovac = QLocale::system().decimalPoint().toStdString();

    const ZapisDoOkna zapis = Spocitej(stav_, texty, oddelovac);

    const auto zapisPole = [this](const char *jmeno, const std::optional<std::string> &t) {
        if (t)
            pole(jmeno)->setText(QString::fromStdString(*t));
    };
    const auto zapisPopisek = [this](const char *jmeno, const std::optional<std::string> &t) {
        if (t) {
            popisek(jmeno)->setText(QString::fromStdString(*t));
            OznamVysledek(popisek(jmeno));
        }
    };
    zapisPole("TSuchost", zapis.TSuchost);
    zapisPole("TPpary", zapis.TPpary);
    zapisPopisek("TPrutok", zapis.TPrutok);
    zapisPopisek("TObjem1", zapis.TObjem1);
    zapisPopisek("TObjem12", zapis.TObjem12);
    zapisPopisek("TObjem2", zapis.TObjem2);
    zapisPopisek("Tkvs", zapis.Tkvs);
    popisek("THlaska")->setText(QString::fromStdString(zapis.THlaska));
    OznamHlasku(popisek("THlaska"));
}

// Ends the program at once, nothing asked, nothing saved.
void Ventil::TKonecClick()
{
    close();
    QCoreApplication::quit();
}

QWidget *Ventil::ovladac(const char *jmeno) const
{
    const auto i = ovladace_.find(jmeno);
    return i == ovladace_.end() ? nullptr : i->second;
}

QLineEdit *Ventil::pole(const char *jmeno) const
{
    return static_cast<QLineEdit *>(ovladac(jmeno));
}

QLabel *Ventil::popisek(const char *jmeno) const
{
    return static_cast<QLabel *>(ovladac(jmeno));
}
