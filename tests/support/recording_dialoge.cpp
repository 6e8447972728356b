#include "recording_dialoge.h"

#include <algorithm>

namespace kav::test {

std::vector<RecordingDialoge::Aufruf> RecordingDialoge::aufrufe(Art art) const {
    std::vector<Aufruf> v;
    std::copy_if(aufrufe_.begin(), aufrufe_.end(), std::back_inserter(v),
                 [art](const Aufruf& a) { return a.art == art; });
    return v;
}

int RecordingDialoge::anzahl(Art art) const {
    return static_cast<int>(
        std::count_if(aufrufe_.begin(), aufrufe_.end(), [art](const Aufruf& a) { return a.art == art; }));
}

QStringList RecordingDialoge::meldungsTexte() const {
    QStringList texte;
    for (const Aufruf& a : aufrufe_)
        if (a.art == Art::Meldung)
            texte << a.text;
    return texte;
}

void RecordingDialoge::leeren() {
    aufrufe_.clear();
    antworten_.clear();
    dateien_.clear();
    eingaben_.clear();
}

void RecordingDialoge::melden(const Aufruf& a) {
    aufrufe_.push_back(a);
    if (beimAufruf)
        beimAufruf(aufrufe_.back());
}

RecordingDialoge::Antwort RecordingDialoge::meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                                                    Symbol symbol) {
    Aufruf a;
    a.art = Art::Meldung;
    a.text = text;
    a.titel = titel;
    a.knoepfe = knoepfe;
    a.symbol = symbol;
    a.antwort = Antwort::Ok;
    if (knoepfe != Knoepfe::Ok) {
        a.antwort = Antwort::Nein;
        if (!antworten_.empty()) {
            a.antwort = antworten_.front();
            antworten_.pop_front();
        }
    }
    melden(a);
    return a.antwort;
}

QString RecordingDialoge::speichernUnter(const SpeichernOptionen& optionen) {
    Aufruf a;
    a.art = Art::SpeichernUnter;
    a.speichern = optionen;
    a.ergebnis = optionen.dateiname; // cancelled: the name stays as it was
    if (!dateien_.empty()) {
        if (dateien_.front())
            a.ergebnis = *dateien_.front();
        dateien_.pop_front();
    }
    melden(a);
    return a.ergebnis;
}

QString RecordingDialoge::waehlen(Art art, const QString& titel, const QString& text) {
    Aufruf a;
    a.art = art;
    a.titel = titel;
    a.text = text;
    if (!ordner_.empty()) {
        a.ergebnis = ordner_.front();
        ordner_.pop_front();
    }
    melden(a);
    return a.ergebnis;
}

QString RecordingDialoge::ordnerWaehlen(const QString& titel, const QString& vorgabe) {
    return waehlen(Art::OrdnerWaehlen, titel, vorgabe);
}

QString RecordingDialoge::dateiWaehlen(const QString& titel, const QString& filter) {
    return waehlen(Art::DateiWaehlen, titel, filter);
}

QString RecordingDialoge::adminDialog(const QString& vorher) {
    Aufruf a;
    a.art = Art::AdminDialog;
    a.vorher = vorher;
    if (!eingaben_.empty()) {
        if (eingaben_.front())
            a.ergebnis = *eingaben_.front();
        eingaben_.pop_front();
    }
    melden(a);
    return a.ergebnis;
}

void RecordingDialoge::about(const AboutInhalt& inhalt) {
    Aufruf a;
    a.art = Art::About;
    a.about = inhalt;
    melden(a);
}

} // namespace kav::test
