#include "panel_widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include "vb_colors.h"

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

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    for (const QFileInfo& d : QDir::drives())
        addItem(QDir::toNativeSeparators(d.absoluteFilePath()));
}

bool DriveList::setDrive(const QString& path) {
    const QString pfad = QDir::fromNativeSeparators(path);
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = QDir::fromNativeSeparators(itemText(i));
        if (pfad.startsWith(root, Qt::CaseInsensitive) && root.size() > bestLength) {
            best = i;
            bestLength = static_cast<int>(root.size());
        }
    }
    if (best < 0)
        return false;
    setCurrentIndex(best);
    return true;
}

QString DriveList::drive() const { return currentText(); }

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {}

bool FolderList::setPath(const QString& path) {
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists())
        return false;
    path_ = QDir::toNativeSeparators(dir.absolutePath());
    clear();
    addItem(path_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addItem(QStringLiteral("  ") + name);
    return true;
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

bool FileList::setPath(const QString& path) {
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists())
        return false;
    path_ = QDir::toNativeSeparators(dir.absolutePath());
    refresh();
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
    const QDir dir(path_);
    for (const QString& name : dir.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        addItem(name);
}

} // namespace kav::shell
