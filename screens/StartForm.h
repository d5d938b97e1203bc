#pragma once

#include "screens/Layout.h"

#include <QWidget>

class QFrame;
class QPushButton;

// The first window of the program: its name, version and what it does, the way on, ">> Weiter >>", and,
// when there is one, the last finished reference again.
class StartForm : public QWidget
{
    Q_OBJECT

public:
    explicit StartForm(QWidget* eltern = nullptr);

    // Offers the last finished reference, if the working folder's catalogue keeps one, with the button
    // "Letztes Zeugnis". Called once the folder is locked and its catalogue checked, not before the first
    // paint: reading it means opening the catalogue.
    void letztesZeugnisAnbieten();

private:
    void WeiterButton_Click();
    void anordnen();

    Layout::Flaeche* m_flaeche = nullptr;
    // The last finished reference, kept until the next one is finished, goes to the clipboard again.
    void LetztesZeugnisButton_Click();

    QFrame* SSPanel1 = nullptr;
    QFrame* Panel3D1 = nullptr;
    QPushButton* WeiterButton = nullptr;
    QPushButton* LetztesZeugnisButton = nullptr; // shown only when there is a finished reference
    QString m_letztesZeugnis;
};
