#include "screens/FragenForm.h"

#include "engine/Antwortuebersicht.h"
#include "engine/Gesamtpruefung.h"
#include "engine/Regeln.h"
#include "engine/Sprachwechsel.h"
#include "engine/Textbau.h"
#include "engine/Zeugnistext.h"
#include "screens/Bausteine.h"
#include "screens/Einmalklick.h"
#include "screens/Layout.h"
#include "screens/Textfeld.h"
#include "screens/Umgebung.h"
#include "screens/Zeugnisausgabe.h"
#include "screens/dlgBeenden.h"
#include "store/Programm.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <limits>

namespace {

const QString Fenstertitel = Programm::name() + QStringLiteral(" – Fragen");
const QString Weiter = QStringLiteral(">> Weiter >>");
const QString Zwischenablage = QStringLiteral("Zwischenablage");
const QString Abbrechen = QStringLiteral("Abbrechen");
const QString Beenden = QStringLiteral("Beenden");
const QString NotenHinweis = QStringLiteral("Vergeben Sie eine Note per Mausklick");
const QString Sprachen = QStringLiteral("Sprachen");
const QString NichtGespeichert = QStringLiteral("Die Arbeit konnte nicht zwischengespeichert werden.\n");
const QString NichtVerworfen = QStringLiteral(
    "Dass die Arbeit nicht fortgesetzt werden soll, wurde nicht gespeichert: beim nächsten Start "
    "wird sie zur Fortsetzung angeboten.");
const QString Abschrift = QStringLiteral(
    "Die Arbeit ist im Fragenkatalog gesichert; nur die Abschrift für ältere Programmversionen in der "
    "Einstellungsdatei blieb auf dem alten Stand.");
const QString AbschriftVerworfen = QStringLiteral(
    "Dass die Arbeit nicht fortgesetzt werden soll, ist im Fragenkatalog gespeichert; nur die Abschrift für "
    "ältere Programmversionen in der Einstellungsdatei blieb auf dem alten Stand.");
const QColor Weiss{255, 255, 255};
const QString Uebernehmen = QStringLiteral("Übernehmen");

// Width of the overview panel left of the question panel, and the gap between them, in twips.
constexpr double UebersichtBreite = 3720;
constexpr double PanelAbstand = 120;

// The focus stands out on every control of the screen.
const QString Fokusrahmen = QStringLiteral(
    "QRadioButton:focus { background-color: #ffe680; }"
    "QPushButton:focus { border: 2px solid #0000c0; border-radius: 3px; background-color: #ffe680; }"
    "QPushButton:focus:checked { background-color: #e0b000; }"
    "QPlainTextEdit:focus, QListWidget:focus { border: 2px solid #0000c0; }");

// The window's design size in twips, and how many pixels of height the working panel may give up on a
// small screen (the leave buttons then just clear the "Wählen Sie" frame).
constexpr double Breite = 9855;
constexpr double Hoehe = 7620;
const int Schrumpf = Layout::px(900);

void beschriften(QPushButton* knopf, const QString& text)
{
    knopf->setText(text);
    knopf->setAccessibleName(text);
}

} // namespace

FragenForm::FragenForm(QWidget* eltern, Beginn beginn)
    : QWidget(eltern), m_sitzung(Sitzung::instanz()), m_ablauf(m_sitzung), m_beginn(beginn)
{
    setObjectName(QStringLiteral("FragenForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel);
    Bausteine::hintergrund(this, Bausteine::Dunkelblau);
    m_flaeche = new Layout::Flaeche(this, [this] { anordnen(); });
    setStyleSheet(Fokusrahmen);

    Panel3D1 = Bausteine::panel(m_flaeche->innen(), QStringLiteral("Panel3D1"), 9615, 7020);

    FrageLabel = Bausteine::label(Panel3D1, QStringLiteral("FrageLabel"),
                                  QStringLiteral("Frage 1 von     50 "), 120, 120, 975, 735);
    FrageLabel->setTextFormat(Qt::PlainText);
    Statuszeile =
        Bausteine::label(Panel3D1, QStringLiteral("Statuszeile"),
                         QStringLiteral("Wie sollen die einleitenden Angaben im Arbeitszeugnis aussehen?"),
                         1200, 120, 5535, 735);
    Statuszeile->setTextFormat(Qt::PlainText);
    Bausteine::fett(Statuszeile);

    Variante = Bausteine::textbereich(Panel3D1, QStringLiteral("Variante"), QStringLiteral("Textvorschlag"),
                                      120, 960, 6615, 975);
    Variante->setToolTip(QStringLiteral("Eigene Formulierungs-Einträge möglich"));
    Textfeld::hintergrund(Variante, Bausteine::Grau);
    Zeugnis = Bausteine::textbereich(Panel3D1, QStringLiteral("Zeugnis"), QStringLiteral("Zeugnistext"), 120,
                                     2160, 6615, 4575);
    for (QPlainTextEdit* box : {Variante, Zeugnis})
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Bewertung = Bausteine::rahmen(Panel3D1, QStringLiteral("Bewertung"), QStringLiteral("Ihre Wertung"), 6960,
                                  120, 2415, 1785);
    WertGruppe = new QButtonGroup(this);
    const QStringList noten{QStringLiteral("sehr gut"), QStringLiteral("gut"), QStringLiteral("befriedigend"),
                            QStringLiteral("ausreichend"), QStringLiteral("mangelhaft")};
    for (int i = 1; i <= 5; ++i) {
        auto* w = new QRadioButton(noten.at(i - 1), Bewertung);
        w->setObjectName(QStringLiteral("Wert%1").arg(i));
        w->setToolTip(NotenHinweis);
        // Wider and taller than the design's 1335 by 195 twips, which would cut "befriedigend" and
        // "Französisch" short and clip descenders in the sans font available here; the rows keep the
        // design's places and now just touch.
        Layout::setzen(w, 120, 360 + 240 * (i - 1), 2175, 240);
        WertGruppe->addButton(w, i);
        connect(w, &QRadioButton::clicked, this, [this, i](bool gewaehlt) { Wert_Click(i, gewaehlt); });
        Wert[i] = w;
    }

    Frame3D1 = Bausteine::rahmen(Panel3D1, QStringLiteral("Frame3D1"), QStringLiteral("Wählen Sie"), 6960,
                                 2085, 2415, 2865);
    VarianGruppe = new QButtonGroup(this);
    const std::array<std::pair<QString, QString>, 5> varianten{{
        {QStringLiteral("Textvorschlag A"), QStringLiteral("Zeigt den ersten Textvorschlag an")},
        {QStringLiteral("Textvorschlag B"), QStringLiteral("Zeigt den zweiten Textvorschlag an")},
        {QStringLiteral("Textvorschlag C"), QStringLiteral("Zeigt den dritten Textvorschlag an")},
        {QStringLiteral("Eigene Formulierung"), QStringLiteral("Eigene Formulierung eingeben")},
        {QStringLiteral("Frage überspringen"), QStringLiteral("Geht zur nächsten Frage")},
    }};
    for (int k = 0; k < 5; ++k) {
        auto* b = Bausteine::knopf(Frame3D1, QStringLiteral("Varian%1").arg(k), varianten[k].first,
                                   varianten[k].second, 120, 360 + 480 * k, 2175, 495);
        b->setCheckable(true);
        b->setEnabled(k >= 3);
        VarianGruppe->addButton(b, k);
        Varian[k] = b;
    }
    connect(VarianGruppe, &QButtonGroup::idClicked, this, &FragenForm::Varian_Click);

    AbbrechenButton = Bausteine::knopf(Panel3D1, QStringLiteral("AbbrechenButton"), Abbrechen,
                                       QStringLiteral("Beendet das Programm"), 7080, 5880, 2175, 345);
    connect(AbbrechenButton, &QPushButton::clicked, this, &FragenForm::AbbrechenButton_Click);
    WeiterButton = Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), Weiter,
                                    QStringLiteral("Übernimmt den ausgewählten Textvorschlag und spring zur "
                                                   "nächsten Frage"),
                                    7080, 6360, 2175, 345);
    WeiterButton->setEnabled(false);
    connect(WeiterButton, &QPushButton::clicked, this, &FragenForm::WeiterButton_Click);

    // The overview: the answers given so far and the findings of the check, each leading back to its
    // question.
    Panel3D2 = Bausteine::panel(m_flaeche->innen(), QStringLiteral("Panel3D2"), UebersichtBreite, 7020);
    auto* listenLabel = Bausteine::label(Panel3D2, QStringLiteral("AntwortlisteLabel"),
                                         QStringLiteral("Antwort&liste"), 120, 120, 3480, 255);
    Antwortliste = new QListWidget(Panel3D2);
    Antwortliste->setObjectName(QStringLiteral("Antwortliste"));
    Antwortliste->setToolTip(QStringLiteral("Wählen Sie eine Antwort, um sie zu ändern"));
    Layout::setzen(Antwortliste, 120, 405, 3480, 3435);
    listenLabel->setBuddy(Antwortliste);
    auto* pruefLabel = Bausteine::label(Panel3D2, QStringLiteral("PrueflisteLabel"),
                                        QStringLiteral("Prü&fhinweise"), 120, 3915, 3480, 255);
    Pruefliste = new QListWidget(Panel3D2);
    Pruefliste->setObjectName(QStringLiteral("Pruefliste"));
    Pruefliste->setToolTip(QStringLiteral("Wählen Sie einen Hinweis, um zu seiner Frage zu gehen"));
    Pruefliste->setWordWrap(true);
    Layout::setzen(Pruefliste, 120, 4200, 3480, 1560);
    pruefLabel->setBuddy(Pruefliste);
    for (QListWidget* liste : {Antwortliste, Pruefliste}) {
        liste->setTextElideMode(Qt::ElideRight);
        liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        liste->installEventFilter(this);
    }
    Tastenhinweis = Bausteine::label(
        Panel3D2, QStringLiteral("Tastenhinweis"),
        QStringLiteral("Tasten: 1\u20135 Note, A B C Vorschlag, E eigene Formulierung, \u00dc überspringen, "
                       "Enter weiter (Strg+Enter im Textfeld), Esc beenden; mit Alt überall."),
        120, 5820, 3480, 1110);
    Tastenhinweis->setTextFormat(Qt::PlainText);
    // A click on an entry opens its question once the list has finished with the click: the change
    // refills the list.
    for (QListWidget* liste : {Antwortliste, Pruefliste})
        connect(liste, &QListWidget::itemClicked, this, [this](QListWidgetItem* e) {
            const qint32 nr = e->data(Qt::UserRole).toInt();
            QMetaObject::invokeMethod(
                this, [this, nr] { antwortAendern(nr); }, Qt::QueuedConnection);
        });
    tastenEinrichten();

    // A larger window gives the text boxes its room: both take the width, the reference text most of the
    // height. A smaller one takes height from them, down to where the right column still fits.
    Layout::verankern(Statuszeile, {.breite = 1});
    Layout::verankern(Variante, {.breite = 1, .hoehe = 0.3});
    Layout::verankern(Zeugnis, {.breite = 1, .oben = 0.3, .hoehe = 0.7});
    for (QWidget* rechts : {static_cast<QWidget*>(Bewertung), static_cast<QWidget*>(Frame3D1)})
        Layout::verankern(rechts, {.links = 1});
    for (QWidget* unten : {AbbrechenButton, WeiterButton})
        Layout::verankern(unten, {.links = 1, .oben = 1});
    m_flaeche->innen()->setMinimumSize(Layout::platzbedarf({Panel3D1}) +
                                       QSize(Layout::px(UebersichtBreite + PanelAbstand), -Schrumpf));
    Layout::startgroesse(this, {Layout::px(Breite + UebersichtBreite + PanelAbstand), Layout::px(Hoehe)});

    m_einmal = new Einmalklick(this);
    m_einmal->beobachten(WeiterButton);
    m_einmal->beobachten(Varian[4]);

    if (m_beginn == Beginn::Fertig)
        fertigLaden();
    else
        laden();
}

FragenForm::~FragenForm() = default;

// Opening: the question set, the counter, and either a new reference or the interrupted one.
void FragenForm::laden()
{
    if (auto s = m_ablauf.oeffnen(); !s) {
        aufgeben(s.fehler());
        return;
    }
    if (m_ablauf.amEnde()) {
        aufgeben(QStringLiteral("Der Fragenkatalog enthält keine Fragen für diesen Arbeitnehmertyp und diese "
                                "Zeugnisart."));
        return;
    }
    FrageWechselAnzeigen();

    m_fragenzahl = Fragenzahl(m_sitzung.Arbeitnehmertyp, m_sitzung.Zeugnisart);
    FrageLabel->setText(zaehler(1, m_fragenzahl));

    if (Text::zahlLesen(m_sitzung.AbbruchFrage) > 0) {
        auto gefunden = m_ablauf.frageSuchen(m_sitzung.AbbruchFrage);
        if (!gefunden) {
            aufgeben(gefunden.fehler());
            return;
        }
        if (*gefunden)
            FrageWechselAnzeigen();
        FrageLabel->setText(zaehler(qint32(m_sitzung.Zahl) + 1, m_fragenzahl));
        auto text = Fragenablauf::gespeicherterText();
        if (!text) {
            aufgeben(text.fehler());
            return;
        }
        if (*text)
            zeugnisSetzen(**text);
    } else if (auto s = Fragenablauf::neuBeginnen(); !s) {
        aufgeben(s.fehler());
        return;
    } else {
        fortschrittSichern(Fortschritt::Zustand::Fragen);
    }

    if (Bewertung->isHidden())
        variantenFreigeben();
    antwortlisteAuffrischen();
    fokusSetzen();
}

// The end state as the progress record keeps it: the finished text in its output language.
void FragenForm::fertigLaden()
{
    auto stand = Fortschritt::lesen();
    if (!stand || !*stand || (*stand)->zustand != Fortschritt::Zustand::Ende) {
        aufgeben(stand ? QStringLiteral("Das fertige Zeugnis ist nicht mehr gespeichert.") : stand.fehler());
        return;
    }
    const Fortschritt::Stand& s = **stand;
    m_sitzung.Zahl = s.zahl;
    m_fragenzahl = Fragenzahl(m_sitzung.Arbeitnehmertyp, m_sitzung.Zeugnisart);
    FrageLabel->setText(
        zaehler(qint32(m_sitzung.Zahl) + (Text::zahlLesen(m_fragenzahl) > s.zahl ? 1 : 0), m_fragenzahl));
    if (!s.sprache.isEmpty())
        m_sprache = s.sprache;
    Fertig();
    zeugnisSetzen(s.text);
    m_ausgabe->aufgebaut(m_sprache, Textfeld::text(Zeugnis));
    antwortlisteAuffrischen();
    pruefen();
    fokusSetzen();
}

bool FragenForm::fortschrittSichern(Fortschritt::Zustand zustand, const QString& sprache)
{
    const QString text = zustand == Fortschritt::Zustand::Keiner ? QString() : Textfeld::text(Zeugnis);
    const Fortschritt::Gespeichert g = Fortschritt::speichern(m_ablauf.stand(zustand, text, sprache));
    if (!g.ok()) {
        QString was;
        switch (zustand) {
        case Fortschritt::Zustand::Keiner:
            was = NichtVerworfen;
            break;
        case Fortschritt::Zustand::Ausgegeben:
            was = QStringLiteral(
                "Dass das Zeugnis übernommen wurde, wurde nicht gespeichert: beim nächsten Start "
                "wird es noch einmal angeboten.");
            break;
        case Fortschritt::Zustand::Fragen:
        case Fortschritt::Zustand::Ende:
            was = QStringLiteral("Der Stand der Arbeit wurde nicht gespeichert: nach einem Absturz ginge "
                                 "verloren, was seit dem letzten Speichern hinzukam.");
            break;
        }
        Umgebung::zeigen(this, Umgebung::nichtGespeichert(was, g.fehler));
        return false;
    }
    if (!g.hinweis.isEmpty())
        Umgebung::zeigen(
            this, Umgebung::nichtGespeichert(
                      zustand == Fortschritt::Zustand::Keiner ? AbschriftVerworfen : Abschrift, g.hinweis));
    return true;
}

// What the screen shows of a question change: "mangelhaft" only with five answer rows, the grade frame only
// for a graded question, the skip button only where the question may be skipped, and the question's text.
void FragenForm::FrageWechselAnzeigen()
{
    if (m_ablauf.amEnde())
        return;
    // A grade the question has no answer row for is not offered at all.
    for (int i = 1; i <= 5; ++i) {
        const bool angeboten = m_ablauf.noteAngeboten(qint16(i));
        Wert[i]->setEnabled(angeboten);
        Wert[i]->setVisible(angeboten);
    }
    Bewertung->setVisible(m_ablauf.bewertet());
    Varian[4]->setEnabled(m_ablauf.frage().KeineAussage);
    Statuszeile->setText(m_ablauf.frage().Frage);
}

// Offers phrasings A to C of the current answer row.
void FragenForm::variantenFreigeben()
{
    for (int b = 0; b < 3; ++b)
        Varian[b]->setEnabled(m_ablauf.varianteVorhanden(static_cast<Katalog::Buchstabe>(b)));
}

// Deselects the phrasing buttons 0 to `bis` - 1; the buttons stay exclusive.
void FragenForm::variantenAbwaehlen(int bis)
{
    VarianGruppe->setExclusive(false);
    for (int k = 0; k < bis; ++k)
        Varian[k]->setChecked(false);
    VarianGruppe->setExclusive(true);
}

void FragenForm::notenAbwaehlen()
{
    WertGruppe->setExclusive(false);
    for (int i = 1; i <= 5; ++i)
        Wert[i]->setChecked(false);
    WertGruppe->setExclusive(true);
    m_note = 0;
}

// The employee's data in the phrase shown, by the rules of TextBausteineEinsetzen.
void FragenForm::platzhalterEinsetzen()
{
    const QString text = Textfeld::text(Variante);
    const QString gefuellt = Textbau::satz(text, m_sitzung.arbeitnehmer);
    if (gefuellt == text)
        return;
    Variante->setUpdatesEnabled(false);
    Textfeld::setzen(Variante, gefuellt);
    Variante->setUpdatesEnabled(true);
}

void FragenForm::Wert_Click(int index, bool gewaehlt)
{
    if (m_beendet)
        return;
    if (sprachwahl()) {
        // Language mode: every click rebuilds the text, whether it selected the button or not.
        if (m_ausgabe && !m_ausgabe->neuAufbauErlaubt(this)) {
            for (int i = 1; i <= 5; ++i) {
                const Regeln::Sprache* sprache = Regeln::spracheMitBeschriftung(Wert[i]->text());
                Wert[i]->setChecked(sprache && sprache->wort == m_ausgabe->sprache());
            }
            return;
        }
        if (const Regeln::Sprache* sprache = Regeln::spracheMitBeschriftung(Wert[index]->text()))
            ChangeLanguage(sprache->wort.toString());
        return;
    }

    // Grading: only a click that made the button selected counts.
    if (!gewaehlt || index == m_note)
        return;
    m_note = index;
    variantenAbwaehlen(3);
    for (int b = 0; b < 3; ++b)
        Varian[b]->setEnabled(false);
    Frame3D1->update();
    Variante->clear();
    m_ablauf.noteSuchen(qint16(index));
    variantenFreigeben();
}

void FragenForm::Varian_Click(int index)
{
    if (m_beendet)
        return;
    WeiterButton->setEnabled(true);
    const auto wahl = static_cast<Fragenablauf::Wahl>(index);
    // The choice is stored before a skip advances, so that the record of the skip is complete when the
    // next question comes up.
    auto text = m_ablauf.waehlen(wahl);
    if (!text) {
        // As in Continue: the text written so far is kept for a later run.
        weiterFehlgeschlagen(text.fehler());
        return;
    }
    switch (wahl) {
    case Fragenablauf::VarianteA:
    case Fragenablauf::VarianteB:
    case Fragenablauf::VarianteC:
        Textfeld::hintergrund(Variante, Bausteine::Grau);
        Textfeld::setzen(Variante, *text);
        break;
    case Fragenablauf::EigeneFormulierung:
        Textfeld::hintergrund(Variante, Weiss);
        Variante->clear();
        Variante->setFocus();
        break;
    case Fragenablauf::Ueberspringen:
        Textfeld::hintergrund(Variante, Bausteine::Grau);
        Variante->clear();
        WeiterButton_Click();
        if (m_beendet)
            return;
        break;
    }
    platzhalterEinsetzen();
}

void FragenForm::WeiterButton_Click()
{
    if (m_beendet)
        return;
    // Presses of the buttons that move on count again once the next question is shown.
    const Einmalklick::Sperre sperre(*m_einmal);
    if (WeiterButton->text() != Zwischenablage && eigeneFormulierungFehlt())
        return;
    if (m_aendern) {
        aenderungAbschliessen();
        return;
    }
    Textfeld::hintergrund(Variante, Bausteine::Grau);
    if (m_sitzung.Zahl < std::numeric_limits<qint16>::max())
        ++m_sitzung.Zahl;

    const auto satz = m_ablauf.satzUebernehmen(Textfeld::text(Variante));
    if (!satz) {
        weiterFehlgeschlagen(satz.fehler());
        return;
    }

    if (Text::zahlLesen(m_fragenzahl) > m_sitzung.Zahl)
        FrageLabel->setText(zaehler(qint32(m_sitzung.Zahl) + 1, m_fragenzahl));

    if (sprachwahl()) {
        // The check runs again before the text goes out: answers may have changed since "Fertig".
        pruefen();
        dlgBeenden dialog(Textfeld::text(Zeugnis), this, m_ausgabe, m_hinweise);
        if (dialog.exec() == QDialog::Accepted)
            m_ausgabe->kopiert();
        return;
    }

    WeiterButton->setEnabled(false);
    variantenAbwaehlen(5);
    Panel3D1->update();

    // The text rules are the engine's; the box takes what it is given.
    if (const QString stueck = Textbau::anschluss(*satz, m_ablauf.frage().Absatz, Textfeld::leer(Zeugnis));
        !stueck.isEmpty()) {
        Textfeld::anhaengen(Zeugnis, stueck);
        LetztesZeichenMarkieren(Zeugnis);
        Variante->clear();
        m_zeugnisStand = Textfeld::text(Zeugnis);
    }

    auto naechste = m_ablauf.naechsteFrage();
    if (!naechste) {
        weiterFehlgeschlagen(naechste.fehler());
        return;
    }
    if (!*naechste) {
        Fertig();
        Textfeld::anhaengen(Zeugnis, Textbau::schluss(m_sitzung));
        const QString deutsch = Regeln::Sprachen.front().wort.toString();
        m_ausgabe->aufgebaut(deutsch, Textfeld::text(Zeugnis));
        fortschrittSichern(Fortschritt::Zustand::Ende, deutsch);
        m_zeugnisStand = Textfeld::text(Zeugnis);
        antwortlisteAuffrischen();
        pruefen();
        fokusSetzen();
        return;
    }
    FrageWechselAnzeigen();

    notenAbwaehlen();
    for (int b = 0; b < 3; ++b)
        Varian[b]->setEnabled(false);
    if (Bewertung->isHidden())
        variantenFreigeben();
    antwortlisteAuffrischen();
    fokusSetzen();
    fortschrittSichern(Fortschritt::Zustand::Fragen);
}

// The end state: the grade buttons choose the output language, the text can go to the clipboard.
void FragenForm::Fertig()
{
    m_zustand = Zustand::Ende;
    bewertungAnzeigen();
    Statuszeile->setText(QStringLiteral(
        "Das Zeugnis ist vollständig. Wählen Sie die Sprache (1\u20135) und übernehmen Sie es mit "
        "\u201eZwischenablage\u201c (Enter); die Antwortliste links ändert jede Antwort."));
}

// Grading or, in the end state, the output languages; the phrasing frame and the phrase box only while a
// question is open.
void FragenForm::bewertungAnzeigen()
{
    const bool sprachen = sprachwahl();
    WeiterButton->setEnabled(sprachen);
    beschriften(WeiterButton, sprachen ? Zwischenablage : m_aendern ? Uebernehmen : Weiter);
    beschriften(AbbrechenButton, sprachen ? Beenden : Abbrechen);
    Frame3D1->setVisible(!sprachen);
    Variante->setVisible(!sprachen);
    if (!sprachen) {
        // An answer changed after the end: the letter's controls give way to the phrasing frame.
        if (m_ausgabe)
            m_ausgabe->verbergen();
        Bewertung->setTitle(QStringLiteral("Ihre Wertung"));
        const QStringList noten{QStringLiteral("sehr gut"), QStringLiteral("gut"),
                                QStringLiteral("befriedigend"), QStringLiteral("ausreichend"),
                                QStringLiteral("mangelhaft")};
        for (int i = 1; i <= 5; ++i) {
            Wert[i]->setText(noten.at(i - 1));
            Wert[i]->setToolTip(NotenHinweis);
        }
        return;
    }
    Bewertung->setTitle(QStringLiteral("Zeugnisausgabe in"));
    // The buttons from the top: German, English, Italian, Spanish, French.
    constexpr std::array<std::size_t, 6> sprache{0, 0, 1, 3, 4, 2};
    for (int i = 1; i <= 5; ++i) {
        Wert[i]->setEnabled(true);
        Wert[i]->setVisible(true);
        Wert[i]->setToolTip(Sprachen);
        Wert[i]->setText(Regeln::Sprachen[sprache[i]].beschriftung.toString());
    }
    Wert[1]->setChecked(true);
    for (int i = 1; i <= 5; ++i)
        if (Regeln::Sprachen[sprache[i]].wort == m_sprache)
            Wert[i]->setChecked(true);
    Bewertung->show();
    // Every hand-out is recorded; from then on the finished reference is no longer offered at the next start.
    if (!m_ausgabe)
        m_ausgabe = new Zeugnisausgabe(
            Panel3D1, [this] { return Textfeld::text(Zeugnis); },
            [this] {
                m_zustand = Zustand::Ausgegeben;
                fortschrittSichern(Fortschritt::Zustand::Ausgegeben, m_ausgabe->sprache());
            });
}

void FragenForm::AbbrechenButton_Click()
{
    if (!m_beendet)
        verlassen();
}

bool FragenForm::verlassen()
{
    if (sprachwahl()) {
        if (m_ausgabe && !m_ausgabe->verlassenErlaubt(this))
            return false;
        m_beendet = true;
        Umgebung::beenden();
        return true;
    }
    const Umgebung::Meldung frage{
        QStringLiteral("Programm Beenden"),
        QStringLiteral("Wollen Sie Ihre Arbeit im Verzeichnis Zeugnis zwischenspeichern?"),
        Umgebung::Knoepfe::JaNeinAbbrechen, Umgebung::Symbol::Keins};
    switch (Umgebung::zeigen(this, frage)) {
    case Umgebung::Antwort::Ja:
        if (auto s = ArbeitZwischenspeichern(); !s) {
            // The work is not kept: the user stays on the screen and may try again or leave without saving.
            meldung(NichtGespeichert + s.fehler());
            return false;
        }
        break;
    case Umgebung::Antwort::Nein:
        // Recorded before the program ends, so that the next start begins a new reference.
        fortschrittSichern(Fortschritt::Zustand::Keiner);
        break;
    default:
        return false;
    }
    m_beendet = true;
    Umgebung::beenden();
    return true;
}

void FragenForm::ChangeLanguage(const QString& sLand)
{
    Zeugnis->clear();
    m_sprache = sLand;
    const Neuaufbau neu = zeugnisNeuAufbauen(sLand, m_sitzung);
    zeugnisSetzen(neu.text);
    if (m_ausgabe)
        m_ausgabe->aufgebaut(sLand, Textfeld::text(Zeugnis));
    if (!neu.ok())
        meldung(neu.fehler);
    else if (m_ausgabe && m_ausgabe->ausgehaendigt())
        fortschrittSichern(Fortschritt::Zustand::Ausgegeben, sLand); // stays handed out
    else
        fortschrittSichern(Fortschritt::Zustand::Ende, sLand);
}

Status FragenForm::ArbeitZwischenspeichern()
{
    // An open change is concluded first, so that the text matches the recorded choices and the work
    // resumes at the first unanswered question.
    if (m_aendern)
        aenderungAbschliessen();
    const Fortschritt::Gespeichert g = m_ablauf.arbeitZwischenspeichern(Textfeld::text(Zeugnis));
    if (!g.ok())
        return Fehler{g.fehler};
    if (!g.hinweis.isEmpty())
        Umgebung::zeigen(this, Umgebung::nichtGespeichert(Abschrift, g.hinweis));
    return Ok{};
}

void FragenForm::meldung(const QString& text)
{
    Umgebung::zeigen(this, {Umgebung::programmtitel(), text, Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins});
}

void FragenForm::aufgeben(const QString& text)
{
    meldung(text);
    m_beendet = true;
    Umgebung::beenden();
}

void FragenForm::weiterFehlgeschlagen(const QString& text)
{
    meldung(text);
    if (auto s = ArbeitZwischenspeichern(); !s)
        meldung(NichtGespeichert + s.fehler());
    m_beendet = true;
    Umgebung::beenden();
}

void FragenForm::setVisible(bool sichtbar)
{
    QWidget::setVisible(sichtbar && !m_beendet);
    // The window's first focus would be the phrase box; the keys work outside it.
    if (sichtbar && !m_beendet)
        fokusSetzen();
}

void FragenForm::anordnen()
{
    if (!Panel3D1 || !Panel3D2)
        return;
    const QWidget* innen = m_flaeche->innen();
    const int uebersicht = Panel3D2->width() + Layout::px(PanelAbstand);
    Layout::dehnen(Panel3D1, std::max(0, innen->width() - uebersicht - Layout::px(Breite)),
                   std::max(-Schrumpf, innen->height() - Layout::px(Hoehe)));
    // The question panel and the overview left of it are centred together.
    Layout::zentrieren(m_flaeche->innen(), Panel3D1);
    Panel3D1->move(Panel3D1->x() + uebersicht / 2, Panel3D1->y());
    Panel3D2->move(Panel3D1->x() - uebersicht, Panel3D1->y());
}

void FragenForm::changeEvent(QEvent* ereignis)
{
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow())
        setWindowTitle(Fenstertitel);
}

// Closing the window by its frame leaves the screen as its leave button would.
void FragenForm::closeEvent(QCloseEvent* ereignis)
{
    if (m_beendet || verlassen())
        ereignis->accept();
    else
        ereignis->ignore();
}

void FragenForm::zeugnisSetzen(const QString& text)
{
    Textfeld::setzen(Zeugnis, text);
    m_zeugnisStand = Textfeld::text(Zeugnis);
}

bool FragenForm::eigeneFormulierungFehlt()
{
    if (m_ablauf.amEnde() || !Varian[3]->isChecked() || m_ablauf.frage().KeineAussage ||
        !Textfeld::text(Variante).trimmed().isEmpty())
        return false;
    Umgebung::zeigen(this,
                     Umgebung::warnung(QStringLiteral("Eigene Formulierung fehlt"),
                                       QStringLiteral("Diese Frage kann nicht übersprungen werden. Schreiben "
                                                      "Sie Ihre eigene Formulierung in das Textfeld oder "
                                                      "wählen Sie einen Textvorschlag.")));
    Variante->setFocus(Qt::OtherFocusReason);
    return true;
}

// Keys of the screen: outside the text boxes as they are, from anywhere with Alt; Enter inside a text box
// with Ctrl, since own wordings may hold line breaks.
void FragenForm::tastenEinrichten()
{
    const QList<int> tasten{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,          Qt::Key_5, Qt::Key_A,
                            Qt::Key_B, Qt::Key_C, Qt::Key_E, Qt::Key_Udiaeresis, Qt::Key_U};
    for (int t : tasten) {
        auto* kurz = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(t))), this);
        connect(kurz, &QShortcut::activated, this, [this, t] { taste(t); });
    }
    for (const QKeySequence& folge :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* kurz = new QShortcut(folge, this);
        connect(kurz, &QShortcut::activated, this, [this] { taste(Qt::Key_Return); });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { taste(Qt::Key_Escape); });
}

bool FragenForm::taste(int t)
{
    if (m_beendet)
        return false;
    if (t >= Qt::Key_1 && t <= Qt::Key_5) {
        QRadioButton* w = Wert[t - Qt::Key_0];
        if (!Bewertung->isVisible() || !w->isVisible() || !w->isEnabled())
            return false;
        w->setFocus(Qt::ShortcutFocusReason);
        w->click();
        return true;
    }
    int k = -1;
    switch (t) {
    case Qt::Key_A:
    case Qt::Key_B:
    case Qt::Key_C:
        k = t - Qt::Key_A;
        break;
    case Qt::Key_E:
        k = Fragenablauf::EigeneFormulierung;
        break;
    case Qt::Key_Udiaeresis:
    case Qt::Key_U:
        k = Fragenablauf::Ueberspringen;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!WeiterButton->isEnabled())
            return false;
        WeiterButton->click();
        return true;
    case Qt::Key_Escape:
        if (sprachwahl()) {
            const Umgebung::Meldung frage{
                QStringLiteral("Programm Beenden"),
                QStringLiteral("Das Zeugnis ist fertig. Wollen Sie das Programm beenden?"),
                Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
            if (Umgebung::zeigen(this, frage) != Umgebung::Antwort::Ja)
                return true;
        }
        AbbrechenButton->click();
        return true;
    default:
        return false;
    }
    if (!Frame3D1->isVisible() || !Varian[k]->isEnabled())
        return false;
    if (k != Fragenablauf::EigeneFormulierung)
        Varian[k]->setFocus(Qt::ShortcutFocusReason);
    Varian[k]->click();
    return true;
}

void FragenForm::keyPressEvent(QKeyEvent* ereignis)
{
    const auto mod = ereignis->modifiers() & ~Qt::KeypadModifier;
    if (mod == Qt::NoModifier && ereignis->key() != Qt::Key_Escape && taste(ereignis->key())) {
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

// The lists would take letters and digits for searching; on this screen they choose grade and phrasing.
bool FragenForm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::KeyPress && (objekt == Antwortliste || objekt == Pruefliste)) {
        auto* e = static_cast<QKeyEvent*>(ereignis);
        const int t = e->key();
        // Enter in a list opens the entry's question (and is not Continue as well).
        if (t == Qt::Key_Return || t == Qt::Key_Enter) {
            if (const QListWidgetItem* eintrag = static_cast<QListWidget*>(objekt)->currentItem())
                antwortAendern(eintrag->data(Qt::UserRole).toInt());
            return true;
        }
        const bool zeichen = (t >= Qt::Key_1 && t <= Qt::Key_5) || t == Qt::Key_A || t == Qt::Key_B ||
                             t == Qt::Key_C || t == Qt::Key_E || t == Qt::Key_U || t == Qt::Key_Udiaeresis;
        if (zeichen && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            taste(t);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void FragenForm::fokusSetzen()
{
    if (m_beendet)
        return;
    if (Bewertung->isVisible()) {
        for (int i = 1; i <= 5; ++i)
            if (Wert[i]->isChecked() && Wert[i]->isVisible()) {
                Wert[i]->setFocus(Qt::OtherFocusReason);
                return;
            }
        for (int i = 1; i <= 5; ++i)
            if (Wert[i]->isVisible() && Wert[i]->isEnabled()) {
                Wert[i]->setFocus(Qt::OtherFocusReason);
                return;
            }
    }
    for (int k = 0; k < 5; ++k)
        if (Varian[k]->isVisible() && Varian[k]->isEnabled()) {
            Varian[k]->setFocus(Qt::OtherFocusReason);
            return;
        }
}

QSet<qint32> FragenForm::beantworteteFragen() const
{
    QSet<qint32> r;
    for (const Katalog::FrageZeile& f : m_ablauf.fragen()) {
        if (m_fortsetzung != 0 && f.Nr == m_fortsetzung)
            break;
        r.insert(f.Nr);
    }
    return r;
}

void FragenForm::antwortlisteAuffrischen()
{
    Antwortliste->clear();
    auto gewaehlt = m_ablauf.auswahl();
    if (!gewaehlt)
        return; // the overview stays empty; answering goes on and reports its own failures
    qsizetype bis = m_ablauf.position();
    if (m_aendern) {
        bis = m_ablauf.fragen().size();
        for (qsizetype i = 0; i < m_ablauf.fragen().size(); ++i)
            if (m_ablauf.fragen().at(i).Nr == m_fortsetzung)
                bis = i;
    }
    const qint32 offen = m_aendern ? m_ablauf.frage().Nr : 0;
    for (const auto& e : Antwortuebersicht::eintraege(m_ablauf.fragen(), bis, *gewaehlt)) {
        // The choice first: the question's text is cut off where the list is too narrow.
        auto* zeile = new QListWidgetItem(
            QStringLiteral("%1. %2: %3").arg(e.position).arg(e.antwort, e.frage), Antwortliste);
        zeile->setToolTip(e.frage + QStringLiteral("\n") + e.antwort);
        zeile->setData(Qt::UserRole, e.nr);
        if (e.nr == offen)
            Antwortliste->setCurrentItem(zeile);
    }
}

void FragenForm::pruefen()
{
    Pruefliste->clear();
    m_hinweise = 0;
    auto eingabe = Gesamtpruefung::laden(m_sitzung);
    if (!eingabe) {
        new QListWidgetItem(QStringLiteral("Die Prüfung konnte nicht laufen: ") + eingabe.fehler(),
                            Pruefliste);
        return;
    }
    const auto befunde = Gesamtpruefung::pruefen(*eingabe);
    for (const Gesamtpruefung::Befund& b : befunde) {
        QString stelle;
        for (qsizetype i = 0; i < m_ablauf.fragen().size(); ++i)
            if (m_ablauf.fragen().at(i).Nr == b.frage)
                stelle = QStringLiteral("Frage %1: ").arg(i + 1);
        auto* zeile = new QListWidgetItem(stelle + b.text, Pruefliste);
        zeile->setToolTip(stelle + b.text);
        zeile->setData(Qt::UserRole, b.frage);
    }
    m_hinweise = int(befunde.size());
}

bool FragenForm::antwortAendern(qint32 nr)
{
    if (m_beendet || nr <= 0 || (m_aendern && !m_ablauf.amEnde() && m_ablauf.frage().Nr == nr))
        return false;
    if (Textfeld::text(Zeugnis) != m_zeugnisStand) {
        const Umgebung::Meldung frage{
            QStringLiteral("Antwort ändern"),
            QStringLiteral(
                "Sie haben den Zeugnistext von Hand geändert. Nach der Änderung einer Antwort wird der "
                "Text aus den Antworten neu aufgebaut, und Ihre Änderungen gehen verloren. Antwort "
                "trotzdem ändern?"),
            Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
        if (Umgebung::zeigen(this, frage) != Umgebung::Antwort::Ja)
            return false;
    }
    const bool schonOffen = m_aendern;
    const qint32 fortsetzung = m_ablauf.amEnde() ? 0 : m_ablauf.frage().Nr;
    auto gefunden = m_ablauf.frageSuchen(QString::number(nr));
    if (!gefunden) {
        weiterFehlgeschlagen(gefunden.fehler());
        return false;
    }
    if (!*gefunden)
        return false;
    if (!schonOffen) {
        m_fortsetzung = fortsetzung;
        m_zaehlerVorher = FrageLabel->text();
    }
    m_aendern = true;

    bewertungAnzeigen();
    FrageWechselAnzeigen();
    notenAbwaehlen();
    variantenAbwaehlen(5);
    for (int b = 0; b < 3; ++b)
        Varian[b]->setEnabled(false);
    Variante->clear();
    Textfeld::hintergrund(Variante, Bausteine::Grau);
    gewaehltesAnzeigen();
    FrageLabel->setText(zaehler(qint32(m_ablauf.position() + 1), m_fragenzahl));
    antwortlisteAuffrischen();
    fokusSetzen();
    return true;
}

void FragenForm::gewaehltesAnzeigen()
{
    auto gewaehlt = m_ablauf.gewaehlt();
    if (!gewaehlt) {
        meldung(gewaehlt.fehler());
        return;
    }
    if (*gewaehlt && (*gewaehlt)->Note > 0 && m_ablauf.bewertet() && m_ablauf.noteSuchen((*gewaehlt)->Note)) {
        m_note = (*gewaehlt)->Note;
        Wert[m_note]->setChecked(true);
    }
    if (m_note > 0 || Bewertung->isHidden())
        variantenFreigeben();
    if (!*gewaehlt)
        return;
    const Katalog::AuswahlZeile& z = **gewaehlt;
    int k = Fragenablauf::EigeneFormulierung;
    if (z.KeineAussage.value_or(false))
        k = Fragenablauf::Ueberspringen;
    else if (z.Variante && z.Variante->size() == 1 && z.Variante->at(0) >= u'A' && z.Variante->at(0) <= u'C')
        k = z.Variante->at(0).unicode() - u'A';
    Varian[k]->setChecked(true);
    WeiterButton->setEnabled(true);
    if (k < 3) {
        Textfeld::setzen(Variante, phrase(m_ablauf.antwort(), static_cast<Katalog::Buchstabe>(k),
                                          m_sitzung.arbeitnehmer.Name)
                                       .value_or(QString()));
        platzhalterEinsetzen();
    } else if (k == Fragenablauf::EigeneFormulierung) {
        Textfeld::hintergrund(Variante, Weiss);
        Textfeld::setzen(Variante, z.EigeneFormulierung.value_or(QString()));
    }
}

bool FragenForm::aenderungAbschliessen()
{
    if (Varian[3]->isChecked()) {
        // The own wording goes to this question's row, whether it was chosen anew or kept.
        auto gewaehlt = m_ablauf.waehlen(Fragenablauf::EigeneFormulierung);
        Status s = gewaehlt ? m_ablauf.eigeneFormulierungUebernehmen(Textfeld::text(Variante))
                            : gewaehlt.alsFehler();
        if (!s) {
            meldung(s.fehler());
            return false;
        }
    }
    Aufbauweise weise;
    weise.schluss = fertig();
    if (m_fortsetzung != 0)
        weise.nurFragen = beantworteteFragen();
    const Neuaufbau neu =
        zeugnisNeuAufbauen(fertig() ? m_sprache : QStringLiteral("Deutsch"), m_sitzung, weise);
    zeugnisSetzen(neu.text);
    if (!neu.ok())
        meldung(neu.fehler);

    m_aendern = false;
    notenAbwaehlen();
    variantenAbwaehlen(5);
    Variante->clear();
    Textfeld::hintergrund(Variante, Bausteine::Grau);
    if (m_fortsetzung == 0) {
        m_ablauf.ansEnde();
        Fertig();
        m_ausgabe->aufgebaut(m_sprache, Textfeld::text(Zeugnis));
        pruefen();
    } else {
        auto gefunden = m_ablauf.frageSuchen(QString::number(m_fortsetzung));
        if (!gefunden) {
            weiterFehlgeschlagen(gefunden.fehler());
            return false;
        }
        bewertungAnzeigen();
        FrageWechselAnzeigen();
        for (int b = 0; b < 3; ++b)
            Varian[b]->setEnabled(false);
        if (Bewertung->isHidden())
            variantenFreigeben();
    }
    FrageLabel->setText(m_zaehlerVorher);
    antwortlisteAuffrischen();
    fokusSetzen();
    // The record takes the reference as it stands after the change, in one piece.
    if (neu.ok())
        fortschrittSichern(m_fortsetzung == 0 ? Fortschritt::Zustand::Ende : Fortschritt::Zustand::Fragen,
                           m_sprache);
    return neu.ok();
}
