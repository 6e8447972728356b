#pragma once
// The three daily logs. Each call appends one entry (time stamp, " - ",
// message, CR LF) to the day's file in the working folder and closes it again;
// every failure is swallowed. Date and time come from one reading of the clock.
#include <QString>

namespace kav {
class Clock;
}

namespace kav::shell {

void LogSchreiben(const QString& meldung);       // "2008.03.05.log"
void FehlerLogSchreiben(const QString& meldung); // "Errors_2008.03.05.log"
void KommunLogSchreiben(const QString& meldung); // "Kommun_2008.03.05.log"

// For tests: the clock the logs read (nullptr: the system clock) and the
// folder they write to (empty: the process's current working folder).
void setLogClock(Clock* clock);
void setLogFolder(const QString& folder);

// Where an entry goes that the log folder refuses (a read-only working
// folder, say); the folder is made when first needed. Empty: such an entry is
// lost, quietly.
void setLogFallbackFolder(const QString& folder);

} // namespace kav::shell
