#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kav::shell {

namespace {

QString lockDatei(const QString& programmPfad, const QString& folder) {
    QString schluessel = QFileInfo(programmPfad).absoluteFilePath();
#ifdef Q_OS_WIN
    schluessel = schluessel.toLower(); // paths do not tell case apart there
#endif
    // The user is part of the name as well: in a shared temporary folder one
    // user's lock never concerns another user.
    schluessel = detail::benutzerKennung() + u'\n' + schluessel;
    const QByteArray hash = QCryptographicHash::hash(schluessel.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString ordner = folder.isEmpty() ? EinzelInstanz::standardOrdner() : folder;
    return QDir(ordner).filePath(QStringLiteral("KavStudio-") + QString::fromLatin1(hash) + QStringLiteral(".lock"));
}

} // namespace

QString EinzelInstanz::standardOrdner() {
    const QString laufzeit = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return laufzeit.isEmpty() ? QDir::tempPath() : laufzeit;
}

EinzelInstanz::EinzelInstanz(const QString& programmPfad, const QString& folder)
    : datei_(lockDatei(programmPfad, folder)) {}

EinzelInstanz::~EinzelInstanz() {
    if (ergebnis_ == Ergebnis::Gesperrt)
        detail::sperreFreigeben(handle_);
}

bool EinzelInstanz::erwerben() {
    if (ergebnis_ == Ergebnis::Gesperrt)
        return true;
    grund_.clear();
    ergebnis_ = detail::dateiSperren(datei_, handle_, grund_);
    return ergebnis_ != Ergebnis::Belegt;
}

} // namespace kav::shell
