#pragma once
// The profile editor: the stored profiles in a list and the chosen one as
// its file's text; new, copy, save, delete, import and export a file. A
// profile is saved only when it is valid, else the reason is said. It is a
// window of its own that blocks nothing; its questions go through the
// dialog interface.
#include <QString>
#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kav::shell {

class VerdictController;

class ProfileDialog : public QWidget {
    Q_OBJECT
public:
    ProfileDialog(VerdictController& urteil, QWidget* parent);

    // Lists the folder anew and shows the window.
    void zeigen();

    QListWidget* liste() const { return liste_; }
    QPlainTextEdit* text() const { return text_; }
    // The editor's actions, as its buttons run them.
    void neu();
    void kopieren();
    bool speichern();
    void loeschen();
    bool importieren();
    bool exportieren();

signals:
    // A profile was saved or deleted.
    void geaendert();

private:
    void beschriften();
    void auflisten(const QString& waehlen);
    void gewaehlt();
    QString gewaehlterName() const;

    VerdictController& urteil_;
    QListWidget* liste_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* neu_ = nullptr;
    QPushButton* kopieren_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QPushButton* loeschen_ = nullptr;
    QPushButton* importieren_ = nullptr;
    QPushButton* exportieren_ = nullptr;
    QPushButton* schliessen_ = nullptr;
};

} // namespace kav::shell
