#include "VystupniPole.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

VystupniPole::VystupniPole(QWidget *rodic) : QLabel(rodic)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable text would take the focus on a click (Qt makes it
    // ClickFocus); a result is only read, so the focus stays where the user
    // works and the tab order skips it, as it skips every result.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
}

// With selectable text QLabel lays its text out as a document, which puts
// the line a pixel higher than the plain drawing of a label. The field draws
// its text as a plain label does, and a selection over it in place.
void VystupniPole::paintEvent(QPaintEvent *)
{
    QPainter malir(this);
    drawFrame(&malir);
    // Where QLabel puts the text of a framed label aligned left: inside the
    // margin, indented by half an "x" unless an indent is set.
    QRect plocha = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int odsazeni = indent();
    if (odsazeni < 0 && frameWidth())
        odsazeni = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (odsazeni > 0 && alignment() & Qt::AlignLeft)
        plocha.setLeft(plocha.left() + odsazeni);
    const int zarovnani = int(alignment()) | Qt::TextForceLeftToRight;
    const QString t = text();
    style()->drawItemText(&malir, plocha, zarovnani, palette(), isEnabled(), t, foregroundRole());
    if (!hasSelectedText())
        return;

    const QFontMetrics metrika = fontMetrics();
    const QRect radek = style()->itemTextRect(metrika, plocha, zarovnani, isEnabled(), t);
    const QRect vyber(radek.left() + metrika.horizontalAdvance(t.left(selectionStart())),
                      radek.top(), metrika.horizontalAdvance(selectedText()), radek.height());
    malir.fillRect(vyber, palette().highlight());
    malir.setClipRect(vyber);
    style()->drawItemText(&malir, plocha, zarovnani, palette(), isEnabled(), t,
                          QPalette::HighlightedText);
}

// A result is one number; Qt's words would end at its decimal separator, so
// a double click selects all of it, for the primary selection as a drag
// over it does.
void VystupniPole::mouseDoubleClickEvent(QMouseEvent *udalost)
{
    if (udalost->button() != Qt::LeftButton || text().isEmpty()) {
        QLabel::mouseDoubleClickEvent(udalost);
        return;
    }
    setSelection(0, int(text().size()));
    QClipboard *schranka = QGuiApplication::clipboard();
    if (schranka->supportsSelection())
        schranka->setText(text(), QClipboard::Selection);
}

// One item, in Czech like the window, with no shortcut shown: the field never
// has the focus that Ctrl+C would need.
void VystupniPole::contextMenuEvent(QContextMenuEvent *udalost)
{
    auto *nabidka = new QMenu(this);
    nabidka->setAttribute(Qt::WA_DeleteOnClose);
    QAction *kopirovat = nabidka->addAction(QStringLiteral("&Kopírovat"));
    kopirovat->setEnabled(!text().isEmpty());
    // The selection if there is one, else the whole result, as shown.
    connect(kopirovat, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    nabidka->popup(udalost->globalPos());
}
