#pragma once

#include <QString>
#include <optional>
#include <utility>

// The result of an operation on the settings file or the catalogue: a value, or the German or driver text of
// the failure. Store and engine never show a failure themselves; the screen decides how to report it.

struct Fehler
{
    QString text;
};

struct Ok
{};

template <typename T> class [[nodiscard]] Ergebnis
{
public:
    Ergebnis(T wert) : m_wert(std::move(wert)) {}
    Ergebnis(Fehler fehler) : m_fehler(std::move(fehler.text)) {}

    bool ok() const { return m_wert.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& operator*() const& { return *m_wert; }
    T& operator*() & { return *m_wert; }
    T&& operator*() && { return std::move(*m_wert); }
    const T* operator->() const { return &*m_wert; }
    T* operator->() { return &*m_wert; }

    // The failure text; empty on success.
    const QString& fehler() const { return m_fehler; }
    // The failure as a value, for passing it on to the caller.
    Fehler alsFehler() const { return Fehler{m_fehler}; }

private:
    std::optional<T> m_wert;
    QString m_fehler;
};

using Status = Ergebnis<Ok>;
