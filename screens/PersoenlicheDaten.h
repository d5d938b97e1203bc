#pragma once

#include "screens/Bildschirm.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The employer data screen (object name "PersönlicheDaten"): company, the person responsible for personnel
// and the company's address. It returns to the screen that opened it, named by `Aufrufer` in `Sitzung`.
class PersoenlicheDaten : public Bildschirm
{
    Q_OBJECT

public:
    explicit PersoenlicheDaten(QWidget* eltern = nullptr);

    // Saves the five boxes as the employer data, in the settings file and in `Arbeitgeberdaten`. A failure is
    // shown and changes neither; the boxes keep their text. True when saved.
    bool ArbeitgeberdatenSpeichern();

protected:
    void aktivieren() override;

private:
    void WeiterButton_Click();

    QLabel* Statuszeile = nullptr;
    std::array<QLineEdit*, 5> Stammdaten{}; // 0 Name, 1 Straße, 2 PLZ, 3 Ort, 4 Firma
    QPushButton* AbbrechenButton = nullptr;
    QPushButton* WeiterButton = nullptr;
};
