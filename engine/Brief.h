#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct Sitzung;

// The reference as a letter: what stands on the paper, in reading order, before any layout. Built from the
// text of the reference box as it stands, so that the user's own edits reach the letter.
struct Brief
{
    QStringList briefkopf; // company, street, postcode and place; empty lines left out
    QString titel;
    QStringList absaetze; // the body, one entry per paragraph
    QString ortDatum;     // place and date as typed
    QString unterzeichner;
    QString funktion; // may be empty
    QString sprache;  // language word, "Deutsch" and so on
};

// The letter for the text `zeugnis` (line breaks as in the reference box) in language word `sLand`.
// Every line of the text is a paragraph; empty lines separate nothing more. When the text ends in the closing
// block the text builder appends (an empty line, place and date, an empty line, the name), those two lines
// become the closing as they stand, edits included; otherwise the closing comes from the shared record.
Brief briefAufbauen(const QString& zeugnis, const Sitzung& sitzung, const QString& sLand);

// The title of a reference of employee type `typ` and kind `art` in language word `sLand`, as the sets table
// names it; the German title for an unknown language, the general title for an unknown type.
QString zeugnistitel(qint16 typ, qint16 art, const QString& sLand);

// The page line of a letter that runs over more than one page, "Seite 1 von 2" in the letter's language.
QString seitenangabe(int seite, int seiten, const QString& sLand);

// The file name proposed for the letter: German title, surname, first name and `datum` in ISO form, each
// separated by a blank, then `endung` ("pdf"). Characters a file name cannot hold on common systems become
// "_"; runs of blanks shrink to one.
QString briefDateiname(const Sitzung& sitzung, const QDate& datum, const QString& endung);
