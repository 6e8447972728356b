#include "kavctl_report.h"

#include <QApplication>
#include <cstdio>

#include "ansi_utf8.h"
#include "atomic_file.h"
#include "decimal_separator.h"
#include "display_rules.h"
#include "kavctl_files.h"
#include "kavctl_profile.h"
#include "print_output.h"
#include "printout.h"
#include "protocol.h"
#include "record_texts.h"
#include "verdict_band.h"

namespace kav::kavctl {

namespace {

QString text(const std::string& ansi) { return QString::fromStdString(ansiToUtf8(ansi)); }

} // namespace

std::unique_ptr<QCoreApplication> printoutApplication(int& argc, char* argv[]) {
    // No window is ever shown: the offscreen platform needs no display. Qt's
    // own notes (a missing runtime folder) are not kavctl's messages.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& text) {
        if (typ == QtCriticalMsg || typ == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    return std::make_unique<QApplication>(argc, argv);
}

std::function<std::string(const verdict::RunReport&, const std::filesystem::path&)>
protocolWriter(const std::string& sprache) {
    return [sprache](const verdict::RunReport& report, const std::filesystem::path& file) {
        return verdict::writeProtocolPdf(file, {report, QStringLiteral(KAV_VERSION_TEXT)}, sprache);
    };
}

int reportFile(int argc, char* argv[], const Options& o, std::ostream&, std::ostream& err) {
    records::Leseergebnis g;
    if (const int code = recordLesen(o, g, err); code != 0)
        return code;
    const auto app = printoutApplication(argc, argv);

    const std::string trenner = measure::systemDezimalTrenner();
    const records::Kopfzeile kopf = records::kopfzeile(text(g.kopf.geberSN), QStringLiteral(KAV_VERSION_TEXT),
                                                       text(g.kopf.firmware), text(g.kopf.geraetSN), o.lang);
    const measure::Translator t = [&o](const std::string& deutsch) { return records::T(deutsch, o.lang); };
    records::Druckseite seite;
    bool anzeigen = false;
    if (const auto* w = std::get_if<measure::AktuellWerte>(&g.daten)) {
        anzeigen = measure::currentValuesDisplay(*w, trenner, t).anzeigen;
        seite = records::aktuellSeite(*w, kopf, o.lang, trenner);
    } else if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&g.daten)) {
        const measure::BadPulseDisplay d = measure::badPulseDisplay(*w, trenner, t);
        anzeigen = d.anzeigen;
        seite =
            records::schlechtimpulsSeite(*w, kopf, o.lang, trenner, records::ringBild(d, records::Seitenmasse{}.ring));
    } else if (const auto* w = std::get_if<measure::DrehschwebungWerte>(&g.daten)) {
        anzeigen = measure::oscillationDisplay(*w, trenner, t).anzeigen;
        seite = records::drehschwebungSeite(*w, kopf, o.lang, trenner);
    } else {
        err << "kavctl: " << o.file << " holds record type " << g.typ << ": no result page to print\n";
        return kExitDataErr;
    }
    if (!anzeigen) {
        // The result page would show nothing (no pulse number, nothing found).
        err << zeilen(records::keineDatenMeldung(o.lang).text) << " (" << o.file << ")\n";
        return kExitDataErr;
    }

    int code = kExitOk;
    if (o.measure.profile) {
        const verdict::Verdict v = *judgeRecord(*o.measure.profile, g.daten);
        verdict::addVerdictBand(seite, v, o.measure.profile->name, o.lang);
        code = verdictExit(v.result);
    }
    const QString titel = QStringLiteral("KavStudio - ") +
                          QString::fromStdString(records::T(records::seitenTitel(g.typ), o.lang)) +
                          QStringLiteral(" - ") + text(g.kopf.name);
    const QByteArray pdf = records::alsPdf(seite, titel);
    const records::DateiFehler f =
        pdf.isEmpty() ? records::DateiFehler::EAFehler
                      : records::atomarSchreiben(
                            o.pdfOut, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (f != records::DateiFehler::Keiner) {
        err << zeilen(records::speicherFehlerMeldung(f, o.lang).text) << " (" << o.pdfOut << ")\n";
        return kExitCantCreate;
    }
    return code;
}

} // namespace kav::kavctl
