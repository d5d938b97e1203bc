#include "screens/Programmstart.h"

#include "screens/Einzelstart.h"
#include "screens/Sprache.h"
#include "screens/StartForm.h"
#include "screens/Umgebung.h"
#include "store/Programm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QTimer>

namespace Programmstart {

namespace {

// Runs `danach` once `fenster` has been painted for the first time (at the latest after a second, should no
// paint come), when the event that painted it is done.
class NachDemErstenBild : public QObject
{
public:
    NachDemErstenBild(QWidget* fenster, std::function<void()> danach)
        : QObject(fenster), m_danach(std::move(danach))
    {
        fenster->installEventFilter(this);
        QTimer::singleShot(1000, this, &NachDemErstenBild::ausloesen);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint)
            QMetaObject::invokeMethod(this, &NachDemErstenBild::ausloesen, Qt::QueuedConnection);
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    void ausloesen()
    {
        if (!m_danach)
            return;
        parent()->removeEventFilter(this);
        auto danach = std::exchange(m_danach, nullptr);
        danach();
    }

    std::function<void()> m_danach;
};

} // namespace

std::optional<Vorbereitet> vorbereiten(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("zeugnisfeder"));
    QApplication::setApplicationDisplayName(Programm::name());
    QApplication::setApplicationVersion(Programm::version());
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zeugnisfeder.zeugnisfeder"));
    Sprache::deutschEinrichten(app);

    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(Programm::name() + QStringLiteral(": ") + Programm::zweck());
    aufruf.addHelpOption();
    aufruf.addVersionOption();
    const QCommandLineOption ordnerOption(
        QStringLiteral("ordner"),
        QStringLiteral("Arbeitet im ORDNER statt im aktuellen Ordner oder im eigenen Datenordner."),
        QStringLiteral("ORDNER"));
    aufruf.addOption(ordnerOption);
    aufruf.process(app); // ends the program after --help, --version or a wrong call

    Vorbereitet v;
    v.orte = Ordnerwahl::standardorte(aufruf.value(ordnerOption));
    const auto wahl = Ordnerwahl::waehlen(v.orte);
    if (!wahl || !QDir::setCurrent(wahl->ordner)) {
        Umgebung::zeigen(nullptr, Umgebung::warnung(QStringLiteral("Arbeitsordner"),
                                                    wahl ? QStringLiteral("Der Arbeitsordner %1 lässt sich "
                                                                          "nicht öffnen.")
                                                               .arg(QDir::toNativeSeparators(wahl->ordner))
                                                         : wahl.fehler()));
        return std::nullopt;
    }
    v.wahl = *wahl;
    return v;
}

void starten(Vorbereitet& start, const Ordnerwahl::Installierer& installieren)
{
    auto* fenster = new StartForm; // deletes itself on close
    fenster->show();
    new NachDemErstenBild(fenster, [fenster, &start, installieren] {
        if (!Einzelstart::sperren(start.sperre)) {
            Umgebung::beenden();
            return;
        }
        const auto katalog = Ordnerwahl::katalogEinrichten(start.wahl, start.orte, installieren);
        if (!katalog || !katalog->isEmpty())
            Umgebung::zeigen(nullptr, Umgebung::warnung(QStringLiteral("Fragenkatalog"),
                                                        katalog ? *katalog : katalog.fehler()));
        // Whatever the installation did, the folder must now hold a usable catalogue and writable files.
        if (Einzelstart::ordnerPruefen(fenster))
            fenster->letztesZeugnisAnbieten();
    });
}

} // namespace Programmstart
