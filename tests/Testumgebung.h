#pragma once

#include "screens/Umgebung.h"
#include "tests/Arbeitsordner.h"

#include <QList>
#include <QString>
#include <functional>

// Scripted surroundings for tests: message boxes answer from a queue (OK when it is empty) and are
// recorded; the clipboard and the program end are recorded instead of performed.
class Testumgebung final : public Umgebung::Anbieter
{
public:
    struct Gezeigt
    {
        Umgebung::Meldung meldung;
        QString fokus; // object name of the widget that had the focus while the box was up
    };

    Testumgebung();
    ~Testumgebung() override;

    Umgebung::Antwort zeigen(QWidget* eltern, const Umgebung::Meldung& meldung) override;
    void inZwischenablage(const QString& text) override;
    void beenden() override;

    // The boxes shown so far, without the focus.
    QList<Umgebung::Meldung> meldungen() const;

    QList<Umgebung::Antwort> antworten;                       // answers given to the next boxes, in order
    std::function<void(const Umgebung::Meldung&)> beimZeigen; // optional: runs while a box is "open"
    QList<Gezeigt> gezeigt;
    QList<QString> zwischenablage; // every text put on the clipboard
    int beendet = 0;
};

// Message boxes compare field by field in QCOMPARE, which shows them in full when they differ.
namespace Umgebung {
bool operator==(const Meldung& a, const Meldung& b);
char* toString(const Meldung& m);
} // namespace Umgebung
