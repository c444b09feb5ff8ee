#include "Pristupnost.h"

#include "PristupneTextovePole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const VlastnostVystupu = "ventilVystupniPole";
const char *const VlastnostHlasky = "ventilHlaska";
const char *const VlastnostSouhrnu = "ventilSouhrn";
const char *const VlastnostTicha = "ventilTichyPopisek";
// An option button as Qt's own interface offers it, except that the frame
// around it is not also its label. Orca speaks the frame's caption as the
// context that the focus enters, and again as the label of the button's
// group, on entering the frame and at every move within it ("Médium panel.
// Médium. Voda."). Its extent is the whole control, which takes a click
// anywhere.
class PristupnyPrepinac : public QAccessibleWidget
{
public:
    explicit PristupnyPrepinac(QRadioButton *b) : QAccessibleWidget(b, QAccessible::RadioButton)
    {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QString text(QAccessible::Text t) const override
    {
        // Qt's default would name it by the frame's caption.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return tlacitko()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = tlacitko()->isChecked();
        s.pressed = tlacitko()->isDown();
        return s;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation druh) const override
    {
        auto vztahy = QAccessibleWidget::relations(druh);
        vztahy.removeIf([this](const auto &vztah) {
            return (vztah.second & QAccessible::Label) &&
                   vztah.first->object() == widget()->parentWidget();
        });
        return vztahy;
    }

    QStringList actionNames() const override
    {
        QStringList akce = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            akce.prepend(toggleAction());
        return akce;
    }

    void doAction(const QString &akce) override
    {
        if (akce != toggleAction())
            QAccessibleWidget::doAction(akce);
        else if (widget()->isEnabled())
            tlacitko()->toggle();
    }

private:
    QRadioButton *tlacitko() const { return static_cast<QRadioButton *>(widget()); }
};

// A read-only field. On AT-SPI a label offers its name and nothing else (no
// text, no value), and screen readers speak a label by its name, so the
// window's logic names it with the result it shows.
class PristupneVystupniPole : public QAccessibleWidget
{
public:
    explicit PristupneVystupniPole(QLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *pole = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Value)
            return pole->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

// The message line, a notification: a screen reader speaks it when it is
// shown, wherever the focus is, which is how the outcome of each compute is
// spoken. It is named by the outcome the window's logic announced: the
// message, or the results of a compute that went through.
class PristupnaHlaska : public QAccessibleWidget
{
public:
    explicit PristupnaHlaska(QLabel *l) : QAccessibleWidget(l, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return widget()->property(VlastnostSouhrnu).toString();
    }
};

QAccessibleInterface *Tovarna(const QString &trida, QObject *objekt)
{
    if (trida == QLatin1String("QLabel")) {
        auto *l = static_cast<QLabel *>(objekt);
        if (l->property(VlastnostVystupu).toBool())
            return new PristupneVystupniPole(l);
        if (l->property(VlastnostHlasky).toBool())
            return new PristupnaHlaska(l);
        // A caption or unit that its result's name speaks: Qt's default
        // interface without a name, which a review of the window passes over.
        if (l->property(VlastnostTicha).toBool())
            return new QAccessibleWidget(l, QAccessible::StaticText);
    } else if (trida == QLatin1String("QLineEdit")) {
        auto *e = static_cast<QLineEdit *>(objekt);
        if (e->echoMode() == QLineEdit::Normal)
            return new PristupneTextovePole(e);
    } else if (trida == QLatin1String("QRadioButton")) {
        return new PristupnyPrepinac(static_cast<QRadioButton *>(objekt));
    } else if (trida == QLatin1String("QWidget") && static_cast<QWidget *>(objekt)->isWindow()) {
        // A window of no class Qt knows: a frame, named by its title, where
        // Qt would make it a nameless filler whose title a screen reader
        // cannot find.
        return new QAccessibleWidget(static_cast<QWidget *>(objekt), QAccessible::Window);
    }
    return nullptr;
}

// The factory picks an object's interface once, when it is first asked for;
// one asked for before the object was marked is made anew.
void Oznac(QWidget *w, const char *vlastnost)
{
    if (w->property(vlastnost).toBool())
        return;
    w->setProperty(vlastnost, true);
    if (QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(rozhrani));
}

// AT-SPI clients such as Orca keep an object's states from their first look
// and update them from its events. Qt reports a control shown or hidden by
// its "showing" state alone, so without more a control hidden at that first
// look would stay invisible to them, and a review of the window would leave
// it out. Qt has no
// event for the "visible" state: the one AT-SPI event is sent here, on the
// connection to the accessibility bus that Qt opens under this name.
void OznamViditelnost(QWidget *ovladac)
{
    const QDBusConnection sbernice(QStringLiteral("a11y"));
    if (!QAccessible::isActive() || !sbernice.isConnected())
        return;
    QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(ovladac);
    if (rozhrani == nullptr)
        return;
    QDBusMessage udalost = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(rozhrani)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    // State, its new value, an unused detail, no data, no properties.
    udalost << QStringLiteral("visible") << int(ovladac->isVisible()) << 0
            << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    sbernice.send(udalost);
}

} // namespace

void ZaregistrujPristupnost()
{
    static const bool hotovo = [] {
        QAccessible::installFactory(Tovarna);
        return true;
    }();
    Q_UNUSED(hotovo);
}

void OznacVystupniPole(QLabel *pole)
{
    pole->setProperty(VlastnostVystupu, true);
}

void OznacHlasku(QLabel *hlaska)
{
    hlaska->setProperty(VlastnostHlasky, true);
}

void OznacTichyPopisek(QLabel *popisek)
{
    Oznac(popisek, VlastnostTicha);
}

void OznamHlasku(QLabel *hlaska, const QString &zprava)
{
    hlaska->setProperty(VlastnostSouhrnu, zprava);
    // The line is on screen all the time, so the outcome is reported as the
    // notification showing again, with its new name.
    if (QAccessible::isActive()) {
        QAccessibleEvent jmeno(hlaska, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&jmeno);
        QAccessibleEvent ukazano(hlaska, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&ukazano);
    }
}

void PojmenujPristupne(QWidget *ovladac, const QString &jmeno)
{
    if (ovladac->accessibleName() != jmeno) {
        ovladac->setAccessibleName(jmeno);
        return;
    }
    // A result written again as it was is still news to a screen reader;
    // Qt reports a name only when it changes.
    if (ovladac->property(VlastnostVystupu).toBool() && QAccessible::isActive()) {
        QAccessibleEvent udalost(ovladac, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&udalost);
    }
}

void ZobrazPristupne(QWidget *ovladac, bool zobrazit)
{
    if (ovladac->isHidden() != zobrazit)
        return;
    ovladac->setVisible(zobrazit);
    OznamViditelnost(ovladac);
}
