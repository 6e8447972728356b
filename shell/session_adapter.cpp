#include "session_adapter.h"

namespace kav::shell {

SessionAdapter::SessionAdapter(session::Session& session, session::DeviceWorker& worker, QObject* parent)
    : QObject(parent), session_(session), worker_(worker) {
    drucken_ = session_.druckenAktiv();
    for (int typ = 1; typ <= 3; ++typ)
        speichern_[static_cast<std::size_t>(typ - 1)] = session_.datenSpeichernAktiv(typ);
    beobachter_ = session_.anmelden([this](session::Aenderung a) { geaendert(a); });
}

SessionAdapter::~SessionAdapter() { session_.abmelden(beobachter_); }

void SessionAdapter::geaendert(session::Aenderung a) {
    using session::Aenderung;
    switch (a) {
    case Aenderung::Verbindung: emit verbindungGeaendert(session_.verbunden()); break;
    case Aenderung::Identitaet: emit identitaetGeaendert(); break;
    case Aenderung::Geber: emit geberGeaendert(); break;
    case Aenderung::Beschaeftigt: emit beschaeftigtGeaendert(session_.beschaeftigt()); break;
    case Aenderung::Seite: emit seiteGeaendert(static_cast<int>(session_.seite())); break;
    case Aenderung::Messung: emit messungGeaendert(); break;
    }
    freigabenPruefen();
}

void SessionAdapter::freigabenPruefen() {
    if (const bool d = session_.druckenAktiv(); d != drucken_) {
        drucken_ = d;
        emit druckenAktivGeaendert(d);
    }
    for (int typ = 1; typ <= 3; ++typ) {
        bool& alt = speichern_[static_cast<std::size_t>(typ - 1)];
        if (const bool s = session_.datenSpeichernAktiv(typ); s != alt) {
            alt = s;
            emit datenSpeichernAktivGeaendert(typ, s);
        }
    }
}

void SessionAdapter::abschliessen(session::JobNummer nummer, session::JobStatus status, const QString& fehler,
                                  const std::function<void()>& fertig) {
    if (--offeneJobs_ == 0)
        session_.setBeschaeftigt(false);
    fertig();
    emit jobBeendet(nummer, static_cast<int>(status), fehler);
}

} // namespace kav::shell
