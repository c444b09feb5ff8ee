#pragma once

#include <QLabel>

// An output field: a label that shows a result. Its text can be selected
// with the mouse (for the X primary selection) and copied from its context
// menu, so a result need not be typed again. It never takes the keyboard
// focus, and at rest it looks as a plain label does.
//
// No Q_OBJECT: the field is a QLabel to its class name, as the window's
// control kinds and the accessibility factory know it.
class VystupniPole : public QLabel
{
public:
    explicit VystupniPole(QWidget *rodic);

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void mouseDoubleClickEvent(QMouseEvent *udalost) override;
    void contextMenuEvent(QContextMenuEvent *udalost) override;
};
