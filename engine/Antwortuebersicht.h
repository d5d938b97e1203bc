#pragma once

#include "engine/Katalog.h"

#include <QList>
#include <QString>

// The overview of the answers given so far: one line per question passed, in asking order.
namespace Antwortuebersicht {

struct Eintrag
{
    qint32 nr = 0;    // the question's Nr
    int position = 0; // its place in the set, from 1, as the counter shows it
    QString frage;    // the question's text
    QString antwort;  // "gut, Vorschlag B", "Vorschlag A", "eigene Formulierung", "übersprungen"
};

// The grade as the grade buttons name it ("sehr gut" to "mangelhaft"); empty for 0 and unknown grades.
QString notenwort(qint16 note);

// What a recorded choice reads as in the overview.
QString antwortText(const Katalog::AuswahlZeile& z);

// The questions of `satz` before index `bis` that have a recorded choice in `auswahl`.
QList<Eintrag> eintraege(const QList<Katalog::FrageZeile>& satz, qsizetype bis,
                         const QList<Katalog::AuswahlZeile>& auswahl);

} // namespace Antwortuebersicht
