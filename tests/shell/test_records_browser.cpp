// The page "Daten vom Computer": drive, folder and file lists, walking the
// folder tree, "Öffnen" enabled only while a file is selected, and the folder
// remembered in "Programm path".
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QtTest/QTest>

#include "control_indexes.h"
#include "panel_widgets.h"
#include "qt_printers.h"
#include "test_application.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;

const QString kLaufwerkFehler = QStringLiteral("Error\r\non the drive change");
const QString kOrdnerFehler = QStringLiteral("Error\r\nThe folder cannot be opened.");

QString nativ(const QString& p) { return QDir::toNativeSeparators(p); }
QString mitTrenner(const QString& p) { return nativ(p) + QDir::separator(); }

class DateiBrowserTest : public FensterTest {
protected:
    void SetUp() override {
        // Two "drives": folder trees of their own.
        QDir d(baum_.path());
        for (const char* ordner : {"A/a/b", "A/Beta", "A/c", "A/.versteckt", "A/gesperrt", "B/leer"})
            ASSERT_TRUE(d.mkpath(QString::fromLatin1(ordner)));
        for (const char* datei : {"A/x.kav", "A/Y.KAV", "A/z.txt", "A/.h.kav", "A/a/eins.kav", "A/a/b/zwei.kav"}) {
            QFile f(d.filePath(QString::fromLatin1(datei)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        a_ = nativ(d.filePath(QStringLiteral("A")));
        b_ = nativ(d.filePath(QStringLiteral("B")));
    }

    std::unique_ptr<KAV_Main> browser() {
        offlineStart();
        auto w = starteUndAktiviere();
        ansicht(*w).drvAlle0->setLaufwerke({a_, b_, d(QStringLiteral("fehlt"))});
        w->btnAlle_Click(idx::btnDatenVomComputer);
        warteBisFrei(*w);
        waehleLaufwerk(*w, a_);
        return w;
    }
    QString d(const QString& name) const { return nativ(QDir(baum_.path()).filePath(name)); }

    static void waehleLaufwerk(KAV_Main& w, const QString& wurzel) {
        const int i = ansicht(w).drvAlle0->findText(wurzel);
        ASSERT_GE(i, 0) << wurzel.toStdString();
        // As the user picks it: the list shows it, then reports it.
        ansicht(w).drvAlle0->setCurrentIndex(i);
        emit ansicht(w).drvAlle0->activated(i);
    }
    static QStringList ordner(const KAV_Main& w) {
        QStringList z;
        for (int i = 0; i < ansicht(w).dirAlle0->count(); ++i)
            z << QString(ansicht(w).dirAlle0->item(i)->data(Qt::UserRole + 1).toInt(), u' ') +
                     ansicht(w).dirAlle0->item(i)->text();
        return z;
    }
    static QStringList dateien(const KAV_Main& w) {
        QStringList z;
        for (int i = 0; i < ansicht(w).fleAlle0->count(); ++i)
            z << ansicht(w).fleAlle0->item(i)->text();
        return z;
    }
    static int zeileVon(const KAV_Main& w, const QString& name) {
        for (int i = 0; i < ansicht(w).dirAlle0->count(); ++i)
            if (ansicht(w).dirAlle0->item(i)->text() == name)
                return i;
        return -1;
    }
    // A double-click on a row, as the user makes it.
    static void doppelklick(QListWidget* liste, int zeile) {
        ASSERT_GE(zeile, 0);
        liste->scrollToItem(liste->item(zeile));
        // A double-click is a click followed by the double-click event.
        const QPoint p = liste->visualItemRect(liste->item(zeile)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, p);
    }
    static void klick(QListWidget* liste, int zeile) {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(zeile)).center());
    }
    static bool oeffnen(const KAV_Main& w) { return ansicht(w).btnAlle[idx::btnOeffnen]->isEnabled(); }

    QTemporaryDir baum_;
    QString a_, b_;
};

TEST_F(DateiBrowserTest, TheDriveRootWithItsSortedSubfoldersAndItsRecordFiles) {
    auto w = browser();
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), a_);
    EXPECT_EQ(ordner(*w), (QStringList{a_, QStringLiteral(" a"), QStringLiteral(" Beta"), QStringLiteral(" c"),
                                       QStringLiteral(" gesperrt")}));
    EXPECT_EQ(ansicht(*w).dirAlle0->offeneZeile(), 0);
    EXPECT_EQ(dateien(*w), (QStringList{QStringLiteral("x.kav"), QStringLiteral("Y.KAV")}));
    EXPECT_EQ(ansicht(*w).fleAlle0->path(), a_);
    // A drive root keeps one separator.
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(a_));
    EXPECT_FALSE(oeffnen(*w));
}

TEST_F(DateiBrowserTest, WalkingIntoAndOutOfFolders) {
    auto w = browser();
    doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("a")));
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), d(QStringLiteral("A/a")));
    EXPECT_EQ(ordner(*w), (QStringList{a_, QStringLiteral(" a"), QStringLiteral("  b")}));
    EXPECT_EQ(ansicht(*w).dirAlle0->offeneZeile(), 1);
    EXPECT_EQ(dateien(*w), QStringList{QStringLiteral("eins.kav")});
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(d(QStringLiteral("A/a"))));

    doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("b")));
    EXPECT_EQ(ordner(*w), (QStringList{a_, QStringLiteral(" a"), QStringLiteral("  b")}));
    EXPECT_EQ(ansicht(*w).dirAlle0->offeneZeile(), 2);
    EXPECT_EQ(dateien(*w), QStringList{QStringLiteral("zwei.kav")});

    // Back to the root by its own row.
    doppelklick(ansicht(*w).dirAlle0, 0);
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), a_);
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(a_));
    EXPECT_EQ(dateien(*w), (QStringList{QStringLiteral("x.kav"), QStringLiteral("Y.KAV")}));
    EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0);
}

TEST_F(DateiBrowserTest, OeffnenOnlyWhileAFileIsSelected) {
    auto w = browser();
    klick(ansicht(*w).fleAlle0, 0);
    EXPECT_TRUE(oeffnen(*w));
    EXPECT_EQ(ansicht(*w).fleAlle0->fileName(), QStringLiteral("x.kav"));
    // A folder change disables it.
    doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("a")));
    EXPECT_FALSE(oeffnen(*w));
    klick(ansicht(*w).fleAlle0, 0);
    EXPECT_TRUE(oeffnen(*w));
    // A drive change too, even to a drive without files.
    waehleLaufwerk(*w, b_);
    EXPECT_FALSE(oeffnen(*w));
    EXPECT_TRUE(dateien(*w).isEmpty());
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(b_));
    EXPECT_EQ(ordner(*w), (QStringList{b_, QStringLiteral(" leer")}));
    // Opening the page again disables it and finds files saved meanwhile.
    waehleLaufwerk(*w, a_);
    klick(ansicht(*w).fleAlle0, 0);
    QFile neu(QDir(a_).filePath(QStringLiteral("neu.kav")));
    ASSERT_TRUE(neu.open(QIODevice::WriteOnly));
    w->btnAlle_Click(idx::btnComputerZurueck);
    warteBisFrei(*w);
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    EXPECT_FALSE(oeffnen(*w));
    EXPECT_EQ(dateien(*w), (QStringList{QStringLiteral("neu.kav"), QStringLiteral("x.kav"), QStringLiteral("Y.KAV")}));
    EXPECT_EQ(ansicht(*w).drvAlle0->drive(), a_);
}

TEST_F(DateiBrowserTest, ADriveNotReadyLeavesTheListsAsTheyWere) {
    auto w = browser();
    doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("a")));
    klick(ansicht(*w).fleAlle0, 0);
    waehleLaufwerk(*w, d(QStringLiteral("fehlt")));
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{kLaufwerkFehler});
    EXPECT_EQ(dialoge_.letzter().titel, QString());
    EXPECT_EQ(ansicht(*w).drvAlle0->drive(), a_);
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), d(QStringLiteral("A/a")));
    EXPECT_EQ(dateien(*w), QStringList{QStringLiteral("eins.kav")});
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(d(QStringLiteral("A/a"))));
}

TEST_F(DateiBrowserTest, AnUnreadableFolderIsShownButRefused) {
    auto w = browser();
    const QString gesperrt = d(QStringLiteral("A/gesperrt"));
    ansicht(*w).dirAlle0->setPruefung(
        [&](const QString& o) { return o != gesperrt && shell::FolderList::ordnerLesbar(o); });
    const int zeile = zeileVon(*w, QStringLiteral("gesperrt"));
    ASSERT_GE(zeile, 0) << "listed";
    doppelklick(ansicht(*w).dirAlle0, zeile);
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{kOrdnerFehler}) << "a folder message, not the drive's";
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), a_);
    EXPECT_EQ(ansicht(*w).dirAlle0->currentRow(), ansicht(*w).dirAlle0->offeneZeile());
    EXPECT_EQ(daten(*w).programmPfad(), mitTrenner(a_));
    EXPECT_EQ(dateien(*w), (QStringList{QStringLiteral("x.kav"), QStringLiteral("Y.KAV")}));
}

TEST_F(DateiBrowserTest, TheDefaultCheckRefusesAFolderWithoutRights) {
    ASSERT_TRUE(QFile::setPermissions(d(QStringLiteral("A/gesperrt")), QFileDevice::Permissions{}));
    const bool lesbar = QFileInfo(d(QStringLiteral("A/gesperrt"))).isReadable();
    if (lesbar) {
        QFile::setPermissions(d(QStringLiteral("A/gesperrt")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "this process reads every folder (it runs with administrator rights)";
    }
    EXPECT_FALSE(shell::FolderList::ordnerLesbar(d(QStringLiteral("A/gesperrt"))));
    EXPECT_TRUE(shell::FolderList::ordnerLesbar(a_));
    QFile::setPermissions(d(QStringLiteral("A/gesperrt")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(DateiBrowserTest, TheFolderIsRememberedForTheNextStart) {
    {
        auto w = browser();
        doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("a")));
        doppelklick(ansicht(*w).dirAlle0, zeileVon(*w, QStringLiteral("b")));
        ASSERT_TRUE(w->close());
    }
    const QString erwartet = mitTrenner(d(QStringLiteral("A/a/b")));
    EXPECT_TRUE(settings().contains(("Programm path=" + erwartet + "\r\n").toUtf8())) << settings().toStdString();
    // The next start shows that folder on the system's own drives.
    auto w = starteUndAktiviere();
    EXPECT_EQ(daten(*w).programmPfad(), erwartet);
    EXPECT_EQ(ansicht(*w).dirAlle0->path(), d(QStringLiteral("A/a/b")));
    EXPECT_EQ(dateien(*w), QStringList{QStringLiteral("zwei.kav")});
    EXPECT_EQ(ansicht(*w).dirAlle0->item(ansicht(*w).dirAlle0->offeneZeile())->text(), QStringLiteral("b"));
    EXPECT_TRUE(ansicht(*w).dirAlle0->item(0)->text() == nativ(QStorageInfo(d(QStringLiteral("A"))).rootPath()) ||
                ansicht(*w).dirAlle0->item(0)->text() == QDir::separator());
}

TEST_F(DateiBrowserTest, TheFileSystemRootKeepsOneSeparator) {
    offlineStart();
    auto w = starteUndAktiviere();
    ansicht(*w).drvAlle0->setLaufwerke({QDir::rootPath()});
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    waehleLaufwerk(*w, nativ(QDir::rootPath()));
    EXPECT_EQ(daten(*w).programmPfad(), nativ(QDir::rootPath()));
    EXPECT_EQ(ansicht(*w).dirAlle0->count() - 1, QDir::root().entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST_F(DateiBrowserTest, ANetworkPathLeavesTheDriveListAlone) {
    auto w = browser();
    waehleLaufwerk(*w, b_);
    for (const QString& netz : {QStringLiteral("\\\\server\\share\\"), QStringLiteral("//server/share/")}) {
        FensterZugang::programmPfad(*w) = netz;
        ansicht(*w).drvAlle0->setCurrentIndex(0);
        w->btnAlle_Click(idx::btnDatenVomComputer);
        warteBisFrei(*w);
        EXPECT_EQ(ansicht(*w).drvAlle0->currentIndex(), 0) << netz.toStdString();
        EXPECT_EQ(daten(*w).programmPfad(), netz);
    }
    // A local path selects its drive.
    FensterZugang::programmPfad(*w) = mitTrenner(b_);
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).drvAlle0->drive(), b_);
}

TEST(DriveList, TheSystemsRootAndItsMountedFolders) {
    testApplication();
    const QStringList laufwerke = shell::DriveList::systemLaufwerke();
    EXPECT_TRUE(laufwerke.contains(QDir::rootPath()) || laufwerke.contains(nativ(QDir::rootPath())));
    for (const QString& l : laufwerke)
        EXPECT_TRUE(QFileInfo(l).isDir()) << l.toStdString();
    shell::DriveList liste;
    EXPECT_EQ(liste.itemText(0), nativ(QDir::rootPath()));
}

} // namespace
} // namespace kav::test
