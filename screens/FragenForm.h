#pragma once

#include "engine/Fortschritt.h"
#include "engine/Fragenablauf.h"
#include "screens/Layout.h"
#include "store/Ergebnis.h"

#include <QString>
#include <QWidget>
#include <array>

class Einmalklick;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct Sitzung;
class Zeugnisausgabe;

// The question screen: one question of the catalogue at a time, its grade and phrasing, and the reference
// text growing below. After the last question the grade buttons choose the output language and the text
// goes to the clipboard. Reads and writes `Sitzung::instanz()`.
class FragenForm : public QWidget
{
    Q_OBJECT

public:
    // How the screen opens: at a question (a new reference, or interrupted work as the shared record names
    // it), or in the end state with the finished reference of the progress record.
    enum class Beginn
    {
        Fragen,
        Fertig
    };

    explicit FragenForm(QWidget* eltern = nullptr, Beginn beginn = Beginn::Fragen);
    ~FragenForm() override;

    // Rebuilds the whole reference text in the language of `sLand` ("Deutsch", "Englisch", "Franzoesisch",
    // "Italienisch", "Spanisch") from the recorded choices. A failure is reported in one message box; the
    // text built up to it stays, and the program goes on.
    void ChangeLanguage(const QString& sLand);

    // Keeps unfinished work for a later run in the progress record; a failed copy into the settings file is
    // shown, the work is kept all the same. Does nothing once the last question is passed.
    Status ArbeitZwischenspeichern();

    // A screen that has ended the program (a failure while opening, for instance) never shows itself.
    void setVisible(bool sichtbar) override;

protected:
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void laden();
    void fertigLaden();
    // Saves where work stands after each step, so that a crash loses nothing; a failure is shown and the
    // work goes on. Returns whether the progress record was saved.
    bool fortschrittSichern(Fortschritt::Zustand zustand, const QString& sprache = {});
    void FrageWechselAnzeigen();
    void variantenFreigeben();
    void variantenAbwaehlen(int bis);
    void notenAbwaehlen();
    void platzhalterEinsetzen();
    // Places the working panel on the canvas, grown or shrunk with the window.
    void anordnen();

    void Wert_Click(int index, bool gewaehlt);
    void Varian_Click(int index);
    void WeiterButton_Click();
    void AbbrechenButton_Click();
    void Fertig();

    // Leaves the screen as "Abbrechen"/"Beenden" does in its current state; true when the program ends.
    bool verlassen();
    void meldung(const QString& text);
    // A catalogue failure: the message, then the end of the program.
    void aufgeben(const QString& text);
    // A failure while answering or advancing: the message, the unfinished work saved, then the end of the
    // program.
    void weiterFehlgeschlagen(const QString& text);

    Sitzung& m_sitzung;
    Fragenablauf m_ablauf;
    QString m_fragenzahl;
    int m_note = 0;         // the grade the user chose for the question on display, 0 for none
    bool m_beendet = false; // the program is ending; nothing more happens on this screen
    Beginn m_beginn = Beginn::Fragen;
    Einmalklick* m_einmal = nullptr;     // one press per question on the buttons that move on
    Zeugnisausgabe* m_ausgabe = nullptr; // from the end state on

    Layout::Flaeche* m_flaeche = nullptr;

    // Where the reference stands. Answering: a grade and a phrasing for the question on display. End: every
    // question answered, the grade buttons choose the output language and the text may be handed out.
    // Handed out: the text went to the clipboard. Only Fertig() leaves Answering, only an accepted closing
    // dialog reaches Handed out; the captions follow the state, never the other way round.
    enum class Zustand
    {
        Beantworten,
        Ende,
        Ausgegeben
    };
    Zustand m_zustand = Zustand::Beantworten;

    QFrame* Panel3D1 = nullptr;
    QLabel* FrageLabel = nullptr;
    QLabel* Statuszeile = nullptr;
    QPlainTextEdit* Variante = nullptr;
    QPlainTextEdit* Zeugnis = nullptr;
    QGroupBox* Bewertung = nullptr;
    std::array<QRadioButton*, 6> Wert{}; // 1 to 5; the index is the grade
    QButtonGroup* WertGruppe = nullptr;
    QGroupBox* Frame3D1 = nullptr;
    std::array<QPushButton*, 5> Varian{};
    QButtonGroup* VarianGruppe = nullptr;
    QPushButton* WeiterButton = nullptr;
    QPushButton* AbbrechenButton = nullptr;
};
