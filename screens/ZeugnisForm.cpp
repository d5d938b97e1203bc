#include "screens/ZeugnisForm.h"

#include "engine/Fragenbestand.h"
#include "engine/Schema.h"
#include "screens/Bausteine.h"
#include "screens/FragenForm.h"
#include "screens/Gruppenknopf.h"
#include "screens/Layout.h"
#include "screens/PersoenlicheDaten.h"
#include "screens/StammdatenForm.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "store/Einstellungen.h"
#include "store/Profil.h"
#include "store/Programm.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString TypHinweis = QStringLiteral("Einen der drei Arbeitnehmertypen per Mausklick auswählen");
const QString ArtHinweis = QStringLiteral("Eine der drei Zeugnisarten per Mausklick auswählen");
const QString KeinZwischenzeugnis =
    QStringLiteral("Der Fragenkatalog enthält noch kein Zwischenzeugnis für diesen Arbeitnehmertyp.");
const QString PraktikantOhneZwischenzeugnis =
    QStringLiteral("Für einen Praktikanten gibt es kein Zwischenzeugnis.");

// The catalogue in the working folder holds the interim set of the type. The sexes share the numbers of
// every set, so the male question table answers for both.
bool zwischenzeugnisImKatalog(qint16 typ)
{
    const std::optional<int> fragen = fragenImKatalog(Geschlecht::Mann, typ, Art::Zwischen);
    return fragen && *fragen > 0;
}

} // namespace

ZeugnisForm::ZeugnisForm(QWidget* eltern) : Bildschirm(QStringLiteral("ZeugnisForm"), 7095, 4395, eltern)
{
    auto* titel = Bausteine::label(Panel3D1, QStringLiteral("Titel"), Programm::name(), 120, 120, 6855, 375);
    titel->setAlignment(Qt::AlignCenter);
    Statuszeile =
        Bausteine::statuszeile(Panel3D1, 240, 600, 6615, 375, Bausteine::Dunkelrot, QColor(255, 255, 255));

    Frame3D1 = Bausteine::rahmen(Panel3D1, QStringLiteral("Frame3D1"), QStringLiteral("Arbeitnehmertyp"), 840,
                                 1080, 5175, 1335);
    m_typen = new QButtonGroup(this);
    m_typen->setObjectName(QStringLiteral("ArbeitnehmerGruppe"));
    const std::array<QString, 5> typen{QString(), QStringLiteral("Gewerblich kaufmännischer Arbeitnehmer"),
                                       QStringLiteral("Führungskraft Leitender Angestellter"),
                                       QStringLiteral("Auszubildender"), QStringLiteral("Praktikant")};
    const std::array<double, 5> typLinks{0, 120, 1800, 3480, 3480};
    for (int i = 1; i <= 4; ++i) {
        auto* k = new Gruppenknopf(typen[i], Frame3D1);
        k->setObjectName(QStringLiteral("Arbeitnehmer%1").arg(i));
        k->setToolTip(TypHinweis);
        Layout::setzen(k, typLinks[i], 360, 1575, 855);
        m_typen->addButton(k, i);
        Arbeitnehmer[i] = k;
    }
    Arbeitnehmer[4]->setVisible(false); // only a resumed reference carries the fourth type

    Frame3D2 = Bausteine::rahmen(Panel3D1, QStringLiteral("Frame3D2"), QStringLiteral("Zeugnisart"), 840,
                                 2520, 5415, 1215);
    m_arten = new QButtonGroup(this);
    m_arten->setObjectName(QStringLiteral("ZeugnisGruppe"));
    const std::array<QString, 4> arten{QString(), QStringLiteral("Einfaches Arbeitszeugnis"),
                                       QStringLiteral("Qualifiziertes Arbeitszeugnis"),
                                       QStringLiteral("Zwischenzeugnis")};
    for (int i = 1; i <= 3; ++i) {
        auto* k = new Gruppenknopf(arten[i], Frame3D2);
        k->setObjectName(QStringLiteral("Zeugnis%1").arg(i));
        k->setToolTip(ArtHinweis);
        // A little wider than the type buttons: "Zwischenzeugnis" is one long word.
        Layout::setzen(k, 120 + (i - 1) * 1740, 360, 1695, 735);
        m_arten->addButton(k, i);
        Zeugnis[i] = k;
    }
    Zeugnis[2]->setChecked(true);
    m_zwischenImKatalog = {false, zwischenzeugnisImKatalog(Typ::Gewerblich),
                           zwischenzeugnisImKatalog(Typ::Fuehrungskraft),
                           zwischenzeugnisImKatalog(Typ::Auszubildender), false};
    zwischenzeugnisAnbieten();

    AbbrechenButton = abbrechenKnopf(2880, 3855, 1455, 375);
    WeiterButton =
        Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
                         QStringLiteral("Setzt die Arbeitszeugniserstellung fort"), 4560, 3855, 1575, 375);

    Panel3D3 = Bausteine::panel(flaeche(), QStringLiteral("Panel3D3"), 7815, 735);
    auto* dank = Bausteine::label(Panel3D3, QStringLiteral("Ausgabesprachen"),
                                  QStringLiteral("Ausgabe in Deutsch, Englisch, Französisch, Italienisch und "
                                                 "Spanisch"),
                                  120, 120, 7575, 495);
    dank->setAlignment(Qt::AlignCenter);

    setTabOrder(Arbeitnehmer[1], Arbeitnehmer[2]);
    setTabOrder(Arbeitnehmer[2], Arbeitnehmer[3]);
    setTabOrder(Arbeitnehmer[3], Zeugnis[1]);
    setTabOrder(Zeugnis[1], Zeugnis[2]);
    setTabOrder(Zeugnis[2], Zeugnis[3]);
    setTabOrder(Zeugnis[3], AbbrechenButton);
    setTabOrder(AbbrechenButton, WeiterButton);

    connect(m_typen, &QButtonGroup::idClicked, this, &ZeugnisForm::Arbeitnehmer_Click);
    connect(m_arten, &QButtonGroup::idClicked, this, &ZeugnisForm::Zeugnis_Click);
    connect(WeiterButton, &QPushButton::clicked, this, &ZeugnisForm::WeiterButton_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ZeugnisForm::Timer1_Timer);

    laden();
    Timer1->start();
}

QString ZeugnisForm::bannertext()
{
    return Bausteine::firmenzeile();
}

QString ZeugnisForm::aufforderung()
{
    return QStringLiteral("Bitte Arbeitnehmertyp auswählen");
}

void ZeugnisForm::laden()
{
    // The settings file is read once for the whole screen.
    const ProfilDatei datei = Profil::laden(Profil::pfad(), &m_profilFehler);
    Sitzung& s = Sitzung::instanz();
    if (Einstellungen::arbeitgeberLaden(datei, s.arbeitgeber) <
        int(Einstellungen::arbeitgeberfelder().size()))
        s.Aufrufer = QStringLiteral("ZeugnisForm");

    const Einstellungen::Fortschritt fortschritt = Einstellungen::fortschrittLaden(datei);
    const Einstellungen::Arbeitnehmereintraege arbeitnehmer = Einstellungen::arbeitnehmerLaden(datei);
    if (fortschritt.frage) {
        s.AbbruchFrage = *fortschritt.frage;
        if (Text::zahlLesen(s.AbbruchFrage) != 0) {
            arbeitnehmer.uebernehmen(s.arbeitnehmer);
            fortschritt.uebernehmen(s);
        }
    }

    // The progress record of the catalogue file counts over the settings file. Without a usable catalogue
    // the check of the working folder and the resume report it.
    auto stand = Fortschritt::beimStart(fortschritt);
    if (!stand)
        return;
    m_stand = *stand;
    if (auto satz = Fortschritt::lesen(); !satz || !*satz)
        return; // no record yet: the settings file as read above
    switch (m_stand.zustand) {
    case Fortschritt::Zustand::Fragen:
    case Fortschritt::Zustand::Ende:
        arbeitnehmer.uebernehmen(s.arbeitnehmer);
        s.AbbruchFrage = m_stand.zustand == Fortschritt::Zustand::Fragen ? Text::vorzeichenZahl(m_stand.frage)
                                                                         : QStringLiteral("0");
        s.Arbeitnehmertyp = m_stand.typ;
        s.Zeugnisart = m_stand.art;
        s.Zahl = m_stand.zahl;
        break;
    case Fortschritt::Zustand::Keiner:
    case Fortschritt::Zustand::Ausgegeben:
        s.AbbruchFrage = QStringLiteral("0");
        break;
    }
}

void ZeugnisForm::AbbruchLaden(const Einstellungen::Fortschritt& fortschritt)
{
    Sitzung& s = Sitzung::instanz();
    Einstellungen::arbeitnehmerLaden().uebernehmen(s.arbeitnehmer);
    fortschritt.uebernehmen(s);
}

void ZeugnisForm::aktivieren()
{
    Sitzung& s = Sitzung::instanz();
    if (!m_profilFehler.isEmpty()) {
        Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Einstellungsdatei"), m_profilFehler));
        m_profilFehler.clear();
    }
    if (s.Aufrufer == QStringLiteral("ZeugnisForm")) {
        Umgebung::zeigen(
            this, Umgebung::warnung(QStringLiteral("Persönliche Daten"),
                                    QStringLiteral("Tragen Sie bitte Ihre Firmendaten vollständig ein")));
        // The type screen closes before the employer screen opens. A recorded interrupted reference is taken
        // up by the fresh type screen that the employer screen opens when its data are complete.
        uebergeben(this, new PersoenlicheDaten, Uebergabeart::ErstSchliessen);
        return;
    }
    if (m_stand.zustand == Fortschritt::Zustand::Ende) {
        fertigesAnbieten();
        return;
    }
    if (Text::zahlLesen(s.AbbruchFrage) > 0) {
        switch (fortsetzungPruefen()) {
        case Fortsetzung::Moeglich:
            uebergeben(this, new FragenForm);
            break;
        case Fortsetzung::Fertig:
            uebergeben(this, new FragenForm(nullptr, FragenForm::Beginn::Fertig));
            break;
        case Fortsetzung::Neubeginn:
        case Fortsetzung::Programmende:
            break;
        }
    }
}

void ZeugnisForm::fertigesAnbieten()
{
    const Arbeitnehmerdaten& an = Sitzung::instanz().arbeitnehmer;
    const Umgebung::Meldung frage{
        QStringLiteral("Fertiges Zeugnis"),
        QStringLiteral(
            "Das Arbeitszeugnis für %1 %2 ist fertig, wurde aber noch nicht übernommen.\n\nMöchten "
            "Sie es jetzt ansehen, in die Zwischenablage kopieren oder in einer anderen Sprache "
            "ausgeben? Mit „Nein“ beginnen Sie ein neues Zeugnis; das fertige bleibt im Startfenster "
            "unter „Letztes Zeugnis“ erhalten.")
            .arg(an.Vorname, an.Name),
        Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
    if (Umgebung::zeigen(this, frage) == Umgebung::Antwort::Ja) {
        uebergeben(this, new FragenForm(nullptr, FragenForm::Beginn::Fertig));
        return;
    }
    neuBeginnen();
}

void ZeugnisForm::neuBeginnen()
{
    Sitzung& s = Sitzung::instanz();
    Fortschritt::Stand neu;
    neu.typ = s.Arbeitnehmertyp;
    neu.art = s.Zeugnisart;
    const Fortschritt::Gespeichert g = Fortschritt::speichern(neu);
    QString fehler = g.ok() ? g.hinweis : g.fehler;
    // Without a usable catalogue at least the settings file forgets the interrupted work.
    if (!g.ok() && Einstellungen::fortschrittVerwerfen())
        fehler.clear();
    if (!fehler.isEmpty())
        Umgebung::zeigen(this,
                         Umgebung::nichtGespeichert(QStringLiteral("Dass das unterbrochene Zeugnis nicht "
                                                                   "fortgesetzt wird, wurde nicht "
                                                                   "gespeichert."),
                                                    fehler));
    m_stand = neu;
    s.AbbruchFrage = QStringLiteral("0");
    s.Zahl = 0;
}

ZeugnisForm::Fortsetzung ZeugnisForm::fortsetzungPruefen()
{
    Sitzung& s = Sitzung::instanz();
    const qint16 geschlecht = s.arbeitnehmer.Geschlecht;
    QString grund;
    if (geschlecht != Geschlecht::Mann && geschlecht != Geschlecht::Frau) {
        grund = QStringLiteral("Das Geschlecht des Mitarbeiters ist nicht gespeichert oder ungültig.");
    } else if (s.Arbeitnehmertyp < Typ::Gewerblich || s.Arbeitnehmertyp > Typ::Praktikant) {
        grund = QStringLiteral("Der Arbeitnehmertyp ist nicht gespeichert oder ungültig.");
    } else if (s.Zeugnisart < Art::Einfach || s.Zeugnisart > Art::Zwischen) {
        grund = QStringLiteral("Die Zeugnisart ist nicht gespeichert oder ungültig.");
    } else {
        QString fehler;
        const std::optional<int> fragen =
            fragenImKatalog(geschlecht, s.Arbeitnehmertyp, s.Zeugnisart, &fehler);
        if (!fragen) {
            Umgebung::zeigen(this, Umgebung::warnung(
                                       QStringLiteral("Fragenkatalog"),
                                       fehler + QStringLiteral("\n\nDas Programm kann ohne den Fragenkatalog "
                                                               "nicht fortgesetzt werden.")));
            Umgebung::beenden();
            return Fortsetzung::Programmende;
        }
        if (*fragen == 0)
            grund = QStringLiteral("Der Fragenkatalog %1 enthält keine Fragen für diesen Arbeitnehmertyp und "
                                   "diese Zeugnisart.")
                        .arg(Schema::Dateiname);
    }
    if (grund.isEmpty()) {
        // The resume point and the text must fit the set and the recorded choices.
        Fortschritt::Stand stand = m_stand;
        stand.typ = s.Arbeitnehmertyp;
        stand.art = s.Zeugnisart;
        const auto f = Fortschritt::fortsetzungPruefen(stand, s);
        if (!f) {
            Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Fragenkatalog"),
                                                     f.fehler() + QStringLiteral("\n\nDas Programm kann ohne "
                                                                                 "den Fragenkatalog nicht "
                                                                                 "fortgesetzt werden.")));
            Umgebung::beenden();
            return Fortsetzung::Programmende;
        }
        switch (f->art) {
        case Fortschritt::Fortsetzung::Art::Weiter:
            return Fortsetzung::Moeglich;
        case Fortschritt::Fortsetzung::Art::Neubeginn:
            grund = f->grund;
            break;
        case Fortschritt::Fortsetzung::Art::Wiederhergestellt: {
            const Fortschritt::Gespeichert g = Fortschritt::speichern(f->stand);
            if (!g.ok()) {
                Umgebung::zeigen(this, Umgebung::nichtGespeichert(f->grund, g.fehler));
                Umgebung::beenden();
                return Fortsetzung::Programmende;
            }
            Umgebung::zeigen(this,
                             {QStringLiteral("Zeugnis fortsetzen"),
                              g.hinweis.isEmpty() ? f->grund : f->grund + QStringLiteral("\n\n") + g.hinweis,
                              Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins});
            m_stand = f->stand;
            s.AbbruchFrage = Text::vorzeichenZahl(m_stand.frage);
            s.Zahl = m_stand.zahl;
            return m_stand.zustand == Fortschritt::Zustand::Ende ? Fortsetzung::Fertig
                                                                 : Fortsetzung::Moeglich;
        }
        }
    }

    Umgebung::zeigen(
        this, Umgebung::warnung(QStringLiteral("Zeugnis fortsetzen"),
                                QStringLiteral("Das unterbrochene Zeugnis kann nicht fortgesetzt werden. ") +
                                    grund + QStringLiteral("\n\nBitte beginnen Sie ein neues Zeugnis.")));
    neuBeginnen();
    return Fortsetzung::Neubeginn;
}

void ZeugnisForm::faerben(QButtonGroup* gruppe)
{
    const QColor systemfarbe = QApplication::palette().color(QPalette::Button);
    for (QAbstractButton* b : gruppe->buttons())
        static_cast<Gruppenknopf*>(b)->setFlaeche(b->isChecked() ? Bausteine::Dunkelrot : systemfarbe);
}

void ZeugnisForm::Arbeitnehmer_Click(int)
{
    zwischenzeugnisAnbieten();
    faerben(m_typen);
    StatuszeileAktualisieren();
}

void ZeugnisForm::zwischenzeugnisAnbieten()
{
    const int typ = m_typen->checkedId();
    bool angeboten = false;
    QString hinweis = KeinZwischenzeugnis;
    if (typ == Typ::Praktikant) {
        hinweis = PraktikantOhneZwischenzeugnis;
    } else if (typ >= Typ::Gewerblich && typ <= Typ::Auszubildender) {
        angeboten = m_zwischenImKatalog[std::size_t(typ)];
    } else {
        // Before a type is chosen the kind is offered when the catalogue holds it for any type.
        for (bool vorhanden : m_zwischenImKatalog)
            angeboten = angeboten || vorhanden;
    }
    Zeugnis[3]->setEnabled(angeboten);
    Zeugnis[3]->setToolTip(angeboten ? ArtHinweis : hinweis);
}

void ZeugnisForm::Zeugnis_Click(int)
{
    faerben(m_arten);
    StatuszeileAktualisieren();
}

void ZeugnisForm::StatuszeileAktualisieren()
{
    QString typ;
    QString art;
    for (int i = 1; i <= 4; ++i)
        if (Arbeitnehmer[i]->isChecked())
            typ = Arbeitnehmer[i]->text() + QStringLiteral(" - ");
    for (int i = 1; i <= 3; ++i)
        if (Zeugnis[i]->isChecked())
            art = Zeugnis[i]->text();
    Statuszeile->setText(typ + art);
}

void ZeugnisForm::Timer1_Timer()
{
    ++m_takte;
    const QString banner = bannertext();
    if (m_takte <= banner.size()) {
        Statuszeile->setText(banner.left(m_takte));
    } else if (m_takte >= LetzterTakt) {
        Timer1->stop();
        for (int i = 1; i <= 4; ++i)
            Arbeitnehmer[i]->setEnabled(true);
        for (int i = 1; i <= 2; ++i)
            Zeugnis[i]->setEnabled(true);
        zwischenzeugnisAnbieten();
        Statuszeile->setText(aufforderung());
    }
}

void ZeugnisForm::WeiterButton_Click()
{
    Sitzung& s = Sitzung::instanz();
    s.Arbeitnehmertyp = Typ::Keiner;
    s.Zeugnisart = Art::Keine;
    for (int i = 1; i <= 4; ++i)
        if (Arbeitnehmer[i]->isChecked())
            s.Arbeitnehmertyp = static_cast<qint16>(i);
    for (int i = 1; i <= 3; ++i)
        if (Zeugnis[i]->isChecked())
            s.Zeugnisart = static_cast<qint16>(i);

    if (s.Arbeitnehmertyp == Typ::Keiner) {
        Umgebung::zeigen(this,
                         Umgebung::warnung(QStringLiteral("Bitte auswählen"),
                                           QStringLiteral("Wählen Sie bitte einen Arbeitnehmertyp aus.")));
        return;
    }
    if (s.Zeugnisart == Art::Keine) {
        Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Bitte auswählen"),
                                                 QStringLiteral("Wählen Sie bitte eine Zeugnisart aus.")));
        return;
    }
    if (s.Arbeitnehmertyp == Typ::Fuehrungskraft && s.Zeugnisart == Art::Einfach) {
        Umgebung::zeigen(
            this,
            Umgebung::warnung(QStringLiteral("Bitte neu auswählen"),
                              QStringLiteral("Für den Arbeitnehmertyp Führungskraft/Leitender Angestellter "
                                             "macht ein einfaches Arbeitszeugnis keinen Sinn.")));
        return;
    }
    if (s.Zeugnisart == Art::Zwischen &&
        (s.Arbeitnehmertyp == Typ::Praktikant || !m_zwischenImKatalog[std::size_t(s.Arbeitnehmertyp)])) {
        Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Bitte neu auswählen"),
                                                 s.Arbeitnehmertyp == Typ::Praktikant
                                                     ? PraktikantOhneZwischenzeugnis
                                                     : KeinZwischenzeugnis));
        return;
    }
    uebergeben(this, new StammdatenForm);
}
