#pragma once
// The test station in the window: the chosen tolerance profile (menu "Test
// profile", remembered in Settings.ini), the verdict band under the result
// area of every result page, the verdict on the printout, and the entries to
// the guided test run and the profile editor. With no profile chosen it shows
// nothing and changes nothing.
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "judge.h"
#include "profile.h"
#include "profile_store.h"
#include "window_parts.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace kav::records {
struct Druckseite;
}

namespace kav::shell {

class ProfileDialog;
class TestRunController;

class VerdictController : public QObject {
    Q_OBJECT
public:
    // `settingsDatei`: where the choice is remembered ([KavStudio] Profile).
    VerdictController(Fensterteile& t, QString settingsDatei);
    ~VerdictController() override;

    // Chooses a stored profile by name ("" none) and remembers it. A profile
    // file that is refused is said in a message box and leaves no profile.
    bool waehlen(const QString& name);
    const std::optional<verdict::Profile>& profil() const { return profil_; }
    // The profiles' folder.
    verdict::ProfileStore ablage() const;

    // The band under the result area (hidden while there is no verdict).
    QLabel* band() const { return band_; }
    // The verdict the band shows, with the result type it judged.
    const std::optional<verdict::Verdict>& urteil() const { return urteil_; }
    // Puts the shown verdict onto a printout of the shown result.
    void druckZusatz(records::Druckseite& seite) const;

    // The result type the shown verdict judged (0: none).
    int urteilTyp() const { return urteil_ ? urteilTyp_ : 0; }

    // The menu's captions in the program's language.
    void spracheGesetzt();
    QMenu* menu() const { return menu_; }
    QAction* pruefaufAktion() const { return pruefauf_; }
    TestRunController& pruefLauf() { return *lauf_; }
    // The editor, created on first use.
    ProfileDialog& editor();

signals:
    // Another profile (or none) was chosen.
    void profilGeaendert();

private:
    void menuFuellen();
    void ergebnisAngezeigt(int typ);
    void bandZeigen();
    void bandWeg();

    Fensterteile& t_;
    QString settingsDatei_;
    std::optional<verdict::Profile> profil_;
    QString profilDatei_; // the chosen profile's name in the folder
    std::optional<verdict::Verdict> urteil_;
    int urteilTyp_ = 0;
    QLabel* band_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* bearbeiten_ = nullptr;
    QAction* pruefauf_ = nullptr;
    std::unique_ptr<TestRunController> lauf_;
    std::unique_ptr<ProfileDialog> editor_;
};

} // namespace kav::shell
