#pragma once
// Small controls of the window's panels: the live indicator shape and the
// drive, folder and file lists of the file browser panel.
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QWidget>
#include <cstdint>
#include <functional>

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

// drvAlle: the drives of the system. On Windows the drive letters; elsewhere
// the root and the mounted volumes (folders only, no pseudo file systems).
// `driveChanged` reports a drive the user chose; a drive selected by the
// program (setDrive) reports nothing.
class DriveList : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString drive READ drive NOTIFY driveChanged)
public:
    explicit DriveList(QWidget* parent = nullptr);
    static QStringList systemLaufwerke();
    // Replaces the listed drives (roots, any separators).
    void setLaufwerke(const QStringList& wurzeln);
    // Selects the drive the path lies on (the longest root that holds it);
    // false when no drive holds it.
    bool setDrive(const QString& path);
    QString drive() const;

signals:
    void driveChanged(const QString& drive);
};

// dirAlle: a folder list as a directory list box shows it: the current
// folder's parents from the drive's root down, indented, the current folder
// open, its subfolders below it (sorted, hidden folders left out). A
// double-click (or Enter) opens a folder; a folder that cannot be read is
// listed but refused (`oeffnenVerweigert`), and nothing changes.
class FolderList : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path NOTIFY pathChanged)
public:
    // Whether a folder can be opened; by default whether it exists and can be
    // listed. Tests replace it (a test running as root reads every folder).
    using Pruefung = std::function<bool(const QString& ordner)>;
    static bool ordnerLesbar(const QString& ordner);

    explicit FolderList(QWidget* parent = nullptr);
    void setPruefung(Pruefung pruefung);
    bool lesbar(const QString& ordner) const;
    // The drive's root: where the list of parents begins. A path outside it
    // starts from its file system's root.
    void setRoot(const QString& root);
    QString root() const { return root_; }
    // Shows the folder; false (and nothing changes) when it does not exist or
    // cannot be read. Reports a changed path with `pathChanged`.
    bool setPath(const QString& path);
    QString path() const { return path_; }
    // The folder of a row (native separators) and the row of the open folder.
    QString ordnerAn(int row) const;
    int offeneZeile() const { return offeneZeile_; }
    // Opens the folder of a row as a double-click does.
    bool oeffnen(int row);
    // Lists the current folder again.
    void refresh();

signals:
    void pathChanged(const QString& path);
    void oeffnenVerweigert(const QString& ordner);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void aufbauen();

    Pruefung pruefung_;
    QString root_;
    QString path_;
    int offeneZeile_ = -1;
};

// fleAlle: the files of a folder that match the pattern ("*.kav", letter case
// ignored), hidden files left out. Reports a changed folder with `pathChanged`.
class FileList : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path NOTIFY pathChanged)
public:
    explicit FileList(QWidget* parent = nullptr);
    bool setPath(const QString& path);
    QString path() const { return path_; }
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    void refresh();
    // The selected file's name ("" when none is selected).
    QString fileName() const;

signals:
    void pathChanged(const QString& path);

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.kav");
};

} // namespace kav::shell
