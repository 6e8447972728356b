#pragma once
// A Dialoge that never opens a window: it records every call and answers from
// scripted queues, so window and workflow tests run without blocking.
#include <dialogs.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kav::test {

class RecordingDialoge : public shell::Dialoge {
public:
    enum class Art { Meldung, SpeichernUnter, AdminDialog, About, OrdnerWaehlen, DateiWaehlen };

    struct Aufruf {
        Art art = Art::Meldung;
        // Meldung
        QString text;
        QString titel;
        Knoepfe knoepfe = Knoepfe::Ok;
        Symbol symbol = Symbol::Keins;
        // SpeichernUnter
        SpeichernOptionen speichern;
        // AdminDialog
        QString vorher;
        // About
        AboutInhalt about;
        // What the fake answered.
        Antwort antwort = Antwort::Ok;
        QString ergebnis;
    };

    // Scripted answers, used in order. A box with only "OK" always answers OK
    // and consumes nothing, so a script of "Ja"/"Nein" is kept for the questions.
    void antworte(Antwort a) { antworten_.push_back(a); }
    // The next save dialog returns this full file name.
    void waehleDatei(const QString& datei) { dateien_.emplace_back(datei); }
    // The next save dialog is cancelled (returns the default name unchanged).
    void speichernAbbrechen() { dateien_.emplace_back(std::nullopt); }
    // The next folder or open-file dialog returns this (cancelled: "").
    void waehleOrdner(const QString& ordner) { ordner_.push_back(ordner); }
    // The next administrator dialog ends with "OK" and this text.
    void gibEin(const QString& text) { eingaben_.emplace_back(text); }
    // The next administrator dialog ends with "Abbrechen".
    void adminAbbrechen() { eingaben_.emplace_back(std::nullopt); }

    const std::vector<Aufruf>& aufrufe() const { return aufrufe_; }
    std::vector<Aufruf> aufrufe(Art art) const;
    int anzahl(Art art) const;
    // The last call (of any kind); the fake must have been called.
    const Aufruf& letzter() const { return aufrufe_.back(); }
    // The texts of all message boxes, in order.
    QStringList meldungsTexte() const;
    void leeren();
    // Scripted answers not used up (a test can assert the script ran through).
    std::size_t offeneAntworten() const {
        return antworten_.size() + dateien_.size() + eingaben_.size() + ordner_.size();
    }

    // Runs while the call is "open", before it returns: a test can look at the
    // window as the user would see it behind the dialog.
    std::function<void(const Aufruf&)> beimAufruf;

    Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe, Symbol symbol) override;
    QString speichernUnter(const SpeichernOptionen& optionen) override;
    QString adminDialog(const QString& vorher) override;
    void about(const AboutInhalt& inhalt) override;
    QString ordnerWaehlen(const QString& titel, const QString& vorgabe) override;
    QString dateiWaehlen(const QString& titel, const QString& filter) override;

private:
    void melden(const Aufruf& a);
    // A folder or file dialog: the next scripted choice, "" when none (text: the default or the filter).
    QString waehlen(Art art, const QString& titel, const QString& text);

    std::vector<Aufruf> aufrufe_;
    std::deque<Antwort> antworten_;
    std::deque<std::optional<QString>> dateien_;
    std::deque<std::optional<QString>> eingaben_;
    std::deque<QString> ordner_;
};

// Installs a fake as the process's dialogs for one scope.
class DialogeEinsetzen {
public:
    explicit DialogeEinsetzen(shell::Dialoge& d) { shell::setDialoge(&d); }
    ~DialogeEinsetzen() { shell::setDialoge(nullptr); }
    DialogeEinsetzen(const DialogeEinsetzen&) = delete;
    DialogeEinsetzen& operator=(const DialogeEinsetzen&) = delete;
};

} // namespace kav::test
