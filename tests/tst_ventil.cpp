// The window Ventil driven through its widgets, as a user would: clicks on
// option and push buttons, keys typed into the fields, texts read back.
// Runs under the C and the Czech locale; results carry the locale's separator.

#include "TestLocale.h"

#include "OvladaceOkna.h"
#include "TestOkna.h"
#include "Ventil.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

using D = DruhOvladace;
const QColor Azurova(128, 255, 255);

// A twip is 1/1440 of an inch; at 96 dpi a pixel is 1/96 of one.
int Px(int twipy)
{
    return twipy * 96 / 1440;
}

QString Oddelovac()
{
    return qgetenv("VENTIL_TEST_LOCALE").startsWith("cs_CZ") ? "," : ".";
}

QString Jmeno(const PopisOvladace &o)
{
    return QString::fromLatin1(o.jmeno.data(), o.jmeno.size());
}

QString Text(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

// Steps click an option button on its mark and caption, where it takes a
// click in every style (the rest of its rectangle is klikNaPrepinac's
// case); other controls at their centre.
QPoint MistoKliku(QWidget *w)
{
    auto *r = qobject_cast<QRadioButton *>(w);
    if (r == nullptr)
        return w->rect().center();
    QStyleOptionButton opt;
    opt.initFrom(r);
    opt.text = r->text();
    return r->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &opt, r).center();
}

// Steps as a user takes them: "TMedium2" clicks that control, "TPpary=400"
// clears that field and types the text, "!" clicks the compute button.
// Other ways to select or press: "TMedium2@" the accessibility toggle action
// (a screen reader), "TMedium2*" setChecked, "TPocitej^" Return on the
// focused button.
bool Proved(QWidget &okno, const QStringList &kroky)
{
    for (const QString &krok : kroky) {
        const QString jmeno = krok == "!"
                                  ? QStringLiteral("TPocitej")
                                  : krok.section('=', 0, 0).remove(QRegularExpression("[@*^]$"));
        QWidget *w = okno.findChild<QWidget *>(jmeno);
        if (w == nullptr || !w->isVisibleTo(&okno)) {
            qWarning("step %s: no shown control %s", qPrintable(krok), qPrintable(jmeno));
            return false;
        }
        if (auto *e = qobject_cast<QLineEdit *>(w); e && krok.contains('=')) {
            e->clear();
            QTest::keyClicks(e, krok.section('=', 1));
        } else if (krok.endsWith('@')) {
            QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
            i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        } else if (krok.endsWith('*')) {
            static_cast<QAbstractButton *>(w)->setChecked(true);
        } else if (krok.endsWith('^')) {
            w->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w, Qt::Key_Return);
        } else {
            QTest::mouseClick(w, Qt::LeftButton, {}, MistoKliku(w));
        }
    }
    return true;
}

// Everything a user can see or the handlers keep, for "nothing changed".
QStringList Snimek(const Ventil &okno)
{
    QStringList s;
    for (const PopisOvladace &o : Ovladace) {
        const QWidget *w = okno.findChild<QWidget *>(Jmeno(o));
        const auto *b = qobject_cast<const QAbstractButton *>(w);
        s << QString::asprintf("%s '%s' hidden %d checked %d", qPrintable(Jmeno(o)),
                               qPrintable(Text(w)), w->isHidden(), b && b->isChecked());
    }
    const Stav &st = okno.stav();
    s << QString::asprintf("flags %d%d %d%d%d", st.Zpusob1, st.Zpusob2, st.Medium1, st.Medium2,
                           st.Medium3);
    return s;
}

// Free room around the text, across and down, where the style puts it.
QPair<int, int> Okraje(QWidget *w, const QString &text)
{
    const QFontMetrics fm(w->font());
    const int sirka = fm.horizontalAdvance(text);
    QStyle *st = w->style();
    if (auto *l = qobject_cast<QLabel *>(w)) {
        // A framed label indents its text by half an "x".
        const int odsazeni = l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 : 0;
        const QRect r = l->contentsRect();
        return {r.width() - odsazeni - sirka, r.height() - fm.height()};
    }
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = st->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
        // QLineEdit keeps 2 px of its own either side of the text.
        const QRect r = st->subElementRect(QStyle::SE_LineEditContents, &opt, e);
        return {r.width() - 4 - sirka, r.height() - fm.height()};
    }
    if (auto *r = qobject_cast<QRadioButton *>(w)) {
        const int znacka = st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, r) +
                           st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, r);
        return {r->width() - znacka - sirka, r->height() - fm.height()};
    }
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        const QRect r = st->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        return {r.width() - st->pixelMetric(QStyle::PM_ButtonMargin, &opt, b) - sirka,
                r.height() - fm.height()};
    }
    auto *g = qobject_cast<QGroupBox *>(w);
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = text;
    opt.lineWidth = 1;
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect r = st->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    return {g->width() - r.left() - sirka, g->height() - r.bottom() - 1};
}

// Smallest margin by kind of control and direction, with the row it came from.
QMap<QString, QPair<int, QString>> NejmensiOkraje;

using L = QStringList;

} // namespace

class TstVentil : public QObject
{
    Q_OBJECT

    std::unique_ptr<Ventil> okno;

    QWidget *operator[](const QString &jmeno) const { return okno->findChild<QWidget *>(jmeno); }
    bool Vybran(const QString &jmeno) const
    {
        return static_cast<QRadioButton *>((*this)[jmeno])->isChecked();
    }

private slots:
    void initTestCase()
    {
        NastavTestovaciLocale();
        QCOMPARE(QLocale::system().decimalPoint(), Oddelovac());
    }

    void init()
    {
        okno = std::make_unique<Ventil>();
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    }

    void cleanup() { okno.reset(); }

    void cleanupTestCase()
    {
        for (auto i = NejmensiOkraje.cbegin(); i != NejmensiOkraje.cend(); ++i)
            qInfo("smallest margin %s: %d px (%s)", qPrintable(i.key()), i.value().first,
                  qPrintable(i.value().second));
    }

    void okno_()
    {
        QCOMPARE(okno->objectName(), "Ventil");
        QCOMPARE(okno->windowTitle(), "Ventil");
        QVERIFY(!okno->windowIcon().isNull());
        QCOMPARE(okno->minimumSize(), QSize(724, 504));
        QCOMPARE(okno->maximumSize(), QSize(724, 504));
        QCOMPARE(okno->size(), QSize(724, 504));
        QCOMPARE(okno->findChildren<QWidget *>().size(), 47);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        QCOMPARE(QApplication::focusWidget(), (*this)["TPocitej"]);
    }

    void ovladac_data()
    {
        QTest::addColumn<int>("radek");
        for (std::size_t i = 0; i < Ovladace.size(); ++i)
            QTest::newRow(qPrintable(Jmeno(Ovladace[i]))) << int(i);
    }

    void ovladac()
    {
        QFETCH(int, radek);
        const PopisOvladace &o = Ovladace[std::size_t(radek)];
        QWidget *w = (*this)[Jmeno(o)];
        QVERIFY(w);
        static const char *const Tridy[] = {"QLabel",      "QLabel",    "QLineEdit", "QRadioButton",
                                            "QPushButton", "QGroupBox", "QLabel"};
        QCOMPARE(w->metaObject()->className(), Tridy[int(o.druh)]);
        QCOMPARE(w->parentWidget(),
                 o.kontejner.empty()
                     ? okno.get()
                     : (*this)[QString::fromLatin1(o.kontejner.data(), o.kontejner.size())]);
        QCOMPARE(w->geometry(), QRect(Px(o.vlevo), Px(o.nahore), Px(o.sirka), Px(o.vyska)));
        const bool skryty = o.vlastnost == Vlastnost::Skryty;
        QCOMPARE(w->isHidden(), skryty);
        QCOMPARE(w->isVisibleTo(okno.get()), !skryty);
        if (auto *r = qobject_cast<QRadioButton *>(w))
            QCOMPARE(r->isChecked(), o.vlastnost == Vlastnost::Vybrany);
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            // Default only while focused, so Return presses it.
            QVERIFY(b->autoDefault());
            QCOMPARE(b->isDefault(), b->hasFocus());
        }
        if (auto *l = qobject_cast<QLabel *>(w)) {
            QCOMPARE(l->frameShape(), o.druh == D::VystupniPole ? QFrame::Box : QFrame::NoFrame);
            QCOMPARE(l->focusPolicy(), Qt::NoFocus);
            QCOMPARE(l->pixmap().isNull(), o.druh != D::Obrazek);
            if (o.druh == D::Obrazek) {
                QCOMPARE(l->pixmap().deviceIndependentSize().toSize(), w->size());
                QVERIFY(l->pixmap().hasAlphaChannel());
            }
        }
        if (o.druh != D::Obrazek)
            QCOMPARE(Text(w), QString::fromUtf8(o.text.data(), qsizetype(o.text.size())));

        // Only the flow and Kvs results are cyan, on screen even while empty.
        const bool azurovy = o.vlastnost == Vlastnost::AzurovePozadi;
        QCOMPARE(w->palette().color(QPalette::Window) == Azurova, azurovy);
        if (azurovy) {
            QVERIFY(w->autoFillBackground());
            const QPoint stred = w->mapTo(okno.get(), w->rect().center());
            QCOMPARE(okno->grab().toImage().pixelColor(stred), Azurova);
        }
    }

    void pismo_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<qreal>("body"); // 0: the window's own, not checked
        QTest::addColumn<bool>("tucne");
        QTest::newRow("LNadpis") << "LNadpis" << 12.0 << false;
        QTest::newRow("Lkvs") << "Lkvs" << 12.0 << false;
        QTest::newRow("Label1") << "Label1" << 12.0 << false;
        QTest::newRow("Tkvs") << "Tkvs" << 13.5 << false;
        QTest::newRow("THlaska") << "THlaska" << 13.5 << true;
        QTest::newRow("window, and every other control") << "" << 0.0 << false;
    }

    void pismo()
    {
        QFETCH(QString, jmeno);
        QFETCH(qreal, body);
        QFETCH(bool, tucne);
        const QFont f = jmeno.isEmpty() ? okno->font() : (*this)[jmeno]->font();
        if (body > 0)
            QCOMPARE(f.pointSizeF(), body);
        QCOMPARE(f.bold(), tucne);
        QVERIFY(!f.italic() && !f.underline() && !f.strikeOut());
        const QFontInfo info(f);
        QCOMPARE(info.family(), f.family());
        QCOMPARE(info.bold(), tucne);
        // The face itself must carry the Czech letters, not a fallback.
        const QRawFont tvar = QRawFont::fromFont(f);
        for (const QChar c : QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ°"))
            QVERIFY2(tvar.supportsCharacter(c), qPrintable(QString(c)));
        const QStringList vlastni = {"LNadpis", "Lkvs", "Label1", "Tkvs", "THlaska"};
        for (const PopisOvladace &o : Ovladace)
            if (jmeno.isEmpty() && !vlastni.contains(Jmeno(o)))
                QVERIFY2((*this)[Jmeno(o)]->font() == f, qPrintable(Jmeno(o)));
    }

    void tabulator_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QStringList>("retez"); // focus chain over the shown controls
        QTest::addColumn<QStringList>("tab");   // what Tab visits
        const L media = {"TMedium1", "TMedium2", "TMedium3"};
        const L konec = {"TZpusob1", "TZpusob2", "TKonec"};
        // clang-format off
        QTest::newRow("start") << L()
            << L{"TPocitej"} + media + L{"TDeltaT", "TVykon", "TDeltaP"} + konec
            << L{"TPocitej", "TMedium1", "TDeltaT", "TVykon", "TDeltaP", "TZpusob1", "TKonec"};
        QTest::newRow("steam with power") << L{"TMedium2"}
            << L{"TSuchost", "TPocitej"} + media + L{"TVykon", "TPpary", "TDeltaP"} + konec
            << L{"TSuchost", "TPocitej", "TMedium2", "TVykon", "TPpary", "TDeltaP", "TZpusob1",
                 "TKonec"};
        QTest::newRow("given flow") << L{"TZpusob2"}
            << L{"TPocitej"} + media + L{"TZprutok", "TDeltaP"} + konec
            << L{"TPocitej", "TMedium1", "TZprutok", "TDeltaP", "TZpusob2", "TKonec"};
        // clang-format on
    }

    // The chain holds every option button in tab-index order. Tab itself
    // enters a group of option buttons once, at its selected button (arrows
    // move within the group), the platform's convention. Tab goes as real key
    // events to the focus widget; both walks wrap to their start.
    void tabulator()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QStringList, retez);
        QFETCH(QStringList, tab);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        QVERIFY(Proved(*okno, kroky));

        QStringList prosle;
        QWidget *w = (*this)[retez[0]];
        do {
            if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(okno.get()))
                prosle << w->objectName();
            w = w->nextInFocusChain();
        } while (w != (*this)[retez[0]] && prosle.size() <= retez.size());
        QCOMPARE(prosle, retez);

        (*this)[tab[0]]->setFocus(Qt::TabFocusReason);
        prosle = L{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < tab.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            prosle << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(prosle, tab + L{tab[0]});
    }

    // A click anywhere on an option button selects it, as on the designed
    // control; the blank stretch right of a short caption must not be dead.
    void klikNaPrepinac_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("jmeno");
        QTest::newRow("TMedium1") << L{"TMedium3"} << "TMedium1";
        QTest::newRow("TMedium2") << L() << "TMedium2";
        QTest::newRow("TMedium3") << L() << "TMedium3";
        QTest::newRow("TZpusob1") << L{"TZpusob2"} << "TZpusob1";
        QTest::newRow("TZpusob2") << L() << "TZpusob2";
    }

    void klikNaPrepinac()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QString, jmeno);
        QVERIFY(Proved(*okno, kroky));
        QVERIFY(!Vybran(jmeno));
        QTest::mouseClick((*this)[jmeno], Qt::LeftButton, {}, (*this)[jmeno]->rect().center());
        QVERIFY(Vybran(jmeno));
    }

    void textSeVejde_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("jmeno");
        for (const PopisOvladace &o : Ovladace)
            if (!o.text.empty() && o.druh != D::Obrazek)
                QTest::newRow(qPrintable(Jmeno(o))) << L() << Jmeno(o);
        for (const char *jmeno : {"LPrutok", "LZprutok", "LJPrutok", "LJZprutok"})
            QTest::addRow("%s steam", jmeno) << L{"TMedium2"} << jmeno;
        QTest::newRow("THlaska refused") << L{"TVykon=0", "!"} << "THlaska";
        QTest::newRow("THlaska out of range") << L{"TVykon=1e999", "!"} << "THlaska";
        const L kriticka = {"TMedium2", "TDeltaP=150.5", "TPpary=100", "!"};
        for (const char *jmeno : {"TPpary", "TPrutok", "Tkvs", "TObjem1", "TObjem12"})
            QTest::addRow("%s steam 250.5", jmeno) << kriticka << jmeno;
        const L podkriticka = {"TMedium2", "TPpary=1025", "TSuchost=0.95", "!"};
        for (const char *jmeno : {"TPrutok", "Tkvs", "TObjem1", "TObjem2"})
            QTest::addRow("%s steam 1025", jmeno) << podkriticka << jmeno;
        QTest::newRow("TPrutok 10 MW steam")
            << L{"TMedium2", "TVykon=9999.99", "TSuchost=0.95", "!"} << "TPrutok";
        QTest::newRow("Tkvs 5 MW water") << L{"TVykon=5000", "TDeltaP=10", "!"} << "Tkvs";
    }

    void textSeVejde()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QString, jmeno);
        QCOMPARE(okno->logicalDpiX(), 96);
        QVERIFY(Proved(*okno, kroky));
        QWidget *w = (*this)[jmeno];
        const QString text = Text(w);
        QVERIFY(!text.isEmpty());
        const auto [vodorovne, svisle] = Okraje(w, text);
        QVERIFY2(vodorovne >= 0,
                 qPrintable(QString("'%1' %2 px too wide").arg(text).arg(-vodorovne)));
        QVERIFY2(svisle >= 0, qPrintable(QString("'%1' %2 px too high").arg(text).arg(-svisle)));
        auto *l = qobject_cast<QLabel *>(w);
        const QString druh =
            w->metaObject()->className() + QString(l && l->frameWidth() ? " output" : "");
        for (const auto &[smer, okraj] :
             {qMakePair(QString(" width"), vodorovne), qMakePair(QString(" height"), svisle)}) {
            auto i = NejmensiOkraje.find(druh + smer);
            if (i == NejmensiOkraje.end() || okraj < i->first)
                NejmensiOkraje[druh + smer] = {okraj, QTest::currentDataTag()};
        }
    }

    void rezim_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<int>("zpusob");
        QTest::addColumn<int>("medium");
        // clang-format off
        QTest::newRow("start") << L() << 1 << 1;
        QTest::newRow("power, steam, computed") << L{"TMedium2", "!"} << 1 << 2;
        QTest::newRow("steam by the toggle action") << L{"TMedium2@"} << 1 << 2;
        QTest::newRow("steam, flow by setChecked") << L{"TMedium2*", "TZpusob2*"} << 2 << 2;
        QTest::newRow("every option twice")
            << L{"TMedium1", "TMedium1", "TZpusob1", "TZpusob1", "TMedium3", "TMedium3",
                 "TZpusob2", "TZpusob2", "TMedium2", "TMedium2"} << 2 << 2;
        // clang-format on
    }

    void rezim()
    {
        QFETCH(QStringList, kroky);
        QFETCH(int, zpusob);
        QFETCH(int, medium);
        QVERIFY(Proved(*okno, kroky));

        // The window shows what the logic's rules (tested on their own in
        // tst_okno) give for the mode its buttons selected.
        for (std::size_t i = 0; i < Ovladace.size(); ++i)
            QVERIFY2((*this)[Jmeno(Ovladace[i])]->isVisibleTo(okno.get()) ==
                         Zobrazen(okno->stav(), i),
                     qPrintable(Jmeno(Ovladace[i])));

        const Stav &s = okno->stav();
        QCOMPARE(QList<bool>({s.Zpusob1, s.Zpusob2}), QList<bool>({zpusob == 1, zpusob == 2}));
        QCOMPARE(QList<bool>({s.Medium1, s.Medium2, s.Medium3}),
                 QList<bool>({medium == 1, medium == 2, medium == 3}));
        QCOMPARE(QList<bool>({Vybran("TZpusob1"), Vybran("TZpusob2")}),
                 QList<bool>({zpusob == 1, zpusob == 2}));
        QCOMPARE(QList<bool>({Vybran("TMedium1"), Vybran("TMedium2"), Vybran("TMedium3")}),
                 QList<bool>({medium == 1, medium == 2, medium == 3}));

        const QString tok = medium == 2 ? "Hmotnostní tok" : "Objemový tok";
        const QString jednotka = medium == 2 ? "kg/h" : "m3/h";
        QCOMPARE(L({Text((*this)["LPrutok"]), Text((*this)["LZprutok"])}), L({tok, tok}));
        QCOMPARE(L({Text((*this)["LJPrutok"]), Text((*this)["LJZprutok"])}),
                 L({jednotka, jednotka}));

        // Selecting what is already selected changes nothing.
        const L prepinace = kroky.filter(QRegularExpression("^T(Medium|Zpusob)"));
        const QStringList pred = Snimek(*okno);
        QVERIFY(
            Proved(*okno, prepinace.isEmpty() ? L{"TMedium1", "TZpusob1"} : L{prepinace.last()}));
        QCOMPARE(Snimek(*okno), pred);
    }

    void vypocet_data()
    {
        QTest::addColumn<QStringList>("kroky");
        // "name=text" for each checked control; in results "," stands for the
        // locale's separator. THlaska is always checked, empty unless listed.
        QTest::addColumn<QStringList>("ocekavane");
        const L voda = {"TPrutok=4,31", "Tkvs=4,31", "TObjem1=1,091"};
        const QString zadej = "THlaska=" + QString::fromUtf8(HlaskaZadejCislo.data(),
                                                             qsizetype(HlaskaZadejCislo.size()));
        const L bod = {"TPpary=250.5", "TObjem1=0,7181025", "TObjem12=1,3776", "Tkvs=4,78"};
        // clang-format off
        QTest::newRow("water, start texts") << L{"!"} << voda + L{"TObjem2=", "TObjem12="};
        QTest::newRow("steam, start texts, critical") << L{"TMedium2", "!"}
            << L{"TPrutok=144", "TObjem1=1,091", "TObjem2=", "TObjem12=1,96", "Tkvs=7,13"};
        QTest::newRow("corrected pressure keeps its point")
            << L{"TMedium2", "TDeltaP=150.5", "TPpary=100", "!"} << bod;
        QTest::newRow("refused keeps results") << L{"!", "TVykon=0", "!"} << voda + L{zadej};
        QTest::newRow("Return on the compute button") << L{"TMedium2", "TPocitej^"}
            << L{"TPrutok=144", "TObjem1=1,091", "TObjem12=1,96", "Tkvs=7,13"};
        QTest::newRow("results kept when switching to water") << L{"TMedium2", "!", "TMedium1"}
            << L{"TPrutok=144", "LJPrutok=m3/h", "TObjem12=1,96", "Tkvs=7,13"};
        QTest::newRow("typed text survives while hidden")
            << L{"TMedium2", "TPpary=321", "TSuchost=0.9", "TMedium1", "TMedium2"}
            << L{"TPpary=321", "TSuchost=0.9", "TPrutok="};
        // clang-format on
    }

    void vypocet()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QStringList, ocekavane);
        QVERIFY(Proved(*okno, kroky));
        if (ocekavane.filter("THlaska=").isEmpty())
            ocekavane << "THlaska=";
        for (const QString &o : ocekavane) {
            QWidget *w = (*this)[o.section('=', 0, 0)];
            QString text = o.section('=', 1);
            if (qobject_cast<QLabel *>(w))
                text.replace(',', Oddelovac());
            QCOMPARE(Text(w), text);
        }
    }

    void klavesy_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<int>("klavesa"); // 0: type a number
        QTest::newRow("Return in TVykon") << L() << "TVykon" << int(Qt::Key_Return);
        QTest::newRow("Enter in TDeltaP") << L() << "TDeltaP" << int(Qt::Key_Enter);
        QTest::newRow("Enter in TZprutok") << L{"TZpusob2"} << "TZprutok" << int(Qt::Key_Enter);
        QTest::newRow("Escape in TVykon") << L() << "TVykon" << int(Qt::Key_Escape);
        QTest::newRow("Escape on TPocitej") << L() << "TPocitej" << int(Qt::Key_Escape);
        for (const char *pole : {"TVykon", "TDeltaT", "TDeltaP"})
            QTest::addRow("typing into %s", pole) << L() << pole << 0;
        for (const char *pole : {"TPpary", "TSuchost"})
            QTest::addRow("typing into %s", pole) << L{"TMedium2"} << pole << 0;
        QTest::newRow("typing into TZprutok") << L{"TZpusob2"} << "TZprutok" << 0;
    }

    void klavesy()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QString, pole);
        QFETCH(int, klavesa);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        QVERIFY(Proved(*okno, kroky));
        QWidget *w = (*this)[pole];
        w->setFocus(Qt::TabFocusReason);
        const auto bezPole = [&](QStringList s) {
            s.removeIf([&](const QString &r) { return r.startsWith(pole + ' '); });
            return s;
        };
        const QStringList pred = bezPole(Snimek(*okno));
        if (klavesa == 0)
            QTest::keyClicks(w, "0.5");
        else
            QTest::keyClick(w, Qt::Key(klavesa));
        QCOMPARE(bezPole(Snimek(*okno)), pred);
        QCOMPARE(Text((*this)["Tkvs"]), "");
        // Return presses only the focused button: no other is default.
        for (const QPushButton *b : okno->findChildren<QPushButton *>())
            QCOMPARE(b->isDefault(), b == w);
        QVERIFY(okno->isVisible());
    }

    // A theme changed at run time: the logo in the colours that stand out
    // from the window, dark text on the cyan results.
    void barvyMotivu_data()
    {
        QTest::addColumn<QColor>("pozadi");
        QTest::addColumn<QString>("logo");
        QTest::newRow("white") << QColor(Qt::white) << ":/res/logo.gif";
        QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << ":/res/logo-svetle.gif";
        // Mid-tones either side of where white and black contrast alike,
        // worked out by hand: sRGB 110, 115, 120, 125 are 0.1559, 0.1714,
        // 0.1878, 0.2051 in linear light, so the luminance of #78737D is
        // 0.1774 (white 4.62:1, black 4.55:1), that of #73786E 0.1820
        // (white 4.53:1, black 4.64:1). Green weighs most, blue least.
        QTest::newRow("mid-tone, white stands out")
            << QColor(0x78, 0x73, 0x7D) << ":/res/logo-svetle.gif";
        QTest::newRow("mid-tone, black stands out") << QColor(0x73, 0x78, 0x6E) << ":/res/logo.gif";
    }

    void barvyMotivu()
    {
        QFETCH(QColor, pozadi);
        QFETCH(QString, logo);
        const QPalette puvodni = QApplication::palette();
        const auto zpet = qScopeGuard([&] { QApplication::setPalette(puvodni); });
        QApplication::setPalette(
            QPalette(pozadi.lightness() < 128 ? Qt::white : Qt::black, pozadi));
        const auto obraz = [](const QImage &i) {
            return i.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        // The change reaches the widgets through posted events; the logo
        // follows as the label's palette changes.
        auto *logo1 = static_cast<QLabel *>((*this)["Image1"]);
        QTRY_COMPARE(logo1->palette().color(logo1->backgroundRole()), pozadi);
        QCOMPARE(obraz(logo1->pixmap().toImage()), obraz(QImage(logo)));
        QCOMPARE((*this)["Tkvs"]->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // A result's context menu offers "Kopírovat" only while the field shows
    // a result.
    void kopirovatVysledek_data()
    {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<bool>("povoleno");
        QTest::newRow("Kvs before a compute") << L() << "Tkvs" << false;
        QTest::newRow("Kvs computed") << L{"!"} << "Tkvs" << true;
        QTest::newRow("v2 left empty by a steam compute")
            << L{"TMedium2", "!"} << "TObjem2" << false;
    }

    void kopirovatVysledek()
    {
        QFETCH(QStringList, kroky);
        QFETCH(QString, pole);
        QFETCH(bool, povoleno);
        QVERIFY(Proved(*okno, kroky));
        QWidget *w = (*this)[pole];
        const QPoint stred = w->rect().center();
        QContextMenuEvent udalost(QContextMenuEvent::Mouse, stred, w->mapToGlobal(stred));
        QApplication::sendEvent(w, &udalost);
        auto *nabidka = w->findChild<QMenu *>();
        QVERIFY(nabidka);
        const auto zavri = qScopeGuard([nabidka] { nabidka->close(); });
        QCOMPARE(nabidka->actions().size(), 1);
        QCOMPARE(nabidka->actions().constFirst()->isEnabled(), povoleno);
    }

    void zavreniOkna()
    {
        QTimer::singleShot(0, okno.get(), [this] { okno->close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(okno->isHidden());
    }

    // Last: it ends the application's event loop.
    void tlacitkoKonec()
    {
        QVERIFY(Proved(*okno, {"TMedium2", "TZpusob2", "!"}));
        bool kliknuto = false;
        QTimer::singleShot(0, okno.get(), [&] { kliknuto = Proved(*okno, {"TKonec"}); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(kliknuto);
        QVERIFY(okno->isHidden());
    }
};

VENTIL_TEST_MAIN(TstVentil)
#include "tst_ventil.moc"
