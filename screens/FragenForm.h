#pragma once

#include "engine/Fortschritt.h"
#include "engine/Fragenablauf.h"
#include "screens/Layout.h"
#include "store/Ergebnis.h"

#include <QSet>
#include <QString>
#include <QWidget>
#include <array>

class Einmalklick;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
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

    // Goes back to an earlier question to change its answer (as choosing it in the answers overview does).
    // Asks first when the user has typed into the reference box, whose text is rebuilt afterwards. Returns
    // whether the question is now open for the change.
    bool antwortAendern(qint32 nr);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
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

    // The keyboard: a key of the question screen (digits, A, B, C, E, Ü, Enter, Escape), from wherever it
    // came; true when it did something.
    bool taste(int taste);
    void tastenEinrichten();
    // Where the focus goes when a question comes up: the first grade offered, otherwise the first phrasing.
    void fokusSetzen();
    // The grade buttons as the question offers them (grading) or as the five output languages (end state).
    void bewertungAnzeigen();
    void antwortlisteAuffrischen();
    void pruefen();
    // Shows the recorded choice of the question opened for a change.
    void gewaehltesAnzeigen();
    // Ends an open change: the text rebuilt from the recorded choices, back to the first unanswered
    // question (or to the end state). False when the text could not be rebuilt (the message was shown).
    bool aenderungAbschliessen();
    // The questions passed so far: every question before the first unanswered one.
    QSet<qint32> beantworteteFragen() const;
    void zeugnisSetzen(const QString& text);
    // An empty own wording where the question cannot be skipped: refused with a message.
    bool eigeneFormulierungFehlt();

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
    int m_note = 0;           // the grade the user chose for the question on display, 0 for none
    bool m_beendet = false;   // the program is ending; nothing more happens on this screen
    bool m_aendern = false;   // an earlier answer is open for a change
    qint32 m_fortsetzung = 0; // during a change: the first unanswered question, 0 in the end state
    QString m_zaehlerVorher;  // during a change: the counter as it stood before
    QString m_sprache = QStringLiteral("Deutsch"); // the language word of the text shown
    QString m_zeugnisStand; // the reference text as the program last set it; differs once the user typed
    int m_hinweise = 0;     // findings of the last check
    Beginn m_beginn = Beginn::Fragen;
    Einmalklick* m_einmal = nullptr;     // one press per question on the buttons that move on
    Zeugnisausgabe* m_ausgabe = nullptr; // from the end state on

    Layout::Flaeche* m_flaeche = nullptr;

    // Where the reference stands. Answering: a grade and a phrasing for the question on display. End: every
    // question answered, the grade buttons choose the output language and the text may be handed out.
    // Handed out: the text went to the clipboard. Only Fertig() leaves Answering, only an accepted closing
    // dialog reaches Handed out; the captions follow the state, never the other way round. An earlier
    // answer may be opened for a change in any state; while it is open the grade buttons grade.
    enum class Zustand
    {
        Beantworten,
        Ende,
        Ausgegeben
    };
    Zustand m_zustand = Zustand::Beantworten;
    bool fertig() const { return m_zustand != Zustand::Beantworten; }
    bool sprachwahl() const { return fertig() && !m_aendern; }

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

    QFrame* Panel3D2 = nullptr; // the answers overview and the check's findings
    QListWidget* Antwortliste = nullptr;
    QListWidget* Pruefliste = nullptr;
    QLabel* Tastenhinweis = nullptr;
};
