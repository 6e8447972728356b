#include "logs.h"

#include "ansi_text.h"

#include <QDir>
#include <QFile>

#include <clock.h>

#include <mutex>

namespace kav::shell {

namespace {

struct LogZustand {
    std::mutex mutex;
    Clock* uhr = nullptr;
    QString ordner;
    QString ersatzOrdner;
};

LogZustand& zustand() {
    static LogZustand z;
    return z;
}

QString zweistellig(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// One entry: the file of the day and the time stamp come from the same
// reading of the clock, so an entry written at midnight never lands in the
// other day's file. Every failure is swallowed: logging never disturbs the caller.
void eintragen(const char* vorsilbe, const QString& meldung) noexcept {
    try {
        LogZustand& z = zustand();
        std::lock_guard<std::mutex> sperre(z.mutex);
        const Clock& uhr = z.uhr ? *z.uhr : static_cast<const Clock&>(SystemClock::instance());
        const LocalTime t = uhr.localTime();

        const QString name = QLatin1StringView(vorsilbe) + QString::number(t.year) + u'.' + zweistellig(t.month) +
                             u'.' + zweistellig(t.day) + QStringLiteral(".log");
        const QString ordner = z.ordner.isEmpty() ? QDir::currentPath() : z.ordner;
        QFile datei(QDir(ordner).filePath(name));
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Append)) {
            // Not lost because a folder is read-only: the fallback takes it.
            if (z.ersatzOrdner.isEmpty() || !QDir().mkpath(z.ersatzOrdner))
                return;
            datei.setFileName(QDir(z.ersatzOrdner).filePath(name));
            if (!datei.open(QIODevice::WriteOnly | QIODevice::Append))
                return;
        }
        const QString zeile = zweistellig(t.hour) + u':' + zweistellig(t.minute) + u':' + zweistellig(t.second) +
                              QStringLiteral(" - ") + meldung + QStringLiteral("\r\n");
        datei.write(toAnsi(zeile));
        datei.close();
    } catch (...) {
    }
}

} // namespace

void LogSchreiben(const QString& meldung) { eintragen("", meldung); }
void FehlerLogSchreiben(const QString& meldung) { eintragen("Errors_", meldung); }
void KommunLogSchreiben(const QString& meldung) { eintragen("Kommun_", meldung); }

void setLogClock(Clock* clock) {
    std::lock_guard<std::mutex> sperre(zustand().mutex);
    zustand().uhr = clock;
}

void setLogFolder(const QString& folder) {
    std::lock_guard<std::mutex> sperre(zustand().mutex);
    zustand().ordner = folder;
}

void setLogFallbackFolder(const QString& folder) {
    std::lock_guard<std::mutex> sperre(zustand().mutex);
    zustand().ersatzOrdner = folder;
}

} // namespace kav::shell
