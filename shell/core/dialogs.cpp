#include "dialogs.h"

#include "globals.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace kav::shell {

namespace {

QPointer<QWidget>& elternfenster() {
    static QPointer<QWidget> p;
    return p;
}

Dialoge*& eingesetzt() {
    static Dialoge* d = nullptr;
    return d;
}

QMessageBox::Icon qtSymbol(Dialoge::Symbol s) {
    switch (s) {
    case Dialoge::Symbol::Stopp: return QMessageBox::Critical;
    case Dialoge::Symbol::Frage: return QMessageBox::Question;
    case Dialoge::Symbol::Ausrufezeichen: return QMessageBox::Warning;
    case Dialoge::Symbol::Information: return QMessageBox::Information;
    case Dialoge::Symbol::Keins: break;
    }
    return QMessageBox::NoIcon;
}

// The program's own small icon: an encoder disc with its pulse marks.
QPixmap programmSymbol(int groesse) {
    const QIcon fensterSymbol = QGuiApplication::windowIcon();
    if (!fensterSymbol.isNull())
        return fensterSymbol.pixmap(groesse, groesse);
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, groesse - 4, groesse - 4);
    p.setPen(QPen(QColor(0, 60, 130), 2));
    p.setBrush(QColor(0, 90, 170));
    p.drawEllipse(r);
    p.translate(r.center());
    p.setPen(QPen(Qt::white, 2));
    for (int i = 0; i < 12; ++i) {
        p.drawLine(QPointF(0, -r.height() / 2 + 4), QPointF(0, -r.height() / 2 + 10));
        p.rotate(30);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), groesse / 8.0, groesse / 8.0);
    return bild;
}

QFrame* trennlinie(QWidget* eltern, int index, const QColor& farbe) {
    auto* linie = new QFrame(eltern);
    linie->setObjectName(QStringLiteral("Line1"));
    linie->setProperty("index", index);
    linie->setFrameShape(QFrame::NoFrame);
    linie->setFixedHeight(1);
    linie->setAutoFillBackground(true);
    QPalette pal = linie->palette();
    pal.setColor(QPalette::Window, farbe);
    linie->setPalette(pal);
    return linie;
}

void bildschirmMitte(QWidget& fenster) {
    fenster.adjustSize();
    const QScreen* schirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    const QRect g = schirm->geometry();
    fenster.move(g.left() + (g.width() - fenster.width()) / 2, g.top() + (g.height() - fenster.height()) / 2);
}

class QtDialoge final : public Dialoge {
public:
    Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe, Symbol symbol) override {
        QMessageBox box(elternfenster());
        box.setText(text);
        box.setWindowTitle(titel.isEmpty() ? QGuiApplication::applicationDisplayName() : titel);
        box.setIcon(qtSymbol(symbol));
        if (knoepfe != Knoepfe::Ok) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(knoepfe == Knoepfe::JaNein ? QMessageBox::Yes : QMessageBox::No);
            if (global().Sprache == QLatin1StringView("D")) {
                box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
                box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
            }
            return box.exec() == QMessageBox::Yes ? Antwort::Ja : Antwort::Nein;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Antwort::Ok;
    }

    QString speichernUnter(const SpeichernOptionen& o) override {
        QFileDialog dialog(elternfenster(), o.titel);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program asks about an existing file itself, in its own words.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        QString erweiterung = o.standardErweiterung;
        if (erweiterung.startsWith(u'.'))
            erweiterung.remove(0, 1);
        dialog.setDefaultSuffix(erweiterung);
        if (!o.filter.isEmpty())
            dialog.setNameFilter(qtDateiFilter(o.filter));
        dialog.setDirectory(QDir::currentPath());
        dialog.selectFile(o.dateiname);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return o.dateiname;
        QString datei = dialog.selectedFiles().constFirst();
        // Qt adds the default extension only to a name without any dot, but the
        // proposed names look like "2008.03.07-09.05.00": a record file must
        // end in ".kav" so the file browser lists it and its name can be cut
        // from the last four characters.
        if (!erweiterung.isEmpty() && !datei.endsWith(u'.' + erweiterung, Qt::CaseInsensitive))
            datei += u'.' + erweiterung;
        return QDir::toNativeSeparators(datei);
    }

    QString ordnerWaehlen(const QString& titel, const QString& vorgabe) override {
        return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(elternfenster(), titel, vorgabe));
    }

    QString dateiWaehlen(const QString& titel, const QString& filter) override {
        return QDir::toNativeSeparators(
            QFileDialog::getOpenFileName(elternfenster(), titel, QDir::currentPath(), qtDateiFilter(filter)));
    }

    QString adminDialog(const QString&) override {
        QDialog fenster(elternfenster());
        fenster.setObjectName(QStringLiteral("frmAdminDialog"));
        fenster.setWindowTitle(QStringLiteral("AdminDialogfeld"));
        fenster.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

        auto* txtSN = new QLineEdit(&fenster);
        txtSN->setObjectName(QStringLiteral("txtSN"));
        txtSN->setFont(QFont(QStringLiteral("Arial"), 10));
        txtSN->setMinimumWidth(160);
        auto* btnOk = new QPushButton(QStringLiteral("OK"), &fenster);
        btnOk->setObjectName(QStringLiteral("btnOk"));
        btnOk->setDefault(true);
        auto* btnZu = new QPushButton(QStringLiteral("Abbrechen"), &fenster);
        btnZu->setObjectName(QStringLiteral("btnZu"));

        const int breite = std::max(btnOk->sizeHint().width(), btnZu->sizeHint().width());
        btnOk->setFixedWidth(breite);
        btnZu->setFixedWidth(breite);
        auto* knoepfe = new QVBoxLayout;
        knoepfe->addWidget(btnOk);
        knoepfe->addWidget(btnZu);
        knoepfe->addStretch();
        auto* zeile = new QHBoxLayout(&fenster);
        zeile->addWidget(txtSN, 0, Qt::AlignTop);
        zeile->addLayout(knoepfe);

        QString eingabe;
        QObject::connect(btnOk, &QPushButton::clicked, &fenster, [&] {
            eingabe = txtSN->text();
            fenster.accept();
        });
        QObject::connect(btnZu, &QPushButton::clicked, &fenster, &QDialog::reject);
        fenster.setFixedSize(fenster.sizeHint());
        // Escape and the close box count as "Abbrechen": nothing old is sent.
        return fenster.exec() == QDialog::Accepted ? eingabe : QString();
    }

    void about(const AboutInhalt& inhalt) override {
        QDialog fenster(elternfenster());
        fenster.setObjectName(QStringLiteral("frmAbout"));
        fenster.setWindowTitle(inhalt.fensterTitel);
        fenster.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

        auto* picIcon = new QLabel(&fenster);
        picIcon->setObjectName(QStringLiteral("picIcon"));
        picIcon->setPixmap(programmSymbol(48));
        picIcon->setFixedSize(48, 48);
        auto* lblTitle = new QLabel(inhalt.titel, &fenster);
        lblTitle->setObjectName(QStringLiteral("lblTitle"));
        QFont titelSchrift = lblTitle->font();
        titelSchrift.setPointSizeF(titelSchrift.pointSizeF() * 1.5);
        titelSchrift.setBold(true);
        lblTitle->setFont(titelSchrift);
        auto* lblVersion = new QLabel(inhalt.version, &fenster);
        lblVersion->setObjectName(QStringLiteral("lblVersion"));
        auto* lblDescription = new QLabel(inhalt.beschreibung, &fenster);
        lblDescription->setObjectName(QStringLiteral("lblDescription"));
        lblDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* lblDisclaimer = new QLabel(&fenster);
        lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
        lblDisclaimer->setWordWrap(true);
        auto* cmdOK = new QPushButton(QStringLiteral("OK"), &fenster);
        cmdOK->setObjectName(QStringLiteral("cmdOK"));
        cmdOK->setDefault(true);
        QObject::connect(cmdOK, &QPushButton::clicked, &fenster, &QDialog::accept);

        auto* texte = new QVBoxLayout;
        texte->addWidget(lblTitle);
        texte->addWidget(lblVersion);
        texte->addSpacing(8);
        texte->addWidget(lblDescription);
        auto* oben = new QHBoxLayout;
        oben->addWidget(picIcon, 0, Qt::AlignTop);
        oben->addSpacing(12);
        oben->addLayout(texte, 1);
        auto* unten = new QHBoxLayout;
        unten->addWidget(lblDisclaimer, 1);
        unten->addWidget(cmdOK, 0, Qt::AlignBottom);

        auto* alles = new QVBoxLayout(&fenster);
        alles->setSizeConstraint(QLayout::SetFixedSize);
        alles->addLayout(oben);
        alles->addSpacing(8);
        alles->setSpacing(6);
        // An etched separator: a grey line over a white one.
        auto* linien = new QVBoxLayout;
        linien->setSpacing(0);
        linien->addWidget(trennlinie(&fenster, 1, QColor(128, 128, 128)));
        linien->addWidget(trennlinie(&fenster, 0, Qt::white));
        alles->addLayout(linien);
        alles->addLayout(unten);
        bildschirmMitte(fenster);
        fenster.exec();
    }
};

QtDialoge& qtDialoge() {
    static QtDialoge d;
    return d;
}

} // namespace

Dialoge& dialoge() {
    Dialoge* d = eingesetzt();
    return d ? *d : qtDialoge();
}

void setDialoge(Dialoge* d) { eingesetzt() = d; }

void setDialogParent(QWidget* parent) { elternfenster() = parent; }

QString qtDateiFilter(const QString& filter) {
    const QStringList teile = filter.split(u'|');
    QStringList qt;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString beschreibung = teile[i].trimmed();
        QString muster = teile[i + 1].trimmed();
        muster.replace(u';', u' ');
        // The description usually names its pattern already ("KAV Datei (*.kav)").
        qt << (beschreibung.contains(u'(' + muster + u')') ? beschreibung
                                                           : beschreibung + QStringLiteral(" (") + muster + u')');
    }
    if (qt.isEmpty() && !filter.trimmed().isEmpty())
        qt << filter.trimmed();
    return qt.join(QStringLiteral(";;"));
}

} // namespace kav::shell
