// --version and --help of the three programs, and their manual pages and
// kavctl's completion held against what the programs say they take.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>

namespace {

struct Lauf {
    int exitCode = -1;
    QString out;
    QString err;
};

Lauf starte(const QString& programm, const QStringList& args, const QProcessEnvironment& env = {},
            const QString& arbeitsordner = {}) {
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    if (!arbeitsordner.isEmpty())
        p.setWorkingDirectory(arbeitsordner);
    p.start(programm, args);
    Lauf l;
    if (!p.waitForFinished(30000))
        return l;
    l.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.out = QString::fromUtf8(p.readAllStandardOutput());
    l.err = QString::fromUtf8(p.readAllStandardError());
    return l;
}

QString datei(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Every long option ("--trace", "--d2xx") a help text names.
std::set<QString> optionen(const QString& hilfe) {
    std::set<QString> gefunden;
    const QRegularExpression muster(QStringLiteral("--[a-z0-9][a-z0-9-]*"));
    for (auto it = muster.globalMatch(hilfe); it.hasNext();)
        gefunden.insert(it.next().captured());
    return gefunden;
}

// A manual page's text with the roff escapes of a dash undone.
QString handbuch(const char* name) {
    return datei(QStringLiteral(KAV_PACKAGING_DIR "/man/") + QLatin1String(name))
        .replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

} // namespace

TEST(ProgramInfo, KavStudioAnswersVersionAndHelpWithoutDisplayOrFiles) {
    QTemporaryDir wurzel;
    const QString arbeit = wurzel.filePath(QStringLiteral("arbeit"));
    QDir().mkpath(arbeit);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A display platform that cannot start: the answer must come before Qt does.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "TMPDIR"})
        env.insert(QLatin1String(var), wurzel.filePath(QLatin1String(var)));

    const Lauf version = starte(QStringLiteral(KAVSTUDIO_PATH), {QStringLiteral("--version")}, env, arbeit);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("KavStudio " KAV_VERSION_TEXT "\n"));
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();

    const Lauf hilfe =
        starte(QStringLiteral(KAVSTUDIO_PATH), {QStringLiteral("/debug"), QStringLiteral("--help")}, env, arbeit);
    EXPECT_EQ(hilfe.exitCode, 0);
    for (const char* schalter : {"/debug", "/sprache", "/kommun", "/math", "/sim", "/port:", "/page:", "--version"})
        EXPECT_TRUE(hilfe.out.contains(QLatin1String(schalter))) << schalter;

    QDirIterator alles(wurzel.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    QStringList angelegt;
    while (alles.hasNext())
        angelegt << alles.next();
    EXPECT_EQ(angelegt, QStringList{arbeit}) << "no file or folder was made: " << angelegt.join(u' ').toStdString();

    // The manual page names every switch of the help.
    const QString seite = handbuch("KavStudio.1");
    for (const char* schalter :
         {"/debug", "/sprache", "/kommun", "/math", "/sim", "/port:", "/page:", "--version", "--help"})
        EXPECT_TRUE(seite.contains(QLatin1String(schalter))) << schalter;
}

TEST(ProgramInfo, KavctlAndKav100simTellTheirVersion) {
    const Lauf kavctl = starte(QStringLiteral(KAVCTL_PATH), {QStringLiteral("--version")});
    EXPECT_EQ(kavctl.exitCode, 0);
    EXPECT_EQ(kavctl.out, QStringLiteral("kavctl " KAV_VERSION_TEXT "\n"));
    const Lauf sim = starte(QStringLiteral(KAV100SIM_PATH), {QStringLiteral("--version")});
    EXPECT_EQ(sim.exitCode, 0);
    EXPECT_EQ(sim.out, QStringLiteral("kav100sim " KAV_VERSION_TEXT "\n"));
}

TEST(ProgramInfo, ManualPagesAndCompletionKnowEveryOptionTheProgramsTake) {
    const Lauf kavctl = starte(QStringLiteral(KAVCTL_PATH), {QStringLiteral("--help")});
    ASSERT_EQ(kavctl.exitCode, 0);
    const QString seite = handbuch("kavctl.1");
    const QString vervollstaendigung = datei(QStringLiteral(KAV_PACKAGING_DIR "/completion/kavctl"));
    ASSERT_FALSE(seite.isEmpty());
    ASSERT_FALSE(vervollstaendigung.isEmpty());
    const auto genannt = optionen(kavctl.out);
    EXPECT_GE(genannt.size(), 10u);
    for (const QString& o : genannt) {
        EXPECT_TRUE(seite.contains(o)) << "kavctl.1 lacks " << o.toStdString();
        EXPECT_TRUE(vervollstaendigung.contains(o)) << "the completion lacks " << o.toStdString();
    }
    // Every command of the usage lines: the first word after "kavctl" once the
    // bracketed options are gone.
    QString ohneKlammern = kavctl.out;
    const QRegularExpression klammer(QStringLiteral("\\[[^][]*\\]"));
    while (ohneKlammern.contains(klammer))
        ohneKlammern.remove(klammer);
    const QRegularExpression befehl(QStringLiteral("kavctl\\s+([a-z]+)"));
    int befehle = 0;
    for (auto it = befehl.globalMatch(ohneKlammern); it.hasNext(); ++befehle) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(seite.contains(QStringLiteral(".B ") + name) || seite.contains(QStringLiteral(".BI ") + name))
            << "kavctl.1 lacks the command " << name.toStdString();
        EXPECT_TRUE(vervollstaendigung.contains(name)) << "the completion lacks " << name.toStdString();
    }
    EXPECT_GE(befehle, 5);

    const Lauf sim = starte(QStringLiteral(KAV100SIM_PATH), {QStringLiteral("--help")});
    ASSERT_EQ(sim.exitCode, 0);
    const QString simSeite = handbuch("kav100sim.1");
    for (const QString& o : optionen(sim.out))
        EXPECT_TRUE(simSeite.contains(o)) << "kav100sim.1 lacks " << o.toStdString();
}
