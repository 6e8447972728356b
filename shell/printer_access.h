#pragma once
// The system's printers as "Drucken" uses them: which one is the default,
// and printing one page on it. Tests replace it, so no test prints by
// accident; the print-queue test uses the real one.
#include <QString>

namespace kav::records {
struct Druckseite;
}

namespace kav::shell {

class Druckerzugang {
public:
    virtual ~Druckerzugang() = default;
    // The name of the system's default printer; "" when none is set up.
    virtual QString standardDrucker() = 0;
    // Prints the page as one document named `dokument` (the job's title) on
    // the printer; false when it refuses the job or reports an error.
    virtual bool drucken(const QString& drucker, const records::Druckseite& seite, const QString& dokument) = 0;
};

// The printers in use; setDruckerzugang(nullptr) goes back to the system's.
Druckerzugang& druckerzugang();
void setDruckerzugang(Druckerzugang* zugang);

} // namespace kav::shell
