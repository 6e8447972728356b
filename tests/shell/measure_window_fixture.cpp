#include "measure_window_fixture.h"

#include <QDir>
#include <QLocale>
#include <chrono>

namespace kav::test {

MessFensterTest::MessFensterTest() {
    qputenv("KAV_CONTROL_REGISTRY", QDir(ordner()).filePath(QStringLiteral("kavcontrols.reg")).toUtf8());
}

MessFensterTest::~MessFensterTest() { qunsetenv("KAV_CONTROL_REGISTRY"); }

std::unique_ptr<shell::KAV_Main> MessFensterTest::verbunden(const std::string& flags, const char* sprache,
                                                            const QString& befehlszeile) {
    neuesGeraet(flags);
    schreibeSettings(QByteArray("[KAV]\r\nConnect on load=1\r\nLanguage=") + sprache + "\r\n");
    auto u = umgebung(befehlszeile);
    u.controlFolder = QStringLiteral(KAV_CONTROL_FOLDER);
    auto w = std::make_unique<shell::KAV_Main>(u);
    EXPECT_TRUE(w->Form_Load());
    for (int typ : {1, 2, 3})
        timer(*w, typ).setInterval(std::chrono::hours(1));
    daten(*w).statusTimer().setInterval(std::chrono::hours(1));
    w->Form_Activate();
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(QLatin1Char('\n')).toStdString();
    return w;
}

QTimer& MessFensterTest::timer(shell::KAV_Main& w, int typ) { return messen(w).timer(typ); }

void MessFensterTest::ticke(shell::KAV_Main& w, int typ) {
    uhr_.advance(std::chrono::milliseconds(500));
    if (typ == 1)
        w.tmrDateiTyp1_Timer();
    else if (typ == 2)
        w.tmrDateiTyp2_Timer();
    else
        w.tmrDateiTyp3_Timer();
    warteBisFrei(w);
}

int MessFensterTest::tickeBis(shell::KAV_Main& w, int typ, const std::function<bool()>& bis, int hoechstens) {
    int n = 0;
    while (timer(w, typ).isActive() && n < hoechstens) {
        ticke(w, typ);
        ++n;
        if (bis())
            break;
    }
    return n;
}

QString MessFensterTest::zahl(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

} // namespace kav::test
