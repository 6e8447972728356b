#include "archive_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "archive_controller.h"
#include "archive_texts.h"
#include "dialogs.h"

namespace kav::shell {

namespace {

constexpr int kSpalten = 8;

QString typName(int typ) {
    switch (typ) {
    case 1: return archivText(ArchivText::Typ1);
    case 2: return archivText(ArchivText::Typ2);
    case 3: return archivText(ArchivText::Typ3);
    default: return QString::number(typ);
    }
}

std::optional<QDate> datum(const QLineEdit* feld) {
    const QDate d = QDate::fromString(feld->text().trimmed(), Qt::ISODate);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

QString csvFeld(const QString& s) {
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) && !s.contains(QLatin1Char('\n')) &&
        !s.contains(QLatin1Char('\r')))
        return s;
    QString q = s;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

ArchiveDialog::ArchiveDialog(ArchiveController& steuerung, QWidget* parent)
    : QWidget(parent, Qt::Window), steuerung_(steuerung) {
    setObjectName(QStringLiteral("frmArchiv"));
    resize(900, 560);
    auto* haupt = new QVBoxLayout(this);

    auto* filter = new QGridLayout;
    auto feld = [&](QLabel*& lab, QLineEdit*& edit, int zeile, int spalte) {
        lab = new QLabel(this);
        edit = new QLineEdit(this);
        filter->addWidget(lab, zeile, spalte * 2);
        filter->addWidget(edit, zeile, spalte * 2 + 1);
        connect(edit, &QLineEdit::returnPressed, this, [this] { suchen(); });
    };
    feld(labGeber_, geberSN, 0, 0);
    feld(labGeraet_, geraetSN, 1, 0);
    feld(labVon_, von, 0, 1);
    feld(labBis_, bis, 1, 1);
    von->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    bis->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    labTyp_ = new QLabel(this);
    typ = new QComboBox(this);
    labUrteil_ = new QLabel(this);
    urteil = new QComboBox(this);
    filter->addWidget(labTyp_, 0, 4);
    filter->addWidget(typ, 0, 5);
    filter->addWidget(labUrteil_, 1, 4);
    filter->addWidget(urteil, 1, 5);
    btnSuchen_ = new QPushButton(this);
    filter->addWidget(btnSuchen_, 0, 6, 2, 1);
    haupt->addLayout(filter);

    liste = new QTreeWidget(this);
    liste->setColumnCount(kSpalten);
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setAlternatingRowColors(true);
    liste->setSortingEnabled(false);
    haupt->addWidget(liste, 1);
    connect(liste, &QTreeWidget::itemDoubleClicked, this, [this] { oeffnen(); });

    auto* knoepfe = new QHBoxLayout;
    btnOeffnen_ = new QPushButton(this);
    btnKav_ = new QPushButton(this);
    btnCsv_ = new QPushButton(this);
    btnVerlauf_ = new QPushButton(this);
    btnVerlauf_->setObjectName(QStringLiteral("btnVerlauf"));
    for (QPushButton* b : {btnOeffnen_, btnKav_, btnCsv_, btnVerlauf_})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    haupt->addLayout(knoepfe);

    auto* orte = new QGridLayout;
    labExport_ = new QLabel(this);
    exportordner = new QLineEdit(this);
    labAblage_ = new QLabel(this);
    ablage = new QLineEdit(this);
    btnAblage_ = new QPushButton(this);
    orte->addWidget(labExport_, 0, 0);
    orte->addWidget(exportordner, 0, 1, 1, 2);
    orte->addWidget(labAblage_, 1, 0);
    orte->addWidget(ablage, 1, 1);
    orte->addWidget(btnAblage_, 1, 2);
    haupt->addLayout(orte);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("labArchivSeiteStatus"));
    haupt->addWidget(status);

    connect(btnSuchen_, &QPushButton::clicked, this, [this] { suchen(); });
    connect(btnOeffnen_, &QPushButton::clicked, this, [this] { oeffnen(); });
    connect(btnKav_, &QPushButton::clicked, this, [this] { exportKav(); });
    connect(btnCsv_, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(btnVerlauf_, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem* i = liste->currentItem();
        const QString sn = i ? i->text(4) : geberSN->text().trimmed();
        emit verlaufGewuenscht(sn);
    });
    connect(btnAblage_, &QPushButton::clicked, this, [this] {
        steuerung_.setAblage(ablage->text());
        ablage->setText(steuerung_.ablage());
        suchen();
    });
    ablage->setText(steuerung_.ablage());
    beschriftungenSetzen();
}

ArchiveDialog::~ArchiveDialog() = default;

void ArchiveDialog::beschriftungenSetzen() {
    setWindowTitle(archivText(ArchivText::Titel));
    labGeber_->setText(archivText(ArchivText::GeberSN));
    labGeraet_->setText(archivText(ArchivText::GeraetSN));
    labVon_->setText(archivText(ArchivText::Von));
    labBis_->setText(archivText(ArchivText::Bis));
    labTyp_->setText(archivText(ArchivText::Typ));
    labUrteil_->setText(archivText(ArchivText::Urteil));
    const int t = std::max(typ->currentIndex(), 0);
    typ->clear();
    typ->addItems({archivText(ArchivText::Alle), typName(1), typName(2), typName(3)});
    typ->setCurrentIndex(t);
    const int u = std::max(urteil->currentIndex(), 0);
    urteil->clear();
    urteil->addItems(
        {archivText(ArchivText::Alle), QStringLiteral("PASS"), QStringLiteral("FAIL"), QStringLiteral("INCOMPLETE")});
    urteil->setCurrentIndex(u);
    btnSuchen_->setText(archivText(ArchivText::Suchen));
    btnOeffnen_->setText(archivText(ArchivText::Oeffnen));
    btnKav_->setText(archivText(ArchivText::ExportKav));
    btnCsv_->setText(archivText(ArchivText::ExportCsv));
    btnVerlauf_->setText(archivText(ArchivText::Verlauf));
    labExport_->setText(archivText(ArchivText::Exportordner));
    labAblage_->setText(archivText(ArchivText::Ablage));
    btnAblage_->setText(archivText(ArchivText::Uebernehmen));
    liste->setHeaderLabels({archivText(ArchivText::SpalteNr), archivText(ArchivText::SpalteAufgenommen),
                            archivText(ArchivText::Typ), archivText(ArchivText::SpalteQuelle),
                            archivText(ArchivText::GeberSN), archivText(ArchivText::GeraetSN),
                            archivText(ArchivText::SpalteName), archivText(ArchivText::Urteil)});
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = liste->topLevelItem(i);
        item->setText(2, typName(item->data(2, Qt::UserRole).toInt()));
    }
}

void ArchiveDialog::exportordnerSetzen(const QString& ordner) { exportordner->setText(ordner); }

void ArchiveDialog::meldung(const QString& text) { status->setText(text); }

bool ArchiveDialog::archivBereit() {
    if (archiv_ && geoeffnet_ == steuerung_.ablage())
        return true;
    archiv_ = std::make_unique<archive::Archive>();
    geoeffnet_ = steuerung_.ablage();
    if (const archive::Error e = archiv_->open(geoeffnet_)) {
        archiv_.reset();
        meldung(archivText(ArchivText::NichtErreichbar).arg(e.message));
        return false;
    }
    return true;
}

archive::Filter ArchiveDialog::filter() const {
    archive::Filter f;
    f.encoderSerial = geberSN->text().trimmed();
    f.deviceSerial = geraetSN->text().trimmed();
    f.since = datum(von);
    f.until = datum(bis);
    if (typ->currentIndex() > 0)
        f.type = typ->currentIndex();
    if (urteil->currentIndex() > 0)
        f.verdict = urteil->currentText();
    return f;
}

bool ArchiveDialog::suchen() {
    liste->clear();
    if (!archivBereit())
        return false;
    std::vector<archive::ResultRow> zeilen;
    if (const archive::Error e = archiv_->list(filter(), zeilen)) {
        archiv_.reset();
        meldung(archivText(ArchivText::NichtErreichbar).arg(e.message));
        return false;
    }
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(zeilen.size()));
    for (const archive::ResultRow& r : zeilen) {
        auto* item = new QTreeWidgetItem(QStringList{
            QString::number(r.id), QString(r.taken).replace(QLatin1Char('T'), QLatin1Char(' ')), typName(r.type),
            r.source, r.encoderSerial, r.deviceSerial, r.name, r.verdict.value_or(QString())});
        item->setData(0, Qt::UserRole, r.id);
        item->setData(2, Qt::UserRole, r.type);
        items.append(item);
    }
    liste->addTopLevelItems(items);
    for (int i = 0; i < kSpalten; ++i)
        liste->resizeColumnToContents(i);
    meldung(archivText(ArchivText::Ergebnisse).arg(zeilen.size()));
    return true;
}

std::vector<qint64> ArchiveDialog::auswahl() const {
    std::vector<qint64> ids;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (liste->topLevelItem(i)->isSelected())
            ids.push_back(liste->topLevelItem(i)->data(0, Qt::UserRole).toLongLong());
    return ids;
}

bool ArchiveDialog::oeffnen() {
    const std::vector<qint64> ids = auswahl();
    if (ids.empty()) {
        meldung(archivText(ArchivText::NichtsGewaehlt));
        return false;
    }
    if (!archivBereit())
        return false;
    std::optional<archive::StoredResult> gefunden;
    if (const archive::Error e = archiv_->find(ids.front(), gefunden); e || !gefunden) {
        meldung(archivText(ArchivText::NichtErreichbar).arg(e.message));
        return false;
    }
    if (!steuerung_.inhaltOeffnen(gefunden->bytes)) {
        meldung(archivText(ArchivText::ZuerstStartseite));
        return false;
    }
    if (parentWidget())
        parentWidget()->activateWindow();
    return true;
}

int ArchiveDialog::exportKav() {
    const std::vector<qint64> ids = auswahl();
    if (ids.empty()) {
        meldung(archivText(ArchivText::NichtsGewaehlt));
        return 0;
    }
    if (!archivBereit())
        return 0;
    QStringList geschrieben;
    const QString ordner = exportordner->text().trimmed();
    if (const archive::Error e = archiv_->exportResults(ids, ordner, geschrieben)) {
        meldung(e.message);
        return 0;
    }
    meldung(archivText(ArchivText::Exportiert).arg(geschrieben.size()).arg(QDir::toNativeSeparators(ordner)));
    return static_cast<int>(geschrieben.size());
}

std::vector<QStringList> ArchiveDialog::zeilen(bool nurAuswahl) const {
    std::vector<QStringList> z;
    QStringList kopf;
    for (int s = 0; s < kSpalten; ++s)
        kopf << liste->headerItem()->text(s);
    z.push_back(kopf);
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = liste->topLevelItem(i);
        if (nurAuswahl && !item->isSelected())
            continue;
        QStringList zeile;
        for (int s = 0; s < kSpalten; ++s)
            zeile << item->text(s);
        z.push_back(zeile);
    }
    return z;
}

QString ArchiveDialog::csv(const std::vector<QStringList>& zeilen) {
    QString text;
    for (const QStringList& z : zeilen) {
        QStringList felder;
        for (const QString& f : z)
            felder << csvFeld(f);
        text += felder.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

bool ArchiveDialog::exportCsv() {
    if (auswahl().empty()) {
        meldung(archivText(ArchivText::NichtsGewaehlt));
        return false;
    }
    Dialoge::SpeichernOptionen o;
    o.titel = archivText(ArchivText::CsvTitel);
    o.standardErweiterung = QStringLiteral(".csv");
    o.dateiname = QStringLiteral("archive.csv");
    o.filter = QStringLiteral("CSV (*.csv)|*.csv");
    const QString datei = dialoge().speichernUnter(o);
    if (datei.isEmpty() || datei == o.dateiname)
        return false;
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(csv(zeilen(true)).toUtf8()) < 0 || !f.commit()) {
        meldung(f.errorString());
        return false;
    }
    meldung(archivText(ArchivText::CsvGeschrieben).arg(QDir::toNativeSeparators(datei)));
    return true;
}

} // namespace kav::shell
