#pragma once

#include "screens/Layout.h"

#include <QWidget>

class QFrame;
class QPushButton;

// The first window of the program: its name, version and what it does, and the one way on, ">> Weiter >>".
class StartForm : public QWidget
{
    Q_OBJECT

public:
    explicit StartForm(QWidget* eltern = nullptr);

private:
    void WeiterButton_Click();
    void anordnen();

    Layout::Flaeche* m_flaeche = nullptr;

    QFrame* SSPanel1 = nullptr;
    QFrame* Panel3D1 = nullptr;
    QPushButton* WeiterButton = nullptr;
};
