#pragma once

#include "screens/Bildschirm.h"

#include <array>

struct Arbeitnehmerdaten;

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The employee master data screen: twelve boxes in two columns and the sex. Its ">> Weiter >>" keeps the
// data in `Sitzung` and in the settings file and opens the question screen.
class StammdatenForm : public Bildschirm
{
    Q_OBJECT

public:
    explicit StammdatenForm(QWidget* eltern = nullptr);

    static constexpr int Felder = 12;
    static constexpr int Anschrift = 11; // the multi-line address box

    // Today's date as the box "Zeugnisdatum" offers it: TT.MM.JJJJ, with the year in full for the letter.
    static QString heute();

protected:
    void aktivieren() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The reference being written is an interim one, which has no leaving date.
    static bool zwischenzeugnis();
    // The box must be filled before the screen hands over: every one but the title, and for an interim
    // reference the leaving date.
    static bool verlangt(int index);
    QString feld(int index) const;
    // The employee's data as the boxes hold them (sex as recorded so far).
    Arbeitnehmerdaten eingegeben() const;
    // Shows the warnings about the dates typed so far.
    void datenPruefen();
    void setzeFeld(int index, const QString& text);
    void fokusAuf(int index);

    void Command3D1_Click(); // "Arbeitgeberdaten"
    void Command3D2_Click(); // "Arbeitnehmerdaten"
    void WeiterButton_Click();

    QLabel* Statuszeile = nullptr;
    QLabel* Datumshinweis = nullptr;
    std::array<QWidget*, Felder> Stammdaten{}; // 0 to 10 single-line, 11 multi-line
    QRadioButton* Option3D1 = nullptr;         // "M"
    QRadioButton* Option3D2 = nullptr;         // "W"
    QPushButton* Command3D1 = nullptr;
    QPushButton* Command3D2 = nullptr;
    QPushButton* AbbrechenButton = nullptr;
    QPushButton* WeiterButton = nullptr;
};
