#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class Zeugnisausgabe;

// The closing dialog of the question screen: asks whether the reference text goes to the clipboard.
// "Ja" puts it there and accepts the dialog, so that its caller records the hand-out; "Nein" only closes.
// With the reference's output at hand, "Vorschau" shows the letter, to print or save it.
class dlgBeenden : public QDialog
{
    Q_OBJECT

public:
    // `zeugnis` is the text of the question screen's reference box, line breaks as carriage return and
    // line feed.
    // `hinweise` is the number of findings the check of the whole reference listed on the question screen;
    // the dialog mentions them so that the user decides knowingly.
    explicit dlgBeenden(const QString& zeugnis, QWidget* eltern = nullptr, Zeugnisausgabe* ausgabe = nullptr,
                        int hinweise = 0);

private:
    void cmdJa_Click();
    void cmdNein_Click();

    QString m_zeugnis;
    Zeugnisausgabe* m_ausgabe = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Pruefhinweis = nullptr;
    QPushButton* cmdJa = nullptr;
    QPushButton* cmdNein = nullptr;
    QPushButton* cmdVorschau = nullptr;
};
