#pragma once

#include "engine/Fortschritt.h"
#include "engine/Katalog.h"
#include "store/Ergebnis.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

struct Sitzung;

// A record source: rows in memory with one current row, or none when it stands past the last row.
template <typename Zeile> class Zeilensatz
{
public:
    void setzen(QList<Zeile> zeilen)
    {
        m_zeilen = std::move(zeilen);
        m_pos = 0;
    }
    qsizetype anzahl() const { return m_zeilen.size(); }
    bool amEnde() const { return m_pos >= m_zeilen.size(); }
    const Zeile& aktuell() const { return m_zeilen.at(m_pos); }
    void weiter()
    {
        if (!amEnde())
            ++m_pos;
    }
    void letzte() { m_pos = m_zeilen.isEmpty() ? 0 : m_zeilen.size() - 1; }
    void ansEnde() { m_pos = m_zeilen.size(); }
    const QList<Zeile>& zeilen() const { return m_zeilen; }
    qsizetype position() const { return m_pos; }
    // Moves to the first row that `passt`; stays where it is when no row does.
    template <typename Bedingung> bool suchen(Bedingung passt)
    {
        for (qsizetype i = 0; i < m_zeilen.size(); ++i)
            if (passt(m_zeilen.at(i))) {
                m_pos = i;
                return true;
            }
        return false;
    }

private:
    QList<Zeile> m_zeilen;
    qsizetype m_pos = 0;
};

// What the question screen does with the catalogue: its three record sources (`Data1` over the question
// set, `Data2` over the current question's answer rows, `datAussage` over Auswahl), the recording of the
// choices and the saving of unfinished work. The screen drives it and shows its state.
class Fragenablauf
{
public:
    // The phrasing buttons' indexes.
    enum Wahl
    {
        VarianteA = 0,
        VarianteB = 1,
        VarianteC = 2,
        EigeneFormulierung = 3,
        Ueberspringen = 4
    };

    explicit Fragenablauf(Sitzung& sitzung);
    ~Fragenablauf();

    // Opens the record sources on the question set of the employee's sex, type and kind. The first
    // question becomes current and `FrageWechsel` runs for it. An empty set is no failure: amEnde() says so.
    Status oeffnen();

    // Data1.
    bool amEnde() const { return m_data1.amEnde(); }
    const Katalog::FrageZeile& frage() const { return m_data1.aktuell(); } // only when !amEnde()
    // Makes the first question whose Nr equals the number in `nr` current, and runs `FrageWechsel`. When no
    // question matches (or `nr` is no whole number), the current question stays. Returns whether one
    // matched.
    Ergebnis<bool> frageSuchen(const QString& nr);
    // The whole set in asking order, and the index of the current question in it (the set's size past the
    // last question).
    const QList<Katalog::FrageZeile>& fragen() const { return m_data1.zeilen(); }
    qsizetype position() const { return m_data1.position(); }
    // Stands past the last question again (after an earlier answer was changed in the end state).
    void ansEnde() { m_data1.ansEnde(); }
    // Moves to the next question and runs `FrageWechsel` for it. Returns false when the set has passed its
    // last question.
    Ergebnis<bool> naechsteFrage();

    // Data2, as `FrageWechsel` left it: the last answer row is current until a grade is chosen.
    qsizetype antwortzahl() const { return m_data2.anzahl(); }
    const Katalog::AntwortZeile& antwort() const { return m_data2.aktuell(); }
    bool bewertet() const { return m_data2.aktuell().Note > 0; }
    // Makes the first answer row of grade `note` current; false (and no move) when there is none.
    bool noteSuchen(qint16 note);
    // Whether the current question has an answer row of grade `note`.
    bool noteAngeboten(qint16 note) const;
    // Whether the current answer row offers phrasing `b` (its first part is not null).
    bool varianteVorhanden(Katalog::Buchstabe b) const;

    // datAussage: records choice `wahl` for the current question in its Auswahl row (adding the row or
    // rewriting the existing one) and makes that row current. Returns the text for the answer box: the
    // composed phrase for A to C (placeholders not yet filled), empty for own wording and skip.
    Ergebnis<QString> waehlen(Wahl wahl);
    // Replaces the own-wording marker of the current Auswahl row by `text`; leaves any other row alone.
    Status eigeneFormulierungUebernehmen(const QString& text);
    // Continue: replaces the own-wording marker of the current Auswahl row by the answer box `kasten` (any
    // other row is left alone) and returns the phrase that goes into the text: an own wording with the
    // employee's data filled in (Textbau::satz), anything else as the box shows it (a phrasing there is
    // filled in already).
    Ergebnis<QString> satzUebernehmen(const QString& kasten);

    // Auswahl as it stands, and the recorded choice of the current question.
    Ergebnis<QList<Katalog::AuswahlZeile>> auswahl() const;
    Ergebnis<std::optional<Katalog::AuswahlZeile>> gewaehlt() const;

    // Start of the work, on a connection of its own: the saved text of interrupted work, or emptying
    // Auswahl for a new reference.
    static Ergebnis<std::optional<QString>> gespeicherterText();
    static Status neuBeginnen();

    // Where work stands in state `zustand` with the reference text `zeugnis`: the current question (none once
    // the set has passed its last one), the counter, type and kind of the shared record.
    Fortschritt::Stand stand(Fortschritt::Zustand zustand, const QString& zeugnis,
                             const QString& sprache = {}) const;

    // Keeps unfinished work in the progress record (Fortschritt::speichern). Does nothing once the set has
    // passed its last question.
    Fortschritt::Gespeichert arbeitZwischenspeichern(const QString& zeugnis) const;

private:
    Status frageWechsel();

    Sitzung& m_sitzung;
    qint16 m_geschlecht = 0;
    std::unique_ptr<Katalog::Verbindung> m_verbindung; // the record sources' connection, kept while open
    Zeilensatz<Katalog::FrageZeile> m_data1;
    Zeilensatz<Katalog::AntwortZeile> m_data2;
    std::optional<qint64> m_auswahl; // datAussage's current row
};
