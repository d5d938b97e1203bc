#pragma once

#include "engine/Fortschritt.h"
#include "screens/Bildschirm.h"
#include "store/Einstellungen.h"

#include <array>

class Gruppenknopf;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The employee type and reference kind screen. Loading reads the employer values and an interrupted
// reference from the settings file; activation hands over to the employer screen when the employer values
// are incomplete, or straight to the question screen when a reference is to be continued.
class ZeugnisForm : public Bildschirm
{
    Q_OBJECT

public:
    explicit ZeugnisForm(QWidget* eltern = nullptr);

    // The status line shows the selected type's caption, " - " and the selected kind's caption.
    void StatuszeileAktualisieren();
    // Fills the employee data, type, kind and counter of `Sitzung` from the settings file.
    void AbbruchLaden(const Einstellungen::Fortschritt& fortschritt);

    // Text the status line is typed out from, one character per tick, and the prompt at the end.
    static QString bannertext();
    static QString aufforderung();
    // Ticks after which the animation ends.
    static constexpr qint16 LetzterTakt = 26;

protected:
    void aktivieren() override;

private:
    void laden();
    void Arbeitnehmer_Click(int index);
    void Zeugnis_Click(int index);
    void Timer1_Timer();
    void WeiterButton_Click();
    // Checks that a recorded interrupted reference can be continued: a known sex, type and kind, and
    // questions for them in the catalogue. When it cannot be continued the user is told and a new reference
    // begins on this screen; an unreadable catalogue ends the program.
    enum class Fortsetzung
    {
        Moeglich,
        Fertig, // the mended record is a finished reference
        Neubeginn,
        Programmende
    };
    Fortsetzung fortsetzungPruefen();
    // A finished reference that was not handed out: shown again, or a new one begins.
    void fertigesAnbieten();
    // Records that a new reference begins.
    void neuBeginnen();
    void faerben(QButtonGroup* gruppe);
    // The interim reference is offered for the chosen type when the catalogue holds its set; the intern has
    // none. Otherwise its button is disabled and its hint says why.
    void zwischenzeugnisAnbieten();

    QGroupBox* Frame3D1 = nullptr;
    QGroupBox* Frame3D2 = nullptr;
    std::array<Gruppenknopf*, 5> Arbeitnehmer{}; // index 1 to 4
    std::array<Gruppenknopf*, 4> Zeugnis{};      // index 1 to 3
    // Per type (index 1 to 4): the catalogue in the working folder holds its interim set.
    std::array<bool, 5> m_zwischenImKatalog{};
    QButtonGroup* m_typen = nullptr;
    QButtonGroup* m_arten = nullptr;
    QLabel* Statuszeile = nullptr;
    QPushButton* AbbrechenButton = nullptr;
    QPushButton* WeiterButton = nullptr;
    QTimer* Timer1 = nullptr;
    qint16 m_takte = 0;
    // Where work stands by the progress record (or, written by an earlier version, the settings file).
    Fortschritt::Stand m_stand;
    QString m_profilFehler; // the settings file could not be read
};
