#include "screens/FragenForm.h"

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
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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

    // A larger window gives the text boxes its room: both take the width, the reference text most of the
    // height. A smaller one takes height from them, down to where the right column still fits.
    Layout::verankern(Statuszeile, {.breite = 1});
    Layout::verankern(Variante, {.breite = 1, .hoehe = 0.3});
    Layout::verankern(Zeugnis, {.breite = 1, .oben = 0.3, .hoehe = 0.7});
    for (QWidget* rechts : {static_cast<QWidget*>(Bewertung), static_cast<QWidget*>(Frame3D1)})
        Layout::verankern(rechts, {.links = 1});
    for (QWidget* unten : {AbbrechenButton, WeiterButton})
        Layout::verankern(unten, {.links = 1, .oben = 1});
    m_flaeche->innen()->setMinimumSize(Layout::platzbedarf({Panel3D1}) - QSize(0, Schrumpf));
    Layout::startgroesse(this, {Layout::px(Breite), Layout::px(Hoehe)});

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
            Textfeld::setzen(Zeugnis, **text);
    } else if (auto s = Fragenablauf::neuBeginnen(); !s) {
        aufgeben(s.fehler());
        return;
    } else {
        fortschrittSichern(Fortschritt::Zustand::Fragen);
    }

    if (Bewertung->isHidden())
        variantenFreigeben();
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
    Fertig();
    for (int i = 1; i <= 5; ++i)
        if (const Regeln::Sprache* sprache = Regeln::spracheMitBeschriftung(Wert[i]->text());
            sprache && sprache->wort == s.sprache)
            Wert[i]->setChecked(true);
    Textfeld::setzen(Zeugnis, s.text);
    m_ausgabe->aufgebaut(s.sprache, s.text);
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
    Wert[5]->setEnabled(m_ablauf.antwortzahl() == 5);
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
    if (m_zustand != Zustand::Beantworten) {
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

    if (m_zustand != Zustand::Beantworten) {
        dlgBeenden dialog(Textfeld::text(Zeugnis), this, m_ausgabe);
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
        return;
    }
    FrageWechselAnzeigen();

    notenAbwaehlen();
    for (int b = 0; b < 3; ++b)
        Varian[b]->setEnabled(false);
    if (Bewertung->isHidden())
        variantenFreigeben();
    fortschrittSichern(Fortschritt::Zustand::Fragen);
}

// The end state: the grade buttons choose the output language, the text can go to the clipboard.
void FragenForm::Fertig()
{
    m_zustand = Zustand::Ende;
    WeiterButton->setEnabled(true);
    beschriften(WeiterButton, Zwischenablage);
    beschriften(AbbrechenButton, Beenden);
    for (int i = 1; i <= 5; ++i) {
        Wert[i]->setEnabled(true);
        Wert[i]->setToolTip(Sprachen);
    }
    Bewertung->setTitle(QStringLiteral("Zeugnisausgabe in"));
    // The buttons from the top: German, English, Italian, Spanish, French.
    constexpr std::array<std::size_t, 6> sprache{0, 0, 1, 3, 4, 2};
    for (int i = 1; i <= 5; ++i)
        Wert[i]->setText(Regeln::Sprachen[sprache[i]].beschriftung.toString());
    Wert[1]->setChecked(true);
    Bewertung->show();
    Frame3D1->hide();
    // Every hand-out is recorded; from then on the finished reference is no longer offered at the next start.
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
    if (m_zustand != Zustand::Beantworten) {
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
    const Neuaufbau neu = zeugnisNeuAufbauen(sLand, m_sitzung);
    Textfeld::setzen(Zeugnis, neu.text);
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
}

void FragenForm::anordnen()
{
    if (!Panel3D1)
        return;
    const QWidget* innen = m_flaeche->innen();
    Layout::dehnen(Panel3D1, std::max(0, innen->width() - Layout::px(Breite)),
                   std::max(-Schrumpf, innen->height() - Layout::px(Hoehe)));
    Layout::zentrieren(m_flaeche->innen(), Panel3D1);
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
