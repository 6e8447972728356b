// Where a started program keeps its files: an installed program (its folder
// read-only, its libraries in their private folder) writes nothing beside
// itself and keeps settings and logs per user; a copy in a folder it may
// write to keeps them beside itself and leaves its control registry alone
// once it is right. The probe stands in for the file system's rights, which a
// superuser would not feel.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <filesystem>

#include "globals.h"
#include "logs.h"
#include "program_places.h"
#include "program_start.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

using shell::KAV_Main;

// Name, size and bytes of every file below a folder.
QStringList bestand(const QString& ordner) {
    QStringList zeilen;
    const QDir wurzel(ordner);
    const auto eintraege = wurzel.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& e : eintraege) {
        if (e.isDir()) {
            for (const QString& unter : bestand(e.filePath()))
                zeilen << e.fileName() + u'/' + unter;
            continue;
        }
        QFile f(e.filePath());
        zeilen << e.fileName() + u' ' +
                      (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex()) : QString());
    }
    return zeilen;
}

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class OrteTest : public FensterTest {
protected:
    OrteTest() {
        QDir().mkpath(programm());
        QDir().mkpath(benutzer());
    }
    QString programm() const { return QDir(ordner()).filePath(QStringLiteral("usr/bin")); }
    QString privat() const { return QDir(ordner()).filePath(QStringLiteral("usr/lib/kavstudio")); }
    QString benutzer() const { return QDir(ordner()).filePath(QStringLiteral("home")); }
    QString konfig() const { return QDir(benutzer()).filePath(QStringLiteral(".config/KavStudio")); }
    QString daten() const { return QDir(benutzer()).filePath(QStringLiteral(".local/share/KavStudio")); }

    // The built control libraries copied into a folder.
    void bibliothekenNach(const QString& ziel) {
        QDir().mkpath(ziel);
        const QDir quelle(QStringLiteral(KAV_CONTROL_FOLDER));
        const QStringList namen = quelle.entryList(
            {QStringLiteral("*Brinda.*"), QStringLiteral("*Valtrix.*"), QStringLiteral("*Tacho.*")}, QDir::Files);
        ASSERT_EQ(namen.size(), 3) << namen.join(u' ').toStdString();
        for (const QString& name : namen)
            ASSERT_TRUE(QFile::copy(quelle.filePath(name), QDir(ziel).filePath(name))) << name.toStdString();
    }

    shell::ProgramEnvironment umgebungMit(bool beschreibbar, const QString& befehlszeile = {}) {
        qunsetenv("KAV_CONTROL_REGISTRY");
        shell::PlaceProbe probe;
        probe.writable = [beschreibbar](const QString&) { return beschreibbar; };
        probe.privateLibraryFolder = QStringLiteral("../lib/kavstudio");
        probe.userConfigFolder = konfig();
        probe.userDataFolder = daten();
        probe.userDocumentsFolder = benutzer();
        auto u = umgebung(befehlszeile);
        u.folder = programm();
        shell::applyPlaces(u, shell::choosePlaces(u.folder, probe));
        return u;
    }
};

TEST_F(OrteTest, AnInstalledProgramKeepsSettingsAndLogsPerUserAndWritesNothingElse) {
    bibliothekenNach(privat());
    // The registry as the package installs it: the libraries by their file names.
    {
        QFile reg(QDir(privat()).filePath(QStringLiteral("kavcontrols.reg")));
        ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
        for (const char* name : {"Brinda", "Valtrix", "Tacho"}) {
            const QString datei = QDir(privat()).entryList({QStringLiteral("*%1.*").arg(QLatin1String(name))}).value(0);
            reg.write(QByteArray(name) +
                      (name[0] == 'B'   ? ".ocxBadInc="
                       : name[0] == 'V' ? ".ocxMinMaxWert="
                                        : ".ocxTacho=") +
                      datei.toUtf8() + '\n');
        }
    }
    const QString registry = QDir(privat()).filePath(QStringLiteral("kavcontrols.reg"));
    std::filesystem::create_hard_link(registry.toStdString(),
                                      QDir(ordner()).filePath(QStringLiteral("reg.twin")).toStdString());
    const QStringList programmVorher = bestand(QDir(ordner()).filePath(QStringLiteral("usr")));

    const auto u = umgebungMit(false, QStringLiteral("/kommun"));
    ASSERT_EQ(u.controlFolder, privat());
    auto w = shell::programmStarten(u);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(u'\n').toStdString();
    EXPECT_TRUE(QFileInfo(daten()).isDir()) << "the start makes the user's log folder";
    w->Form_Activate();
    warteBisFrei(*w);
    ASSERT_TRUE(sitzung(*w).verbunden());
    // The file browser starts in the user's folder, not among the programs.
    EXPECT_EQ(FensterZugang::daten(*w).programmPfad(), QDir::toNativeSeparators(benutzer()) + QDir::separator());

    // All three logs go to the user's data folder.
    shell::LogSchreiben(QStringLiteral("Tageslog"));
    shell::FehlerLogSchreiben(QStringLiteral("Error on 0 line"));
    EXPECT_EQ(lesen(QDir(daten()).filePath(QStringLiteral("2008.03.05.log"))), "09:04:07 - Tageslog\r\n");
    EXPECT_EQ(lesen(QDir(daten()).filePath(QStringLiteral("Errors_2008.03.05.log"))), "09:04:07 - Error on 0 line\r\n");
    EXPECT_TRUE(
        lesen(QDir(daten()).filePath(QStringLiteral("Kommun_2008.03.05.log"))).startsWith("09:04:07 - Schreiben -> "));

    ansicht(*w).mnuEinstItem[1]->trigger(); // "Beim Start Verbinden" off
    warteBisFrei(*w);
    EXPECT_TRUE(w->close());
    w.reset();
    EXPECT_TRUE(dialoge_.meldungsTexte().isEmpty()) << dialoge_.meldungsTexte().join(u'\n').toStdString();
    const QByteArray pfad = QDir::toNativeSeparators(benutzer()).toUtf8() + QDir::separator().toLatin1();
    EXPECT_EQ(lesen(QDir(konfig()).filePath(QStringLiteral("Settings.ini"))),
              "[KAV]\r\nConnect on load=0\r\nWrite errors=1\r\nProgramm path=" + pfad + "\r\nLanguage=E\r\n");

    EXPECT_EQ(bestand(QDir(ordner()).filePath(QStringLiteral("usr"))), programmVorher)
        << "nothing written beside the program or among its libraries";
    EXPECT_TRUE(std::filesystem::equivalent(registry.toStdString(),
                                            QDir(ordner()).filePath(QStringLiteral("reg.twin")).toStdString()));

    // The next start reads the settings from where the last one left them.
    auto wieder = shell::programmStarten(umgebungMit(false));
    ASSERT_NE(wieder, nullptr);
    EXPECT_FALSE(ansicht(*wieder).mnuEinstItem[1]->isChecked());
}

TEST_F(OrteTest, ACopyOnAReadOnlyMediumFindsItsLibrariesAndKeepsSettingsPerUser) {
    bibliothekenNach(programm()); // no registry beside them: the medium was never written
    const QStringList vorher = bestand(programm());
    auto w = shell::programmStarten(umgebungMit(false));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(u'\n').toStdString();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(bestand(programm()), vorher);
    EXPECT_NE(lesen(QDir(konfig()).filePath(QStringLiteral("Settings.ini"))), "<missing>");
}

TEST_F(OrteTest, ACopyInAWritableFolderKeepsItsFilesBesideItselfAndItsRegistryOnceRight) {
    bibliothekenNach(programm());
    auto w = shell::programmStarten(umgebungMit(true));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(u'\n').toStdString();
    EXPECT_TRUE(w->close());
    w.reset();
    const QString registry = QDir(programm()).filePath(QStringLiteral("kavcontrols.reg"));
    EXPECT_TRUE(lesen(registry).contains("Tacho.ocxTacho="));
    EXPECT_TRUE(lesen(QDir(programm()).filePath(QStringLiteral("Settings.ini"))).startsWith("[KAV]\r\n"));
    EXPECT_FALSE(QFileInfo::exists(konfig()));
    EXPECT_FALSE(QFileInfo::exists(daten()));

    // The second start registers the same libraries: the file stays as it is.
    const std::string twin = QDir(ordner()).filePath(QStringLiteral("reg.twin")).toStdString();
    std::filesystem::create_hard_link(registry.toStdString(), twin);
    auto zweiter = shell::programmStarten(umgebungMit(true));
    ASSERT_NE(zweiter, nullptr);
    EXPECT_TRUE(zweiter->fehlendeAnzeigen().isEmpty());
    EXPECT_TRUE(std::filesystem::equivalent(registry.toStdString(), twin)) << "the registry was rewritten";
}

TEST_F(OrteTest, SettingsThatCannotBeKeptAreSaidAtTheEnd) {
    // A file where the user's configuration folder should be.
    QDir().mkpath(QFileInfo(konfig()).absolutePath());
    {
        QFile f(konfig());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    offlineStart();
    auto w = shell::programmStarten(umgebungMit(false));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->close()) << "the program ends all the same";
    EXPECT_EQ(dialoge_.meldungsTexte(),
              QStringList{QStringLiteral("The settings could not be saved:\r\n") +
                          QDir::toNativeSeparators(QDir(konfig()).filePath(QStringLiteral("Settings.ini")))});
}

} // namespace
} // namespace kav::test
