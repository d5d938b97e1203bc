#include "tests/Testumgebung.h"

#include <QApplication>
#include <QWidget>

Testumgebung::Testumgebung()
{
    Umgebung::setzeAnbieter(this);
}

Testumgebung::~Testumgebung()
{
    Umgebung::setzeAnbieter(nullptr);
}

Umgebung::Antwort Testumgebung::zeigen(QWidget*, const Umgebung::Meldung& meldung)
{
    QWidget* fokus = QApplication::focusWidget();
    gezeigt.append({meldung, fokus ? fokus->objectName() : QString()});
    if (beimZeigen)
        beimZeigen(meldung);
    return antworten.isEmpty() ? Umgebung::Antwort::Ok : antworten.takeFirst();
}

QList<Umgebung::Meldung> Testumgebung::meldungen() const
{
    QList<Umgebung::Meldung> r;
    for (const Gezeigt& g : gezeigt)
        r << g.meldung;
    return r;
}

void Testumgebung::inZwischenablage(const QString& text)
{
    zwischenablage.append(text);
}

void Testumgebung::beenden()
{
    ++beendet;
}

namespace Umgebung {

bool operator==(const Meldung& a, const Meldung& b)
{
    return a.titel == b.titel && a.text == b.text && a.knoepfe == b.knoepfe && a.symbol == b.symbol;
}

char* toString(const Meldung& m)
{
    static const char* const knoepfe[] = {"Ok", "JaNein", "JaNeinAbbrechen"};
    static const char* const symbole[] = {"Keins", "Ausrufezeichen"};
    const QString text = QStringLiteral("\"%1\" / \"%2\" / %3 / %4")
                             .arg(m.titel, m.text, QString::fromLatin1(knoepfe[int(m.knoepfe)]),
                                  QString::fromLatin1(symbole[int(m.symbol)]));
    return qstrdup(text.toUtf8().constData());
}

} // namespace Umgebung
