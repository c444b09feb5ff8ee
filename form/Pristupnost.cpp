#include "Pristupnost.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char *const VlastnostVystupu = "ventilVystupniPole";

// A read-only field whose name is fixed and whose value is the shown text;
// Qt's own label interface would speak only the name and lose the result.
class PristupneVystupniPole : public QAccessibleWidget
{
public:
    explicit PristupneVystupniPole(QLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface *Tovarna(const QString &trida, QObject *objekt)
{
    if (trida == QLatin1String("QLabel") && objekt->property(VlastnostVystupu).toBool())
        return new PristupneVystupniPole(static_cast<QLabel *>(objekt));
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

// Without a screen reader Qt would still build the accessibility objects.
void OznamVysledek(QLabel *pole)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent udalost(pole, pole->text());
    QAccessible::updateAccessibility(&udalost);
}

void OznamHlasku(QLabel *hlaska)
{
    // The label reports its new name itself; an alert makes a screen reader
    // speak a message that appears.
    if (QAccessible::isActive() && !hlaska->text().isEmpty()) {
        QAccessibleEvent udalost(hlaska, QAccessible::Alert);
        QAccessible::updateAccessibility(&udalost);
    }
}
