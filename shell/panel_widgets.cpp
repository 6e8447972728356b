#include "panel_widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include "vb_colors.h"

#include <algorithm>

namespace kav::shell {

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {}

void ShapeWidget::setFillStyle(int style) {
    if (style == fillStyle_)
        return;
    fillStyle_ = style;
    update();
    emit fillStyleChanged(style);
}

void ShapeWidget::setFillColor(quint32 bgr) {
    if (bgr == fillColor_)
        return;
    fillColor_ = bgr;
    update();
    emit fillColorChanged(bgr);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    if (fillStyle_ == 0)
        p.setBrush(qtFarbe(fillColor_));
    else
        p.setBrush(Qt::NoBrush);
    const qreal d = qMin(width(), height()) - 2;
    p.drawEllipse(QRectF((width() - d) / 2.0, (height() - d) / 2.0, d, d));
}

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent) {}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (autoFillBackground())
        p.fillRect(rect(), palette().window());
    const QFontMetrics fm(font());
    const qreal linie = fm.height() / 2.0;
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, linie, width() - 1.0, height() - linie - 0.5), 3, 3);
    if (title().isEmpty())
        return;
    const QRect text(8, 0, fm.horizontalAdvance(title()) + 6, fm.height());
    p.fillRect(text, palette().window());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, title());
}

namespace {

constexpr int kEinzug = 12;                // pixels per folder level
constexpr int kOrdnerRolle = Qt::UserRole; // the row's folder, native separators
constexpr int kEbeneRolle = Qt::UserRole + 1;

// Draws a row indented by its folder level.
class EinzugDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        o.rect.setLeft(o.rect.left() + index.data(kEbeneRolle).toInt() * kEinzug);
        QStyledItemDelegate::paint(painter, o, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {s.width() + index.data(kEbeneRolle).toInt() * kEinzug, s.height()};
    }
};

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

// A folder's path without a trailing separator, except a root ("/", "C:/").
QString sauber(const QString& pfad) { return QDir::cleanPath(QDir::fromNativeSeparators(pfad)); }

bool liegtIn(const QString& pfad, const QString& wurzel) {
    if (wurzel.isEmpty())
        return false;
    const QString w = sauber(wurzel);
    const QString p = sauber(pfad);
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (p.compare(w, cs) == 0)
        return true;
    return p.startsWith(w.endsWith(u'/') ? w : w + u'/', cs);
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    setLaufwerke(systemLaufwerke());
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

QStringList DriveList::systemLaufwerke() {
    QStringList wurzeln;
    for (const QFileInfo& d : QDir::drives())
        wurzeln << d.absoluteFilePath();
#ifndef Q_OS_WIN
    // The mounted volumes; a file mounted over another (containers do so) is no drive.
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && QFileInfo(v.rootPath()).isDir())
            wurzeln << v.rootPath();
#endif
    return wurzeln;
}

void DriveList::setLaufwerke(const QStringList& wurzeln) {
    QStringList liste;
    for (const QString& w : wurzeln) {
        QString n = nativ(sauber(w));
        if (!n.endsWith(QDir::separator()) && QDir(sauber(w)).isRoot())
            n += QDir::separator();
        if (!liste.contains(n, Qt::CaseInsensitive))
            liste << n;
    }
    // The file system's root first, then the volumes by name.
    std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    const QSignalBlocker still(this);
    clear();
    addItems(liste);
}

bool DriveList::setDrive(const QString& path) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = sauber(itemText(i));
        if (liegtIn(path, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best < 0)
        return false;
    const QSignalBlocker still(this);
    setCurrentIndex(best);
    return true;
}

QString DriveList::drive() const { return currentText(); }

FolderList::FolderList(QWidget* parent) : QListWidget(parent), pruefung_(&FolderList::ordnerLesbar) {
    setItemDelegate(new EinzugDelegate(this));
    setUniformItemSizes(true);
    // Opening rebuilds the list; the view holds the clicked row by a persistent index only.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { oeffnen(row(item)); });
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        oeffnen(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool FolderList::ordnerLesbar(const QString& ordner) {
    const QFileInfo info(sauber(ordner));
    if (!info.isDir() || !info.isReadable())
        return false;
#ifndef Q_OS_WIN
    // A folder is listed only with the right to search it.
    if (!info.isExecutable())
        return false;
#endif
    return true;
}

void FolderList::setPruefung(Pruefung pruefung) {
    pruefung_ = pruefung ? std::move(pruefung) : Pruefung(&FolderList::ordnerLesbar);
}

bool FolderList::lesbar(const QString& ordner) const { return pruefung_(ordner); }

void FolderList::setRoot(const QString& root) { root_ = nativ(sauber(root)); }

bool FolderList::setPath(const QString& path) {
    if (path.isEmpty() || !lesbar(path))
        return false;
    const QString neu = nativ(QDir(sauber(path)).absolutePath());
    const bool geaendert = neu != path_;
    path_ = neu;
    aufbauen();
    if (geaendert)
        emit pathChanged(path_);
    return true;
}

void FolderList::refresh() {
    if (!path_.isEmpty())
        aufbauen();
}

void FolderList::aufbauen() {
    const QSignalBlocker still(this);
    clear();
    offeneZeile_ = -1;
    // The parents from the drive's root down (or from the file system's root).
    QString wurzel = liegtIn(path_, root_) ? sauber(root_) : QString();
    QDir d(sauber(path_));
    QStringList kette;
    for (;;) {
        kette.prepend(d.absolutePath());
        if (d.isRoot() || (!wurzel.isEmpty() && sauber(d.absolutePath()) == wurzel) || !d.cdUp())
            break;
    }
    const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto zeile = [&](const QString& ordner, const QString& text, int ebene, const QIcon& symbol) {
        auto* item = new QListWidgetItem(symbol, text, this);
        item->setData(kOrdnerRolle, nativ(ordner));
        item->setData(kEbeneRolle, ebene);
        item->setToolTip(nativ(ordner));
    };
    for (int i = 0; i < kette.size(); ++i) {
        const QString& ordner = kette[i];
        const QString name = i == 0 ? nativ(ordner) : QFileInfo(ordner).fileName();
        zeile(ordner, name, i, offen);
    }
    offeneZeile_ = count() - 1;
    const QDir aktuell(sauber(path_));
    const QStringList unter =
        aktuell.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : unter)
        zeile(aktuell.absoluteFilePath(name), name, static_cast<int>(kette.size()), zu);
    setCurrentRow(offeneZeile_);
}

QString FolderList::ordnerAn(int row) const {
    const QListWidgetItem* i = item(row);
    return i ? i->data(kOrdnerRolle).toString() : QString();
}

bool FolderList::oeffnen(int row) {
    const QString ordner = ordnerAn(row);
    if (ordner.isEmpty())
        return false;
    if (!lesbar(ordner)) {
        setCurrentRow(offeneZeile_);
        emit oeffnenVerweigert(ordner);
        return false;
    }
    return setPath(ordner);
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

bool FileList::setPath(const QString& path) {
    const QDir dir(sauber(path));
    if (path.isEmpty() || !dir.exists())
        return false;
    const QString neu = nativ(dir.absolutePath());
    const bool geaendert = neu != path_;
    path_ = neu;
    refresh();
    if (geaendert)
        emit pathChanged(path_);
    return true;
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    clear();
    if (path_.isEmpty())
        return;
    const QDir dir(sauber(path_));
    for (const QString& name : dir.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        addItem(name);
}

QString FileList::fileName() const {
    const QListWidgetItem* i = currentItem();
    return i && i->isSelected() ? i->text() : QString();
}

} // namespace kav::shell
