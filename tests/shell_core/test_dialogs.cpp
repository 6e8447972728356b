#include <dialogs.h>
#include <globals.h>

#include "globals_sichern.h"
#include "test_application.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kav::shell;

namespace {

// Acts on the next modal window as a user would, from inside its event loop.
// A watchdog closes anything still open, so a broken test fails instead of hanging.
void imNaechstenDialog(std::function<void(QWidget*)> handlung) {
    auto* suche = new QTimer;
    suche->setInterval(5);
    QObject::connect(suche, &QTimer::timeout, suche, [suche, handlung] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            suche->stop();
            suche->deleteLater();
            handlung(w);
        }
    });
    suche->start();
    QTimer::singleShot(10000, qApp, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "dialog left open";
            w->close();
        }
    });
}

class QtDialoge : public ::testing::Test {
protected:
    kav::test::GlobalSichern sichern;
    void SetUp() override {
        kav::test::testApplication();
        QGuiApplication::setApplicationDisplayName(QStringLiteral("KavStudio"));
        setDialoge(nullptr);
    }
};

} // namespace

TEST(DateiFilter, CommonDialogFiltersInQtSyntax) {
    EXPECT_EQ(qtDateiFilter(QStringLiteral("KAV Datei (*.kav)|*.kav")), QStringLiteral("KAV Datei (*.kav)"));
    EXPECT_EQ(qtDateiFilter(QStringLiteral("Texte|*.txt;*.log|Alle (*.*)|*.*")),
              QStringLiteral("Texte (*.txt *.log);;Alle (*.*)"));
    EXPECT_EQ(qtDateiFilter(QString()), QString());
}

TEST_F(QtDialoge, MessageBoxShowsTextTitleIconAndOk) {
    QString text, titel;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
    imNaechstenDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        text = box->text();
        titel = box->windowTitle();
        symbol = box->icon();
        knoepfe = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dialoge().meldung(QStringLiteral("Die Operation wurde ausgeführt."), QStringLiteral("Erfolg"),
                                Dialoge::Knoepfe::Ok, Dialoge::Symbol::Information),
              Dialoge::Antwort::Ok);
    EXPECT_EQ(text, QStringLiteral("Die Operation wurde ausgeführt."));
    EXPECT_EQ(titel, QStringLiteral("Erfolg"));
    EXPECT_EQ(symbol, QMessageBox::Information);
    EXPECT_EQ(knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));

    // No title: the program's title; the critical stop.
    imNaechstenDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        titel = box->windowTitle();
        symbol = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    dialoge().meldung(QStringLiteral("x"), {}, Dialoge::Knoepfe::Ok, Dialoge::Symbol::Stopp);
    EXPECT_EQ(titel, QStringLiteral("KavStudio"));
    EXPECT_EQ(symbol, QMessageBox::Critical);
}

TEST_F(QtDialoge, YesNoQuestionAnswersWithTheButtonPressed) {
    global().Sprache = QStringLiteral("D");
    QString ja, nein;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    imNaechstenDialog([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ja = box->button(QMessageBox::Yes)->text();
        nein = box->button(QMessageBox::No)->text();
        symbol = box->icon();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(dialoge().meldung(QStringLiteral("Überschreiben?"), QStringLiteral("Überschreiben?"),
                                Dialoge::Knoepfe::JaNein, Dialoge::Symbol::Ausrufezeichen),
              Dialoge::Antwort::Ja);
    EXPECT_EQ(ja, QStringLiteral("Ja"));
    EXPECT_EQ(nein, QStringLiteral("Nein"));
    EXPECT_EQ(symbol, QMessageBox::Warning);

    imNaechstenDialog([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(dialoge().meldung(QStringLiteral("?"), {}, Dialoge::Knoepfe::JaNein, Dialoge::Symbol::Frage),
              Dialoge::Antwort::Nein);
}

TEST_F(QtDialoge, TheDefaultButtonIsYesOrNoAsAsked) {
    for (const auto& [knoepfe, vorgabe] : {std::pair{Dialoge::Knoepfe::JaNein, QMessageBox::Yes},
                                          std::pair{Dialoge::Knoepfe::JaNeinVorgabeNein, QMessageBox::No}}) {
        QMessageBox::StandardButton gefunden = QMessageBox::NoButton;
        imNaechstenDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            gefunden = box->standardButton(box->defaultButton());
            box->defaultButton()->click();
        });
        dialoge().meldung(QStringLiteral("?"), {}, knoepfe, Dialoge::Symbol::Ausrufezeichen);
        EXPECT_EQ(gefunden, vorgabe);
    }
}

TEST_F(QtDialoge, AdminDialogReturnsTheTypedTextOrNothing) {
    imNaechstenDialog([](QWidget* w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("frmAdminDialog"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("AdminDialogfeld"));
        auto* txtSN = w->findChild<QLineEdit*>(QStringLiteral("txtSN"));
        auto* btnOk = w->findChild<QPushButton*>(QStringLiteral("btnOk"));
        auto* btnZu = w->findChild<QPushButton*>(QStringLiteral("btnZu"));
        ASSERT_TRUE(txtSN && btnOk && btnZu);
        EXPECT_EQ(txtSN->font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(btnOk->text(), QStringLiteral("OK"));
        EXPECT_EQ(btnZu->text(), QStringLiteral("Abbrechen"));
        EXPECT_TRUE(txtSN->text().isEmpty());
        // The text box at the top left, the buttons at its right, "OK" above.
        EXPECT_LE(txtSN->geometry().top(), btnOk->geometry().top());
        EXPECT_LT(txtSN->geometry().right(), btnOk->geometry().left());
        EXPECT_LT(btnOk->geometry().bottom(), btnZu->geometry().top());
        EXPECT_EQ(btnOk->geometry().left(), btnZu->geometry().left());
        QTest::keyClicks(txtSN, QStringLiteral(" 12345 "));
        btnOk->click();
    });
    EXPECT_EQ(dialoge().adminDialog(QStringLiteral("alt")), QStringLiteral(" 12345 "));

    imNaechstenDialog([](QWidget* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>(QStringLiteral("txtSN")), QStringLiteral("999"));
        w->findChild<QPushButton*>(QStringLiteral("btnZu"))->click();
    });
    EXPECT_EQ(dialoge().adminDialog(QStringLiteral("alt")), QString());

    // Closed without either button: nothing old comes back to be sent.
    imNaechstenDialog([](QWidget* w) { w->close(); });
    EXPECT_EQ(dialoge().adminDialog(QStringLiteral("alt")), QString());
    imNaechstenDialog([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(dialoge().adminDialog(QStringLiteral("alt")), QString());
}

TEST_F(QtDialoge, AboutWindowShowsItsContentCentred) {
    const Dialoge::AboutInhalt inhalt{QStringLiteral("Info about KavStudio"), QStringLiteral("KavStudio"),
                                      QStringLiteral("Version 1.0.0"), QStringLiteral("Support: software\n\nline")};
    bool gesehen = false;
    imNaechstenDialog([&](QWidget* w) {
        gesehen = true;
        EXPECT_EQ(w->objectName(), QStringLiteral("frmAbout"));
        EXPECT_EQ(w->windowTitle(), inhalt.fensterTitel);
        const auto label = [w](const char* name) { return w->findChild<QLabel*>(QLatin1StringView(name)); };
        ASSERT_TRUE(label("picIcon") && label("lblTitle") && label("lblVersion") && label("lblDescription") &&
                    label("lblDisclaimer"));
        EXPECT_FALSE(label("picIcon")->pixmap().isNull());
        EXPECT_EQ(label("lblTitle")->text(), inhalt.titel);
        EXPECT_EQ(label("lblVersion")->text(), inhalt.version);
        EXPECT_EQ(label("lblDescription")->text(), inhalt.beschreibung);
        EXPECT_TRUE(label("lblDisclaimer")->text().isEmpty());
        EXPECT_EQ(w->findChildren<QWidget*>(QStringLiteral("Line1")).size(), 2);
        const QRect schirm = w->screen()->geometry();
        EXPECT_NEAR(w->frameGeometry().center().x(), schirm.center().x(), 2);
        EXPECT_NEAR(w->frameGeometry().center().y(), schirm.center().y(), 2);
        // Small and tidy: everything fits, nothing is clipped.
        EXPECT_LT(w->width(), 500);
        EXPECT_GE(label("lblDescription")->width(), label("lblDescription")->sizeHint().width());
        auto* cmdOK = w->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        ASSERT_NE(cmdOK, nullptr);
        EXPECT_EQ(cmdOK->text(), QStringLiteral("OK"));
        cmdOK->click();
    });
    dialoge().about(inhalt);
    EXPECT_TRUE(gesehen);
}

TEST_F(QtDialoge, SaveDialogHonoursTitleNameExtensionAndFilter) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    const Dialoge::SpeichernOptionen o{QStringLiteral("ONLINE Messungen - Aktuell - Speichern"), QStringLiteral(".kav"),
                                       QStringLiteral("2008.03.07-09.05.00"), QStringLiteral("KAV Datei (*.kav)|*.kav"),
                                       0x42000};
    imNaechstenDialog([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), o.titel);
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d->defaultSuffix(), QStringLiteral("kav"));
        EXPECT_EQ(d->nameFilters(), QStringList{QStringLiteral("KAV Datei (*.kav)")});
        EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
        QMetaObject::invokeMethod(d, "accept"); // the "Save" button
    });
    const QString gewaehlt = dialoge().speichernUnter(o);
    EXPECT_EQ(QDir::fromNativeSeparators(gewaehlt),
              QDir(ordner.path()).filePath(QStringLiteral("2008.03.07-09.05.00.kav")));

    // A typed name with another extension still gets the record file's one.
    imNaechstenDialog([](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        d->selectFile(QStringLiteral("Motorpruefstand"));
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(QDir::fromNativeSeparators(dialoge().speichernUnter(o)),
              QDir(ordner.path()).filePath(QStringLiteral("Motorpruefstand.kav")));
    imNaechstenDialog([](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        d->selectFile(QStringLiteral("M1.KAV"));
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(QDir::fromNativeSeparators(dialoge().speichernUnter(o)),
              QDir(ordner.path()).filePath(QStringLiteral("M1.KAV")));

    imNaechstenDialog([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialoge().speichernUnter(o), o.dateiname);
    QDir::setCurrent(vorher);
}
