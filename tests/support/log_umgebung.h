#pragma once
// The logs redirected for one scope: a temporary folder and a manual clock.
#include <clock.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kav::test {

class LogUmgebung {
public:
    // Starts at 5 March 2008, 09:04:07 unless the test sets another time.
    LogUmgebung();
    ~LogUmgebung();
    LogUmgebung(const LogUmgebung&) = delete;
    LogUmgebung& operator=(const LogUmgebung&) = delete;

    ManualClock& uhr() { return uhr_; }
    QString ordner() const { return ordner_.path(); }
    // The bytes of a log file in the folder ("" when it does not exist).
    QByteArray inhalt(const QString& dateiname) const;
    // The daily log of the clock's current day ("2008.03.05.log").
    QByteArray tagesLog() const;
    bool existiert(const QString& dateiname) const;
    // Names of all files in the folder.
    QStringList dateien() const;

private:
    QTemporaryDir ordner_;
    ManualClock uhr_;
};

} // namespace kav::test
