#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh temporary working folder, made current for the lifetime of this object.
class Arbeitsordner
{
public:
    Arbeitsordner();
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;
    QString pfad(const QString& datei) const;

private:
    QTemporaryDir m_ordner;
    QString m_vorher;
};

// While it lives, every file replacement fails as on a full disk and leaves the file as it was; the paths
// tried are recorded.
class Schreibsperre
{
public:
    Schreibsperre();
    ~Schreibsperre();
    Schreibsperre(const Schreibsperre&) = delete;
    Schreibsperre& operator=(const Schreibsperre&) = delete;

    // The system's text the failing replacement gives.
    static QString grund();
    // The message of a failed save of the settings file in `ordner`, as the screens show it.
    static QString meldung(const QString& was, const Arbeitsordner& ordner);

    QStringList versucht;
};
