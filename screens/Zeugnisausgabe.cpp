#include "screens/Zeugnisausgabe.h"

#include "screens/Bausteine.h"
#include "screens/Briefsatz.h"
#include "screens/Briefvorschau.h"
#include "screens/Dateiwahl.h"
#include "screens/Umgebung.h"
#include "store/Sitzung.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

namespace {

void meldung(QWidget* eltern, const QString& text)
{
    Umgebung::zeigen(eltern, Umgebung::warnung(Umgebung::programmtitel(), text));
}

} // namespace

Zeugnisausgabe::Zeugnisausgabe(QWidget* panel, std::function<QString()> zeugnis,
                               std::function<void()> aufzeichnen)
    : QObject(panel), m_zeugnis(std::move(zeugnis)), m_aufzeichnen(std::move(aufzeichnen))
{
    VorschauButton = Bausteine::knopf(
        panel, QStringLiteral("VorschauButton"), QStringLiteral("&Briefvorschau …"),
        QStringLiteral("Zeigt das Zeugnis als Brief zum Drucken und Speichern"), 7080, 2205, 2175, 495);
    connect(VorschauButton, &QPushButton::clicked, this, [this] { vorschau(VorschauButton->window()); });
    SprachHinweis = Bausteine::label(
        panel, QStringLiteral("SprachHinweis"),
        QStringLiteral("Eigene Formulierungen, die Position und die Daten stehen im Zeugnis so, wie Sie sie "
                       "eingegeben haben; sie werden nicht übersetzt."),
        7080, 2880, 2175, 1800);
    SprachHinweis->setTextFormat(Qt::PlainText);
    SprachHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VorschauButton->hide();
    SprachHinweis->hide();
}

void Zeugnisausgabe::aufgebaut(const QString& sLand, const QString& text)
{
    m_sprache = sLand;
    m_aufgebaut = text;
    VorschauButton->show();
    SprachHinweis->setVisible(sLand != QStringLiteral("Deutsch"));
}

void Zeugnisausgabe::verbergen()
{
    VorschauButton->hide();
    SprachHinweis->hide();
}

bool Zeugnisausgabe::neuAufbauErlaubt(QWidget* eltern) const
{
    if (m_zeugnis() == m_aufgebaut)
        return true;
    const Umgebung::Meldung frage{
        QStringLiteral("Zeugnistext geändert"),
        QStringLiteral("Sie haben den Zeugnistext geändert. Beim Wechsel der Sprache wird er aus Ihren "
                       "Antworten neu aufgebaut, und Ihre Änderungen gehen verloren.\n\nTrotzdem wechseln?"),
        Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Ausrufezeichen};
    return Umgebung::zeigen(eltern, frage) == Umgebung::Antwort::Ja;
}

bool Zeugnisausgabe::verlassenErlaubt(QWidget* eltern)
{
    if (m_ausgehaendigt)
        return true;
    const Umgebung::Meldung frage{
        QStringLiteral("Programm beenden"),
        QStringLiteral("Das fertige Zeugnis wurde weder kopiert noch gedruckt oder gespeichert.\n\n"
                       "Wollen Sie es vor dem Beenden als PDF speichern?"),
        Umgebung::Knoepfe::JaNeinAbbrechen, Umgebung::Symbol::Ausrufezeichen};
    switch (Umgebung::zeigen(eltern, frage)) {
    case Umgebung::Antwort::Ja:
        return pdfSpeichern(eltern);
    case Umgebung::Antwort::Nein:
        return true;
    default:
        return false;
    }
}

Brief Zeugnisausgabe::brief() const
{
    return briefAufbauen(m_zeugnis(), Sitzung::instanz(), m_sprache);
}

void Zeugnisausgabe::vorschau(QWidget* eltern)
{
    Briefvorschau dialog(*this, eltern);
    dialog.exec();
}

bool Zeugnisausgabe::drucken(QWidget* eltern)
{
    QPrinter drucker(QPrinter::HighResolution);
    Briefsatz::druckerEinrichten(drucker);
    drucker.setDocName(brief().titel);
    if (!Dateiwahl::drucker(eltern, drucker))
        return false;
    if (auto s = Briefsatz::zeichnen(brief(), drucker); !s) {
        meldung(eltern, QStringLiteral("Das Zeugnis konnte nicht gedruckt werden: ") + s.fehler());
        return false;
    }
    ausgegeben();
    return true;
}

bool Zeugnisausgabe::pdfSpeichern(QWidget* eltern)
{
    return speichern(eltern, QStringLiteral("pdf"), QStringLiteral("PDF-Dokument (*.pdf)"));
}

bool Zeugnisausgabe::odtSpeichern(QWidget* eltern)
{
    return speichern(eltern, QStringLiteral("odt"), QStringLiteral("OpenDocument-Text (*.odt)"));
}

bool Zeugnisausgabe::speichern(QWidget* eltern, const QString& endung, const QString& filter)
{
    const QString name = briefDateiname(Sitzung::instanz(), QDate::currentDate(), endung);
    const Dateiwahl::Speichern frage{QStringLiteral("Zeugnis speichern"),
                                     QDir(Dateiwahl::zeugnisordner()).filePath(name), filter};
    const std::optional<QString> pfad = Dateiwahl::speichern(eltern, frage, endung);
    if (!pfad)
        return false;
    const Brief b = brief();
    const Status s =
        endung == QStringLiteral("pdf") ? Briefsatz::alsPdf(b, *pfad) : Briefsatz::alsOdt(b, *pfad);
    if (!s) {
        meldung(eltern, s.fehler());
        return false;
    }
    ausgegeben();
    return true;
}

void Zeugnisausgabe::kopiert()
{
    ausgegeben();
}

// A handed-out reference is finished: the next start begins a new one. Each hand-out is recorded, so that
// the record holds the text as it last left the program.
void Zeugnisausgabe::ausgegeben()
{
    m_ausgehaendigt = true;
    if (m_aufzeichnen)
        m_aufzeichnen();
}
