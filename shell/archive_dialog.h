#pragma once
// The archive page: a non-modal window with the filters (encoder serial,
// date range, type, verdict, device serial), the list of results, opening a
// result on the window's page, export of the selection as ".kav" files or
// CSV, and the archive's location. It reads the archive on the UI thread
// through a connection of its own (a search is a few milliseconds); writing
// stays with the archive's thread.
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

#include "archive.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kav::shell {

class ArchiveController;

class ArchiveDialog : public QWidget {
    Q_OBJECT
public:
    ArchiveDialog(ArchiveController& steuerung, QWidget* parent);
    ~ArchiveDialog() override;

    void beschriftungenSetzen();
    void exportordnerSetzen(const QString& ordner);

    // Fills the list from the filters; false when the archive cannot be read (said in the status line).
    bool suchen();
    // The filters as the fields say (a date that cannot be read counts as none).
    archive::Filter filter() const;
    // Opens the first selected result on the window's page.
    bool oeffnen();
    // The selection's ".kav" files into the export folder; the number written.
    int exportKav();
    // The selection as CSV, one line per result with the list's columns, into the file the save dialog names.
    bool exportCsv();
    static QString csv(const std::vector<QStringList>& zeilen);

    std::vector<qint64> auswahl() const;

    // The fields, for tests.
    QLineEdit* geberSN = nullptr;
    QLineEdit* geraetSN = nullptr;
    QLineEdit* von = nullptr;
    QLineEdit* bis = nullptr;
    QComboBox* typ = nullptr;
    QComboBox* urteil = nullptr;
    QTreeWidget* liste = nullptr;
    QLineEdit* exportordner = nullptr;
    QLineEdit* ablage = nullptr;
    QLabel* status = nullptr;

signals:
    void verlaufGewuenscht(const QString& encoderSerial);

private:
    bool archivBereit();
    std::vector<QStringList> zeilen(bool nurAuswahl) const;
    void meldung(const QString& text);

    ArchiveController& steuerung_;
    std::unique_ptr<archive::Archive> archiv_;
    QString geoeffnet_;
    QLabel* labGeber_ = nullptr;
    QLabel* labGeraet_ = nullptr;
    QLabel* labVon_ = nullptr;
    QLabel* labBis_ = nullptr;
    QLabel* labTyp_ = nullptr;
    QLabel* labUrteil_ = nullptr;
    QLabel* labExport_ = nullptr;
    QLabel* labAblage_ = nullptr;
    QPushButton* btnSuchen_ = nullptr;
    QPushButton* btnOeffnen_ = nullptr;
    QPushButton* btnKav_ = nullptr;
    QPushButton* btnCsv_ = nullptr;
    QPushButton* btnVerlauf_ = nullptr;
    QPushButton* btnAblage_ = nullptr;
};

} // namespace kav::shell
