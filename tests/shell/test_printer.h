#pragma once
// A printer that never prints: it keeps the pages "Drucken" sends and
// answers as the test says (a default printer or none, success or failure).
// Every window test has one installed, so no test prints by accident.
#include <QString>
#include <vector>

#include "printer_access.h"
#include "printout.h"

namespace kav::test {

class TestDrucker : public shell::Druckerzugang {
public:
    struct Auftrag {
        QString drucker;
        records::Druckseite seite;
        QString dokument;
    };

    QString standard;    // the default printer; "" none set up
    bool gelingt = true; // false: the printer reports an error
    std::vector<Auftrag> auftraege;

    QString standardDrucker() override { return standard; }
    bool drucken(const QString& drucker, const records::Druckseite& seite, const QString& dokument) override {
        auftraege.push_back({drucker, seite, dokument});
        return gelingt;
    }
};

// Installs a printer access for one scope (nullptr: the system's printers).
class DruckerEinsetzen {
public:
    explicit DruckerEinsetzen(shell::Druckerzugang* z) { shell::setDruckerzugang(z); }
    ~DruckerEinsetzen() { shell::setDruckerzugang(nullptr); }
    DruckerEinsetzen(const DruckerEinsetzen&) = delete;
    DruckerEinsetzen& operator=(const DruckerEinsetzen&) = delete;
};

} // namespace kav::test
