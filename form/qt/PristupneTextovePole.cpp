#include "PristupneTextovePole.h"

#include <QFontMetrics>
#include <QLineEdit>

PristupneTextovePole::PristupneTextovePole(QLineEdit *pole)
    : QAccessibleWidget(pole, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(QString)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *PristupneTextovePole::pole() const
{
    return static_cast<QLineEdit *>(widget());
}

void *PristupneTextovePole::interface_cast(QAccessible::InterfaceType typ)
{
    if (typ == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (typ == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(typ);
}

QString PristupneTextovePole::text(QAccessible::Text typ) const
{
    if (typ == QAccessible::Value)
        return pole()->text();
    return QAccessibleWidget::text(typ);
}

// The field's own rules apply: its maximum length, and the handlers that
// its text changes run.
void PristupneTextovePole::setText(QAccessible::Text typ, const QString &text)
{
    if (typ == QAccessible::Value)
        pole()->setText(text);
    else
        QAccessibleWidget::setText(typ, text);
}

QAccessible::State PristupneTextovePole::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = pole()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    return s;
}

void PristupneTextovePole::selection(int index, int *zacatek, int *konec) const
{
    *zacatek = *konec = 0;
    if (index != 0 || !pole()->hasSelectedText())
        return;
    *zacatek = pole()->selectionStart();
    *konec = pole()->selectionEnd();
}

int PristupneTextovePole::selectionCount() const
{
    return pole()->hasSelectedText() ? 1 : 0;
}

void PristupneTextovePole::addSelection(int zacatek, int konec)
{
    setSelection(0, zacatek, konec);
}

void PristupneTextovePole::removeSelection(int index)
{
    if (index == 0)
        pole()->deselect();
}

void PristupneTextovePole::setSelection(int index, int zacatek, int konec)
{
    if (index == 0)
        pole()->setSelection(zacatek, konec - zacatek);
}

int PristupneTextovePole::cursorPosition() const
{
    return pole()->cursorPosition();
}

void PristupneTextovePole::setCursorPosition(int pozice)
{
    pole()->setCursorPosition(pozice);
}

QString PristupneTextovePole::text(int zacatek, int konec) const
{
    if (zacatek > konec)
        return {};
    return pole()->text().mid(zacatek, konec - zacatek);
}

int PristupneTextovePole::characterCount() const
{
    return int(pole()->text().size());
}

// Measured from the caret, which the field places for its scrolled text:
// the caret rectangle is centred on the caret's x.
QRect PristupneTextovePole::characterRect(int pozice) const
{
    const QString text = pole()->text();
    if (pozice < 0 || pozice >= text.size())
        return {};
    const QFontMetrics metriky(pole()->font());
    const QRectF kurzor = pole()->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const int x = qRound(kurzor.center().x()) + metriky.horizontalAdvance(text.left(pozice)) -
                  metriky.horizontalAdvance(text.left(pole()->cursorPosition()));
    const QRect znak(x, qRound(kurzor.top()), metriky.horizontalAdvance(text.mid(pozice, 1)),
                     qRound(kurzor.height()));
    return znak.translated(pole()->mapToGlobal(QPoint(0, 0)));
}

int PristupneTextovePole::offsetAtPoint(const QPoint &bod) const
{
    return pole()->cursorPositionAt(pole()->mapFromGlobal(bod));
}

void PristupneTextovePole::scrollToSubstring(int zacatek, int konec)
{
    pole()->setCursorPosition(konec);
    pole()->setCursorPosition(zacatek);
}

// One run, without attributes, from the start of the text to its end.
QString PristupneTextovePole::attributes(int pozice, int *zacatek, int *konec) const
{
    const int delka = characterCount();
    if (pozice < 0 || pozice > delka) {
        *zacatek = *konec = -1;
        return {};
    }
    *zacatek = 0;
    *konec = delka;
    return {};
}

void PristupneTextovePole::deleteText(int zacatek, int konec)
{
    pole()->setText(pole()->text().remove(zacatek, konec - zacatek));
}

void PristupneTextovePole::insertText(int pozice, const QString &text)
{
    pole()->setText(pole()->text().insert(pozice, text));
}

void PristupneTextovePole::replaceText(int zacatek, int konec, const QString &text)
{
    pole()->setText(pole()->text().replace(zacatek, konec - zacatek, text));
}
