#pragma once
// Small controls of the window's panels: the live indicator shape and the
// drive, folder and file lists of the file browser panel.
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QWidget>
#include <cstdint>

namespace kav::shell {

// shpAlle: a round indicator; FillStyle 0 is solid, 1 transparent (outline only).
class ShapeWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FillStyle READ fillStyle WRITE setFillStyle NOTIFY fillStyleChanged)
    Q_PROPERTY(quint32 FillColor READ fillColor WRITE setFillColor NOTIFY fillColorChanged)
public:
    explicit ShapeWidget(QWidget* parent = nullptr);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    quint32 fillColor() const { return fillColor_; }
    void setFillColor(quint32 bgr);

signals:
    void fillStyleChanged(int style);
    void fillColorChanged(quint32 bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int fillStyle_ = 0;
    quint32 fillColor_ = 0x00C000; // green
};

// A frame of the window: a thin rounded border with the caption on its top line.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    explicit FrameBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// drvAlle: the drives of the system.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    // Selects the drive the path lies on; false when no drive holds it.
    bool setDrive(const QString& path);
    QString drive() const;
};

// dirAlle: the folder shown and its subfolders.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    // False (and nothing changes) when the folder does not exist.
    bool setPath(const QString& path);
    QString path() const { return path_; }

private:
    QString path_;
};

// fleAlle: the files of a folder that match the pattern.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    bool setPath(const QString& path);
    QString path() const { return path_; }
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    void refresh();

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.kav");
};

} // namespace kav::shell
