// Record files in the window: the save dialog, saving a record from the
// device or an online result, and opening a file chosen in the file browser.
// A file is replaced atomically, and a save that fails says so and is logged.
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>

#include "ansi_text.h"
#include "clock.h"
#include "control_indexes.h"
#include "device_header.h"
#include "dialogs.h"
#include "globals.h"
#include "records_controller.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "session.h"
#include "panel_values.h"
#include "logs.h"
#include "panel_widgets.h"
#include "record_file.h"
#include "record_messages.h"
#include "record_save.h"
#include "record_texts.h"
#include "save_names.h"

namespace kav::shell {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Under "/math" a rotational oscillation is written as the mth export only.
bool alsMth(int typ) { return typ == 3 && global().MathAn; }

} // namespace

std::filesystem::path dateiPfad(const QString& name) {
    // UTF-8 on every platform, whatever the system's code page.
    const QByteArray utf8 = name.toUtf8();
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), static_cast<std::size_t>(utf8.size())));
}

LocalTime RecordsController::jetzt() const {
    return t_.umgebung.clock ? t_.umgebung.clock->localTime() : SystemClock::instance().localTime();
}

QString RecordsController::SpeicherDialog(const QString& titel, bool mth) {
    return speicherDialog(titel, QString::fromLatin1(records::kSpeicherEndung),
                          QString::fromLatin1(records::kSpeicherFilter), mth);
}

QString RecordsController::speicherDialog(const QString& titel, const QString& endung, const QString& filter, bool mth) {
    Dialoge::SpeichernOptionen o;
    o.titel = titel;
    o.standardErweiterung = endung;
    o.dateiname = QString::fromStdString(records::standardDateiname(jetzt()));
    o.filter = filter;
    o.flags = 0x42000; // create prompt, no long-name check
    const QString datei = dialoge().speichernUnter(o);
    bool abgebrochen = datei == o.dateiname;
    // The question is about the file that will be replaced: under "/math" the mth file.
    const QString ziel = mth ? q(records::mthDateiname(datei.toStdString())) : datei;
    if (!abgebrochen && QFileInfo::exists(ziel)) {
        const records::Meldung frage = records::ueberschreibenFrage(sprache());
        abgebrochen = dialoge().meldung(q(frage.text), q(frage.titel), Dialoge::Knoepfe::JaNein,
                                        Dialoge::Symbol::Ausrufezeichen) != Dialoge::Antwort::Ja;
    }
    if (abgebrochen) {
        zeigen(records::abbruchMeldung(sprache()));
        return {};
    }
    return datei;
}

// Writes the saved copy of a type with its header texts and time stamp: the
// ".kav" file, or under "/math" for type 3 the mth export beside it instead.
// Every failure is shown and logged; the old file stays as it was.
void RecordsController::datensatzSchreiben(int typ, const QString& datei, const records::KopfTexte& kopf,
                                  const LocalTime& zeit) {
    records::Datensatz daten;
    switch (typ) {
    case 1: daten = t_.session.aktuell().gespeichert; break;
    case 2: daten = t_.session.schlechtimpulse().gespeichert; break;
    case 3: daten = t_.session.drehschwebung().gespeichert; break;
    default: return;
    }
    const std::string t = messung::trenner();
    const std::string spr = sprache();
    const records::Speicherergebnis e = records::datensatzSpeichern(
        daten, dateiPfad(datei), kopf, zeit, {global().MathAn, t.empty() ? '.' : t[0], spr});
    if (e.ok())
        emit datensatzGespeichert(typ, QString::fromStdU16String(e.ziel.u16string()));
    if (e.meldung)
        zeigen(*e.meldung);
    if (!e.logZeile.empty())
        LogSchreiben(q(e.logZeile));
}

void RecordsController::GeraeteDatenSpeichern(int dateiTyp) {
    const QString datei = SpeicherDialog(q(records::speicherTitel(true, dateiTyp, sprache())), alsMth(dateiTyp));
    if (datei.isEmpty())
        return;
    // One character per header byte: Latin-1 gives the bytes back unchanged.
    const std::optional<records::GeraeteKopf> kopf = records::kopfTextTexte(KopfText.toLatin1().toStdString());
    if (!kopf) {
        zeigen(records::keineDatenMeldung(sprache()));
        return;
    }
    records::KopfTexte texte = kopf->texte;
    texte.firmware = toAnsiStd(t_.v.txtAlle[idx::txtFirmware]->text());
    datensatzSchreiben(dateiTyp, datei, texte, kopf->zeit);
}

void RecordsController::OnlineDatenSpeichern(int dateiTyp) {
    const QString datei = SpeicherDialog(q(records::speicherTitel(false, dateiTyp, sprache())), alsMth(dateiTyp));
    if (datei.isEmpty())
        return;
    records::KopfTexte texte;
    texte.firmware = toAnsiStd(t_.v.txtAlle[idx::txtFirmware]->text().trimmed());
    texte.geraetSN = toAnsiStd(t_.v.txtAlle[idx::txtGeraetSN]->text().trimmed());
    texte.geberSN = records::getrimmt(dateiTyp == 1   ? t_.session.aktuell().gespeichert.GeberSN
                                     : dateiTyp == 2 ? t_.session.schlechtimpulse().gespeichert.GeberSN
                                                     : t_.session.drehschwebung().gespeichert.GeberSN);
    texte.name = records::onlineDatensatzname(toAnsiStd(QDir::toNativeSeparators(datei)));
    datensatzSchreiben(dateiTyp, datei, texte, jetzt());
}

void RecordsController::DateiOeffnen() {
    const QString eintrag = t_.v.fleAlle0->fileName();
    if (eintrag.isEmpty())
        return;
    const QString pfad = QDir::toNativeSeparators(QDir(t_.v.fleAlle0->path()).filePath(eintrag));
    const records::DateiGelesen datei = records::dateiLesen(dateiPfad(pfad));
    if (!datei.ok()) {
        zeigen(records::lesenFehlerMeldung(sprache()));
        LogSchreiben(q(records::lesenFehlerLogZeile(pfad.toStdString())));
        return;
    }
    emit dateiGelesen(QByteArray::fromStdString(datei.inhalt));
    inhaltZeigen(datei.inhalt);
}

void RecordsController::inhaltZeigen(const std::string& inhalt) {
    const records::Leseergebnis gelesen = records::DateiLesen(inhalt);
    if (gelesen.fehler == records::Lesefehler::KeineKavDatei) {
        zeigen(records::unbekanntesFormatMeldung(sprache()));
        return;
    }

    // The header panel; on a processing error it keeps what was taken apart.
    t_.v.txtAlle[idx::txtFirmware]->setText(fromAnsi(gelesen.kopf.firmware));
    t_.v.txtAlle[idx::txtGeberSN]->setText(fromAnsi(gelesen.kopf.geberSN));
    t_.v.txtAlle[idx::txtGeraetSN]->setText(fromAnsi(gelesen.kopf.geraetSN));
    t_.v.txtAlle[idx::txtName]->setText(fromAnsi(gelesen.kopf.name));
    if (gelesen.datumGelesen)
        t_.v.txtAlle[idx::txtDatum]->setText(QString::fromLatin1(records::datumText(gelesen.zeit)));
    const bool datentyp = gelesen.typ >= 1 && gelesen.typ <= 3;
    // The pages go and the type's page is cleared before the data fields
    // count: a file that fails there must not leave the previous result on
    // the screen (and printable) under this file's header.
    if (datentyp || !gelesen.ok()) {
        for (int p : {idx::picDrehschwebung, idx::picSchlechtimpulse, idx::picAktuell})
            t_.v.picGrafik[static_cast<std::size_t>(p)]->hide();
    }
    if (datentyp)
        t_.messung->loeschen(gelesen.typ);
    if (!gelesen.ok()) {
        zeigen(records::bearbeitenFehlerMeldung(sprache()));
        LogSchreiben(q(records::bearbeitenFehlerLogZeile()));
        return;
    }
    if (!datentyp)
        return;

    records::inLiveRecord(gelesen, t_.session.aktuell().live, t_.session.schlechtimpulse().live,
                          t_.session.drehschwebung().live);
    if (gelesen.typ == 1)
        messung::setzen(t_.v.ocxTacho, "MaxAnzahl", messung::kurz(6000));
    t_.messung->anzeigen(gelesen.typ);
}

} // namespace kav::shell
