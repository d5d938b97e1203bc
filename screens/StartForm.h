#pragma once

#include <QWidget>

class QFrame;
class QPushButton;

// The first window of the program: banner, title and the one way on, ">> Weiter >>".
class StartForm : public QWidget
{
    Q_OBJECT

public:
    explicit StartForm(QWidget* eltern = nullptr);

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void WeiterButton_Click();
    // The last finished reference, kept until the next one is finished, goes to the clipboard again.
    void LetztesZeugnisButton_Click();

    QFrame* SSPanel1 = nullptr;
    QFrame* Panel3D1 = nullptr;
    QPushButton* WeiterButton = nullptr;
    QPushButton* LetztesZeugnisButton = nullptr; // shown only when there is a finished reference
    QString m_letztesZeugnis;
};
