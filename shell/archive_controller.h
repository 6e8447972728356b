#pragma once
// What follows a result into the archive: every saved result, every record
// loaded from the device's memory, every file opened, and every finished
// measurement while "Ins Archiv" is checked. The database work runs on the
// archive's own thread; a failure is logged and shown once in a status line
// of our own, never in a message box. Also the menu items and the archive
// page, and opening an archived result on the page a file opens on.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include <memory>

#include "window_parts.h"

class QAction;
class QLabel;
class QMenu;

namespace kav::archive {
class ArchiveWriter;
}

namespace kav::shell {

class ArchiveDialog;

class ArchiveController : public QObject {
    Q_OBJECT
public:
    explicit ArchiveController(Fensterteile& t);
    ~ArchiveController() override;

    // "Ins Archiv" and the location from the settings' section of our own.
    void einstellungenLesen(const QString& ini);
    void beschriftungenSetzen();

    bool insArchiv() const;
    void setInsArchiv(bool an);
    QString ablage() const { return ablage_; }
    void setAblage(const QString& ort);

    // The archive page (created on first use, non-modal).
    ArchiveDialog& seiteZeigen();
    ArchiveDialog* seite() const;

    // Shows a record's bytes on "Daten vom Computer" as opening its file does;
    // false when another page is open (a measurement, the device's memory).
    bool inhaltOeffnen(const QByteArray& bytes);

    archive::ArchiveWriter& schreiber() const { return *schreiber_; }
    QAction* insArchivAktion() const { return insArchiv_; }
    QAction* seitenAktion() const { return seiteOeffnen_; }
    // The status line of our own: the last failure (hidden while there is none).
    QLabel* statuszeile() const { return status_; }

    // The profile and verdict of the shown result of a type when it was
    // judged (the test station gives them); unset or empty: not judged.
    struct Urteil {
        QString profil, urteil;
    };
    std::function<std::optional<Urteil>(int typ)> urteilFuer;

signals:
    // The page's "Verlauf" button: the history of one encoder.
    void verlaufGewuenscht(const QString& encoderSerial);

private:
    void ergebnisAngezeigt(int typ);
    void gespeichert(int typ, const QString& datei);
    void fehlgeschlagen(const QString& meldung);

    Fensterteile& t_;
    std::unique_ptr<archive::ArchiveWriter> schreiber_;
    QString ini_;
    QString ablage_;
    QAction* insArchiv_ = nullptr;
    QMenu* menue_ = nullptr;
    QAction* seiteOeffnen_ = nullptr;
    QLabel* status_ = nullptr;
    bool fehlerGezeigt_ = false;
    // The bytes of the file the browser opened, until its record was shown.
    QByteArray offeneDatei_;
    QPointer<ArchiveDialog> dialog_;
};

} // namespace kav::shell
