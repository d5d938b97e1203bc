#pragma once

#include "engine/Zeugnistext.h"
#include "screens/FragenForm.h"
#include "screens/Textfeld.h"
#include "store/Profil.h"
#include "store/Sitzung.h"
#include "tests/Beispielsitzung.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Test access to the question screen: opens `FragenForm` on the catalogue in the working folder (or takes
// one the wizard opened), finds its controls by object name and clicks them with the mouse.
class Fragenbildschirm
{
public:
    Fragenbildschirm() : Fragenbildschirm(new FragenForm)
    {
        form->show();
        if (form->isVisible())
            static_cast<void>(QTest::qWaitForWindowExposed(form));
    }
    // Takes over a question screen that is already open; it is deleted with this object, if still there.
    explicit Fragenbildschirm(FragenForm* offen) : form(offen) {}
    ~Fragenbildschirm() { delete form; }
    Fragenbildschirm(const Fragenbildschirm&) = delete;
    Fragenbildschirm& operator=(const Fragenbildschirm&) = delete;

    template <typename T = QWidget> T* kind(const QString& name) const { return Hilfe::kind<T>(form, name); }

    QRadioButton* wert(int i) const { return kind<QRadioButton>(QStringLiteral("Wert%1").arg(i)); }
    QPushButton* varian(int k) const { return kind<QPushButton>(QStringLiteral("Varian%1").arg(k)); }
    QPushButton* weiter() const { return kind<QPushButton>(QStringLiteral("WeiterButton")); }
    QPushButton* abbrechen() const { return kind<QPushButton>(QStringLiteral("AbbrechenButton")); }
    QPlainTextEdit* variante() const { return kind<QPlainTextEdit>(QStringLiteral("Variante")); }
    QPlainTextEdit* zeugnisFeld() const { return kind<QPlainTextEdit>(QStringLiteral("Zeugnis")); }
    QGroupBox* bewertung() const { return kind<QGroupBox>(QStringLiteral("Bewertung")); }
    QGroupBox* frame() const { return kind<QGroupBox>(QStringLiteral("Frame3D1")); }
    QString zaehler() const { return kind<QLabel>(QStringLiteral("FrageLabel"))->text(); }
    QString frage() const { return kind<QLabel>(QStringLiteral("Statuszeile"))->text(); }
    QString zeugnis() const { return Textfeld::text(zeugnisFeld()); }
    QString vorschlag() const { return Textfeld::text(variante()); }
    // Captions and hint texts of the five grade buttons, Wert1 to Wert5.
    QStringList wertTexte() const { return wertEigenschaft(&QAbstractButton::text); }
    QStringList wertHinweise() const { return wertEigenschaft(&QWidget::toolTip); }

    // A mouse click where the button takes it; false when it cannot be clicked (Hilfe::klicken).
    static bool klicken(QAbstractButton* b) { return Hilfe::klicken(b); }

    // One question answered through the widgets: grade `note` (0: none), phrasing `k`, then Continue
    // (unless `k` is the skip, which continues by itself).
    bool beantworten(int note, int k)
    {
        if (note > 0 && !klicken(wert(note)))
            return false;
        if (!klicken(varian(k)))
            return false;
        if (k == 4)
            return true;
        return klicken(weiter());
    }

    // "Zwischenablage" in the end state, then `knopf` ("cmdJa" or "cmdNein") in the closing dialog that it
    // opens. Returns the object name of the dialog answered, empty when none opened or it lacked the button.
    inline QString zwischenablage(const QString& knopf = QStringLiteral("cmdJa"));

    QPointer<FragenForm> form;

private:
    template <typename Leser> QStringList wertEigenschaft(Leser lesen) const
    {
        QStringList r;
        for (int i = 1; i <= 5; ++i)
            r << (wert(i)->*lesen)();
        return r;
    }
};

inline const QString CRLF = QStringLiteral("\r\n");

// The closing block for the shared record as it stands.
inline QString schluss()
{
    return Zeugnisschluss(Sitzung::instanz());
}

// Auswahl as "Frage/Note/Variante/KeineAussage/EigeneFormulierung" per row, NULL shown as "-".
inline QStringList auswahl(Testkatalog& k)
{
    QStringList r;
    for (const QVariantList& z : k.zeilen(QStringLiteral(
             "SELECT Frage, Note, Variante, KeineAussage, EigeneFormulierung FROM Auswahl ORDER BY rowid"))) {
        QStringList teile;
        for (const QVariant& v : z)
            teile << (v.isNull() ? QStringLiteral("-") : v.toString());
        r << teile.join(QLatin1Char('/'));
    }
    return r;
}

// Runs `handlung` on the modal dialog as soon as one is open (for a dialog opened with exec()). The search
// deletes itself once it has run; the caller may delete it before, should no dialog come.
inline QTimer* imDialog(std::function<void(QDialog*)> handlung)
{
    auto* suche = new QTimer;
    suche->setInterval(5);
    QObject::connect(suche, &QTimer::timeout, suche, [suche, handlung] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            suche->stop();
            suche->deleteLater();
            handlung(d);
        }
    });
    suche->start();
    return suche;
}

QString Fragenbildschirm::zwischenablage(const QString& knopf)
{
    QString dialog;
    QPointer<QTimer> suche = imDialog([&dialog, &knopf](QDialog* d) {
        // A dialog without that button is closed all the same, so that the test fails instead of waiting.
        if (auto* k = d->findChild<QPushButton*>(knopf); k && klicken(k))
            dialog = d->objectName();
        else
            d->reject();
    });
    klicken(weiter());
    delete suche;
    return dialog;
}
