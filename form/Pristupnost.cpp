#include "Pristupnost.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char *const VlastnostVystupu = "ventilVystupniPole";
const char *const VlastnostHlasky = "ventilHlaska";
const char *const VlastnostSouhrnu = "ventilSouhrn";

// An output field's caption and unit followed by the shown result:
// "Průtočný součinitel kvs, m3/h: 7,13".
QString JmenoVysledku(const QLabel *pole)
{
    const QString jmeno = pole->accessibleName();
    return pole->text().isEmpty() ? jmeno : jmeno + QLatin1String(": ") + pole->text();
}

// A read-only field named as above. On AT-SPI a label offers its name and
// nothing else (no text, no value), and screen readers speak a label by its
// name, so the result has to be part of it.
class PristupneVystupniPole : public QAccessibleWidget
{
public:
    explicit PristupneVystupniPole(QLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *pole = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Value)
            return pole->text();
        if (t == QAccessible::Name)
            return JmenoVysledku(pole);
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
// spoken. It is named by its message; while it shows none, after a compute
// that went through, by the results that compute showed.
class PristupnaHlaska : public QAccessibleWidget
{
public:
    explicit PristupnaHlaska(QLabel *l) : QAccessibleWidget(l, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString hlaska = static_cast<const QLabel *>(widget())->text();
        return hlaska.isEmpty() ? widget()->property(VlastnostSouhrnu).toString() : hlaska;
    }
};

QAccessibleInterface *Tovarna(const QString &trida, QObject *objekt)
{
    if (trida != QLatin1String("QLabel"))
        return nullptr;
    if (objekt->property(VlastnostVystupu).toBool())
        return new PristupneVystupniPole(static_cast<QLabel *>(objekt));
    if (objekt->property(VlastnostHlasky).toBool())
        return new PristupnaHlaska(static_cast<QLabel *>(objekt));
    return nullptr;
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

// Without a screen reader Qt would still build the accessibility objects.
void OznamVysledek(QLabel *pole)
{
    // The name carries the result; the label reports no change of it itself
    // because its name is set.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent udalost(pole, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&udalost);
}

void OznamHlasku(QLabel *hlaska, std::initializer_list<const QLabel *> vysledky)
{
    QStringList souhrn;
    if (hlaska->text().isEmpty())
        for (const QLabel *pole : vysledky)
            if (pole->isVisible() && !pole->text().isEmpty())
                souhrn << JmenoVysledku(pole);
    hlaska->setProperty(VlastnostSouhrnu, souhrn.join(QLatin1String("; ")));
    // The line is on screen all the time, so the outcome is reported as the
    // notification showing again, with its new name.
    if (QAccessible::isActive()) {
        QAccessibleEvent jmeno(hlaska, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&jmeno);
        QAccessibleEvent ukazano(hlaska, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&ukazano);
    }
}
