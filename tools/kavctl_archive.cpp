#include "kavctl_archive.h"

#include <QCoreApplication>

#include "archive_entry.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"

namespace kav::kavctl {

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

std::optional<QString> qtext(const std::optional<std::string>& s) {
    return s ? std::optional<QString>(qtext(*s)) : std::nullopt;
}

} // namespace

int archivFehler(const archive::Error& fehler, std::ostream& err) {
    if (!fehler)
        return kExitOk;
    err << "kavctl: " << fehler.message.toStdString() << '\n';
    switch (fehler.kind) {
    case archive::Error::Kind::BadLocation: return kExitUsage;
    case archive::Error::Kind::NotARecord:
    case archive::Error::Kind::NotFound: return kExitDataErr;
    case archive::Error::Kind::Files: return kExitCantCreate;
    case archive::Error::Kind::None:
    case archive::Error::Kind::Unreachable:
    case archive::Error::Kind::Database: break;
    }
    return kExitArchive;
}

int archiveOeffnen(const std::string& url, archive::Archive& archiv, std::ostream& err) {
    QString ort = qtext(url);
    if (ort.isEmpty()) {
        // The user's own archive is the window's: its data folder carries the window's name.
        QCoreApplication::setApplicationName(QStringLiteral("KavStudio"));
        ort = archive::defaultArchivePath();
    }
    return archivFehler(archiv.open(ort), err);
}

int ergebnisArchivieren(const Archivierung& wunsch, const records::Datensatz& ergebnis, const records::KopfTexte& kopf,
                        const LocalTime& zeit, std::ostream& err) {
    if (wunsch.url.empty())
        return kExitOk;
    archive::Entry eintrag = archive::entryFor(ergebnis, kopf, zeit, wunsch.quelle);
    if (!eintrag.result) {
        err << "kavctl: the result was not archived: " << zeilen(eintrag.why->text) << '\n';
        return kExitDataErr;
    }
    eintrag.result->profile = qtext(wunsch.profil);
    eintrag.result->verdict = qtext(wunsch.urteil);
    archive::Archive archiv;
    if (const int code = archiveOeffnen(wunsch.url, archiv, err); code != kExitOk)
        return code;
    archive::Added added;
    return archivFehler(archiv.add(*eintrag.result, added), err);
}

} // namespace kav::kavctl
