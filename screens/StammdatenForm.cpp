#include "screens/StammdatenForm.h"

#include "engine/Datumspruefung.h"
#include "screens/Bausteine.h"
#include "screens/FragenForm.h"
#include "screens/Layout.h"
#include "screens/PersoenlicheDaten.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "store/Einstellungen.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Feldplatz
{
    const char16_t* beschriftung;
    double labelLinks;
    double feldLinks;
    int zeile; // 1 = top row
};

// Index = box of the control array: two columns of seven rows, the address box over rows 5 to 7.
constexpr std::array<Feldplatz, StammdatenForm::Felder> Plaetze{{
    {u"Name", 120, 1800, 1},
    {u"Vorname", 120, 1800, 2},
    {u"Titel", 120, 1800, 3},
    {u"Position", 120, 1800, 4},
    {u"Geburtsort", 120, 1800, 5},
    {u"Ausstellungsort", 120, 1800, 6},
    {u"Zeugnisaussteller", 120, 1800, 7},
    {u"Geburtsdatum", 4320, 5880, 1},
    {u"Eintrittsdatum", 4320, 5880, 2},
    {u"Austrittsdatum", 4320, 5880, 3},
    {u"Zeugnisdatum", 4320, 5880, 4},
    {u"Firmenanschrift", 4320, 5880, 5},
}};

constexpr double zeilenTop(int zeile)
{
    return 600 + 360 * (zeile - 1);
}

constexpr int Titel = 2;
constexpr int Austrittsdatum = 9;
constexpr int Zeugnisdatum = 10;

// The box of each employee text field, by Einstellungen::arbeitnehmerfelder(); the sex and the date of issue
// follow them.
constexpr std::array<int, 8> Klientenboxen{0, 1, 2, 3, 4, 7, 8, 9};

} // namespace

StammdatenForm::StammdatenForm(QWidget* eltern)
    : Bildschirm(QStringLiteral("StammdatenForm"), 8415, 4995, eltern)
{
    Statuszeile = Bausteine::statuszeile(Panel3D1, 120, 120, 8175, 375, Bausteine::Dunkelrot, Qt::white);
    Statuszeile->setText(
        QStringLiteral("Geben Sie bitte die Stammdaten Ihres Mitarbeiters / Ihrer Mitarbeiterin ein"));

    for (int i = 0; i < Felder; ++i) {
        const Feldplatz& p = Plaetze[i];
        const QString text = QString::fromUtf16(p.beschriftung);
        const double top = zeilenTop(p.zeile);
        auto* beschriftung = Bausteine::label(Panel3D1, QStringLiteral("Label%1").arg(i), text, p.labelLinks,
                                              top, p.feldLinks - p.labelLinks - 60, 285);
        beschriftung->setWordWrap(false);
        beschriftung->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QWidget* box = nullptr;
        if (i == Anschrift) {
            auto* mehrzeilig = Bausteine::textbereich(Panel3D1, QStringLiteral("Stammdaten%1").arg(i), text,
                                                      p.feldLinks, top, 2295, 855);
            beschriftung->setBuddy(mehrzeilig);
            // Four lines (company, street, blank line, postcode and town) fit without scrolling.
            mehrzeilig->document()->setDocumentMargin(2);
            QFont klein = mehrzeilig->font();
            klein.setPointSizeF(klein.pointSizeF() - 1);
            mehrzeilig->setFont(klein);
            box = mehrzeilig;
        } else {
            box = Bausteine::textfeld(Panel3D1, QStringLiteral("Stammdaten%1").arg(i), beschriftung,
                                      p.feldLinks, top, 2295, 285);
        }
        box->installEventFilter(this);
        Stammdaten[i] = box;
    }

    const double geschlechtTop = zeilenTop(8);
    auto* geschlecht = Bausteine::label(Panel3D1, QStringLiteral("LabelGeschlecht"),
                                        QStringLiteral("Geschlecht"), 120, geschlechtTop, 1620, 285);
    geschlecht->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Option3D2 = new QRadioButton(QStringLiteral("W"), Panel3D1);
    Option3D2->setObjectName(QStringLiteral("Option3D2"));
    Option3D2->setAccessibleName(QStringLiteral("Geschlecht weiblich"));
    Layout::setzen(Option3D2, 1800, geschlechtTop, 735, 285);
    Option3D1 = new QRadioButton(QStringLiteral("M"), Panel3D1);
    Option3D1->setObjectName(QStringLiteral("Option3D1"));
    Option3D1->setAccessibleName(QStringLiteral("Geschlecht männlich"));
    Layout::setzen(Option3D1, 2640, geschlechtTop, 735, 285);
    geschlecht->setBuddy(Option3D2);

    Command3D1 = Bausteine::knopf(Panel3D1, QStringLiteral("Command3D1"), QStringLiteral("Arbeitgeberdaten"),
                                  QStringLiteral("Verändert die gespeicherten Arbeitgeberdaten"), 4320,
                                  geschlechtTop - 45, 1935, 375);
    Command3D2 = Bausteine::knopf(
        Panel3D1, QStringLiteral("Command3D2"), QStringLiteral("Arbeitnehmerdaten"),
        QStringLiteral("Füllt die Felder mit den Arbeitnehmerdaten des zuletzt bearbeiteten Mitarbeiters"),
        4320, geschlechtTop + 420, 1935, 375);
    AbbrechenButton = abbrechenKnopf(6360, geschlechtTop - 45, 1815, 375);
    WeiterButton = Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
                                    QStringLiteral("Setzt die Arbeitszeugniserstellung fort"), 6360,
                                    geschlechtTop + 420, 1815, 375);

    // Dates that look wrong are pointed out below the buttons while the user types; nothing is refused.
    Datumshinweis =
        Bausteine::label(Panel3D1, QStringLiteral("Datumshinweis"), QString(), 120, 4080, 8175, 795);
    Datumshinweis->setTextFormat(Qt::PlainText);
    Datumshinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Datumshinweis->setAccessibleName(QStringLiteral("Hinweise zu den Daten"));
    QPalette rot = Datumshinweis->palette();
    rot.setColor(QPalette::WindowText, Bausteine::Dunkelrot);
    Datumshinweis->setPalette(rot);
    for (int i : {7, 8, 9, Zeugnisdatum})
        connect(static_cast<QLineEdit*>(Stammdaten[i]), &QLineEdit::textChanged, this,
                &StammdatenForm::datenPruefen);

    // An interim reference is written while the employment goes on: it has no leaving date.
    if (zwischenzeugnis()) {
        auto* austritt = static_cast<QLineEdit*>(Stammdaten[Austrittsdatum]);
        austritt->setEnabled(false);
        austritt->setPlaceholderText(QStringLiteral("entfällt"));
        austritt->setToolTip(QStringLiteral("Ein Zwischenzeugnis hat kein Austrittsdatum."));
        austritt->setAccessibleDescription(austritt->toolTip());
    }

    QWidget* vorher = Stammdaten[0];
    for (QWidget* w : {Stammdaten[1], Stammdaten[2], Stammdaten[3], Stammdaten[4], Stammdaten[5],
                       Stammdaten[6], Stammdaten[7], Stammdaten[8], Stammdaten[9], Stammdaten[10],
                       Stammdaten[11], static_cast<QWidget*>(Option3D2), static_cast<QWidget*>(Option3D1),
                       static_cast<QWidget*>(Command3D1), static_cast<QWidget*>(Command3D2),
                       static_cast<QWidget*>(AbbrechenButton), static_cast<QWidget*>(WeiterButton)}) {
        setTabOrder(vorher, w);
        vorher = w;
    }

    // A wider window widens the boxes: each column takes half of the extra width.
    Layout::verankern(Statuszeile, {.breite = 1});
    for (int i = 0; i < Felder; ++i) {
        const bool rechts = Plaetze[i].labelLinks > 120;
        Layout::verankern(Stammdaten[i], {.links = rechts ? 0.5 : 0, .breite = 0.5});
        if (rechts)
            Layout::verankern(Panel3D1->findChild<QWidget*>(QStringLiteral("Label%1").arg(i)),
                              {.links = 0.5});
    }
    for (QWidget* w : {Command3D1, Command3D2})
        Layout::verankern(w, {.links = 0.5});
    for (QWidget* w : {AbbrechenButton, WeiterButton})
        Layout::verankern(w, {.links = 1});

    connect(Command3D1, &QPushButton::clicked, this, &StammdatenForm::Command3D1_Click);
    connect(Command3D2, &QPushButton::clicked, this, &StammdatenForm::Command3D2_Click);
    connect(WeiterButton, &QPushButton::clicked, this, &StammdatenForm::WeiterButton_Click);
}

bool StammdatenForm::zwischenzeugnis()
{
    return Sitzung::instanz().Zeugnisart == Art::Zwischen;
}

bool StammdatenForm::verlangt(int index)
{
    return index != Titel && !(index == Austrittsdatum && zwischenzeugnis());
}

Arbeitnehmerdaten StammdatenForm::eingegeben() const
{
    Arbeitnehmerdaten an = Sitzung::instanz().arbeitnehmer;
    for (std::size_t i = 0; i < Klientenboxen.size(); ++i)
        an.*Einstellungen::arbeitnehmerfelder()[i].wert = feld(Klientenboxen[i]);
    an.Zeugnisdatum = feld(Zeugnisdatum);
    return an;
}

void StammdatenForm::datenPruefen()
{
    QStringList texte;
    for (const auto& w : Datumspruefung::warnungen(eingegeben(), Sitzung::instanz().Zeugnisart))
        texte << w.text;
    Datumshinweis->setText(texte.join(QLatin1Char(' ')));
}

QString StammdatenForm::heute()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

QString StammdatenForm::feld(int index) const
{
    if (auto* mehrzeilig = qobject_cast<QPlainTextEdit*>(Stammdaten[index]))
        return mehrzeilig->toPlainText();
    return static_cast<QLineEdit*>(Stammdaten[index])->text();
}

void StammdatenForm::setzeFeld(int index, const QString& text)
{
    if (auto* mehrzeilig = qobject_cast<QPlainTextEdit*>(Stammdaten[index])) {
        // The text box breaks lines at a line feed alone.
        mehrzeilig->setPlainText(QString(text).replace(Text::Zeilenumbruch, QStringLiteral("\n")));
        return;
    }
    static_cast<QLineEdit*>(Stammdaten[index])->setText(text);
}

void StammdatenForm::fokusAuf(int index)
{
    Stammdaten[index]->setFocus(Qt::OtherFocusReason);
}

void StammdatenForm::aktivieren()
{
    const Arbeitgeberdaten& ag = Sitzung::instanz().arbeitgeber;
    const QString& z = Text::Zeilenumbruch;
    setzeFeld(5, ag.Ort);
    setzeFeld(6, ag.Name);
    setzeFeld(Anschrift, ag.Firma + z + ag.Strasse + z + z + ag.PLZ + QStringLiteral(" ") + ag.Ort);
    setzeFeld(Zeugnisdatum, heute());
    fokusAuf(0);
}

bool StammdatenForm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            const auto it = std::find(Stammdaten.begin(), Stammdaten.end(), objekt);
            if (it != Stammdaten.end()) {
                int i = static_cast<int>(it - Stammdaten.begin());
                do
                    i = i >= Zeugnisdatum ? 0 : i + 1;
                while (!Stammdaten[i]->isEnabled());
                fokusAuf(i);
            }
        }
    }
    // The key itself goes on to the box.
    return Bildschirm::eventFilter(objekt, ereignis);
}

void StammdatenForm::Command3D1_Click()
{
    Sitzung::instanz().Aufrufer = QStringLiteral("StammdatenForm");
    uebergeben(this, new PersoenlicheDaten, Uebergabeart::Verbergen);
}

void StammdatenForm::Command3D2_Click()
{
    Sitzung& s = Sitzung::instanz();
    const Einstellungen::Arbeitnehmereintraege gespeichert = Einstellungen::arbeitnehmerLaden();
    for (std::size_t i = 0; i < Klientenboxen.size(); ++i)
        if (gespeichert.texte[i] && Stammdaten[Klientenboxen[i]]->isEnabled())
            setzeFeld(Klientenboxen[i], *gespeichert.texte[i]);
    if (gespeichert.geschlecht) {
        s.arbeitnehmer.Geschlecht = *gespeichert.geschlecht;
        if (s.arbeitnehmer.Geschlecht == Geschlecht::Mann)
            Option3D1->setChecked(true);
        else if (s.arbeitnehmer.Geschlecht == Geschlecht::Frau)
            Option3D2->setChecked(true);
    }
    if (gespeichert.zeugnisdatum) {
        setzeFeld(Zeugnisdatum, *gespeichert.zeugnisdatum);
    } else {
        Umgebung::zeigen(this,
                         {QStringLiteral("Arbeitnehmerdaten ausfüllen"),
                          QStringLiteral("Arbeitnehmerdaten füllt automatisch die Felder mit den Daten des "
                                         "zuletzt bearbeiteten Mitarbeiters aus. Da sie noch kein Zeugnis "
                                         "erstellt haben, ist diese Funktion noch nicht vorhanden."),
                          Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins});
    }
    fokusAuf(0);
}

void StammdatenForm::WeiterButton_Click()
{
    for (int i = 0; i < Felder; ++i) {
        if (!verlangt(i) || !feld(i).isEmpty())
            continue;
        Umgebung::zeigen(this,
                         Umgebung::warnung(QStringLiteral("Unvollständige Angaben"),
                                           zwischenzeugnis()
                                               ? QStringLiteral("Sie müssen alle Felder außer Titel und "
                                                                "Austrittsdatum ausfüllen!")
                                               : QStringLiteral("Sie müssen alle Felder außer Titel "
                                                                "ausfüllen!")));
        fokusAuf(i);
        return;
    }
    if (!Option3D2->isChecked() && !Option3D1->isChecked()) {
        Umgebung::zeigen(this, {QStringLiteral("Unvollständige Angaben"),
                                QStringLiteral("Klicken Sie auf 'W' für weiblich oder 'M' für männlich"),
                                Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins});
        return;
    }

    Arbeitnehmerdaten& an = Sitzung::instanz().arbeitnehmer;
    an = eingegeben();
    if (Option3D1->isChecked())
        an.Geschlecht = Geschlecht::Mann;
    else if (Option3D2->isChecked())
        an.Geschlecht = Geschlecht::Frau;
    if (auto gespeichert = Einstellungen::arbeitnehmerSpeichern(an); !gespeichert) {
        Umgebung::zeigen(this, Umgebung::nichtGespeichert(
                                   QStringLiteral("Die Arbeitnehmerdaten wurden nicht gespeichert."),
                                   gespeichert.fehler()));
        return;
    }

    uebergeben(this, new FragenForm);
}
