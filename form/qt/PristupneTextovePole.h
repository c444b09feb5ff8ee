#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A text field that shows what is typed (no password field), as assistive
// technology sees it: what Qt offers for a QLineEdit (role, states, text,
// caret, selection and editing), except that a text-attribute run covers
// the whole text. The text has no attributes, and Qt 6.4 answers with an
// empty run at the asked offset, from which Orca builds the value it speaks
// one character short ("10" for 100).
class PristupneTextovePole : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit PristupneTextovePole(QLineEdit *pole);

    void *interface_cast(QAccessible::InterfaceType typ) override;
    QString text(QAccessible::Text typ) const override;
    void setText(QAccessible::Text typ, const QString &text) override;
    QAccessible::State state() const override;

    void selection(int index, int *zacatek, int *konec) const override;
    int selectionCount() const override;
    void addSelection(int zacatek, int konec) override;
    void removeSelection(int index) override;
    void setSelection(int index, int zacatek, int konec) override;
    int cursorPosition() const override;
    void setCursorPosition(int pozice) override;
    QString text(int zacatek, int konec) const override;
    int characterCount() const override;
    QRect characterRect(int pozice) const override;
    int offsetAtPoint(const QPoint &bod) const override;
    void scrollToSubstring(int zacatek, int konec) override;
    QString attributes(int pozice, int *zacatek, int *konec) const override;

    void deleteText(int zacatek, int konec) override;
    void insertText(int pozice, const QString &text) override;
    void replaceText(int zacatek, int konec, const QString &text) override;

private:
    QLineEdit *pole() const;
};
