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

const QString TypHinweis = QStringLiteral("Einen der vier Arbeitnehmertypen per Mausklick auswählen");
const QString ArtHinweis = QStringLiteral("Eine der zwei Zeugnisarten per Mausklick auswählen");

} // namespace

ZeugnisForm::ZeugnisForm(QWidget* eltern) : Bildschirm(QStringLiteral("ZeugnisForm"), 7095, 3975, eltern)
{
    auto* titel = Bausteine::label(Panel3D1, QStringLiteral("Titel"), QStringLiteral("Zeugniswerkstatt"), 120,
                                   120, 6855, 375);
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
                                 2520, 3495, 1215);
    m_arten = new QButtonGroup(this);
    m_arten->setObjectName(QStringLiteral("ZeugnisGruppe"));
    const std::array<QString, 3> arten{QString(), QStringLiteral("Einfaches Arbeitszeugnis"),
                                       QStringLiteral("Qualifiziertes Arbeitszeugnis")};
    for (int i = 1; i <= 2; ++i) {
        auto* k = new Gruppenknopf(arten[i], Frame3D2);
        k->setObjectName(QStringLiteral("Zeugnis%1").arg(i));
        k->setToolTip(ArtHinweis);
        Layout::setzen(k, i == 1 ? 120 : 1800, 360, 1575, 735);
        m_arten->addButton(k, i);
        Zeugnis[i] = k;
    }
    Zeugnis[2]->setChecked(true);
    Frame3D2->setVisible(false); // the qualified reference is the only kind offered

    AbbrechenButton = abbrechenKnopf(2880, 3240, 1455, 375);
    WeiterButton =
        Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
                         QStringLiteral("Setzt die Arbeitszeugniserstellung fort"), 4560, 3240, 1575, 375);

    Panel3D3 = Bausteine::panel(this, QStringLiteral("Panel3D3"), 7815, 735);
    auto* dank = Bausteine::label(Panel3D3, QStringLiteral("Autor"),
                                  QStringLiteral("Texte: Redaktion der Zeugniswerkstatt, Personalfachleute"),
                                  120, 120, 7575, 495);
    dank->setAlignment(Qt::AlignCenter);

    setTabOrder(Arbeitnehmer[1], Arbeitnehmer[2]);
    setTabOrder(Arbeitnehmer[2], Arbeitnehmer[3]);
    setTabOrder(Arbeitnehmer[3], AbbrechenButton);
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
    Sitzung& s = Sitzung::instanz();
    if (Einstellungen::arbeitgeberLaden(s.arbeitgeber) < int(Einstellungen::arbeitgeberfelder().size()))
        s.Aufrufer = QStringLiteral("ZeugnisForm");

    const Einstellungen::Fortschritt fortschritt = Einstellungen::fortschrittLaden();
    if (fortschritt.frage) {
        s.AbbruchFrage = *fortschritt.frage;
        if (Text::zahlLesen(s.AbbruchFrage) != 0)
            AbbruchLaden(fortschritt);
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
    if (s.Aufrufer == QStringLiteral("ZeugnisForm")) {
        Umgebung::zeigen(
            this, Umgebung::warnung(QStringLiteral("Persönliche Daten"),
                                    QStringLiteral("Tragen Sie bitte Ihre Firmendaten vollständig ein")));
        // The type screen closes before the employer screen opens. A recorded interrupted reference is taken
        // up by the fresh type screen that the employer screen opens when its data are complete.
        uebergeben(this, new PersoenlicheDaten, Uebergabeart::ErstSchliessen);
        return;
    }
    if (Text::zahlLesen(s.AbbruchFrage) > 0 && fortsetzungPruefen() == Fortsetzung::Moeglich)
        uebergeben(this, new FragenForm);
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
    } else if (s.Zeugnisart != Art::Einfach && s.Zeugnisart != Art::Qualifiziert) {
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
    if (grund.isEmpty())
        return Fortsetzung::Moeglich;

    Umgebung::zeigen(
        this, Umgebung::warnung(QStringLiteral("Zeugnis fortsetzen"),
                                QStringLiteral("Das unterbrochene Zeugnis kann nicht fortgesetzt werden. ") +
                                    grund + QStringLiteral("\n\nBitte beginnen Sie ein neues Zeugnis.")));
    if (auto gespeichert = Einstellungen::fortschrittVerwerfen(); !gespeichert)
        Umgebung::zeigen(this,
                         Umgebung::nichtGespeichert(QStringLiteral("Dass das unterbrochene Zeugnis nicht "
                                                                   "fortgesetzt wird, wurde nicht "
                                                                   "gespeichert."),
                                                    gespeichert.fehler()));
    s.AbbruchFrage = QStringLiteral("0");
    s.Zahl = 0;
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
    faerben(m_typen);
    StatuszeileAktualisieren();
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
    for (int i = 1; i <= 2; ++i)
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
    for (int i = 1; i <= 2; ++i)
        if (Zeugnis[i]->isChecked())
            s.Zeugnisart = static_cast<qint16>(i);

    if (s.Arbeitnehmertyp == Typ::Keiner) {
        Umgebung::zeigen(this,
                         Umgebung::warnung(QStringLiteral("Bitte Auswählen"),
                                           QStringLiteral("Wählen Sie bitte einen Arbeitnehmertyp aus.")));
        return;
    }
    if (s.Zeugnisart == Art::Keine) {
        Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Bitte Auswählen"),
                                                 QStringLiteral("Wählen Sie bitte eine Zeugnisart aus.")));
        return;
    }
    if (s.Arbeitnehmertyp == Typ::Fuehrungskraft && s.Zeugnisart == Art::Einfach) {
        Umgebung::zeigen(
            this,
            Umgebung::warnung(QStringLiteral("Bitte neu Auswählen"),
                              QStringLiteral("Für den Arbeitnehmertyp Führungskraft/Leitender Angestellter "
                                             "macht ein einfaches Arbeitszeugnis keinen Sinn.")));
        return;
    }
    uebergeben(this, new StammdatenForm);
}
