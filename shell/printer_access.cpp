#include "printer_access.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "print_output.h"

namespace kav::shell {

namespace {

class SystemDrucker final : public Druckerzugang {
public:
    QString standardDrucker() override { return QPrinterInfo::defaultPrinterName(); }

    bool drucken(const QString& drucker, const records::Druckseite& seite, const QString& dokument) override {
        const QPrinterInfo info = QPrinterInfo::printerInfo(drucker);
        if (info.isNull())
            return false;
        QPrinter p(info, QPrinter::HighResolution);
        p.setDocName(dokument);
        p.setCreator(QStringLiteral("KavStudio"));
        records::seiteEinstellen(p);
        return records::drucken(p, seite);
    }
};

Druckerzugang* eingesetzt = nullptr;

} // namespace

Druckerzugang& druckerzugang() {
    static SystemDrucker system;
    return eingesetzt ? *eingesetzt : system;
}

void setDruckerzugang(Druckerzugang* zugang) { eingesetzt = zugang; }

} // namespace kav::shell
