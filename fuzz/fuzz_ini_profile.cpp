// The settings file reader and writer on a fuzzed file: a key written into
// any file reads back, no other setting is lost, and writing the same value
// again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include "ini_profile.h"

namespace {

QString datei;

void schreibeDatei(const std::string& inhalt) {
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(inhalt.data(), static_cast<qint64>(inhalt.size()));
}

// A name or value the profile functions keep as it is: letters and digits.
QString einfacherText(FuzzedDataProvider& in, std::size_t mindestens) {
    static const char kZeichen[] = "abcKAVxyz0123456789";
    std::string s;
    const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(mindestens, 12);
    for (std::size_t i = 0; i < n; ++i)
        s += kZeichen[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kZeichen - 2)];
    return QString::fromLatin1(s.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // One folder for the whole run, in memory where there is such a folder
    // (the writer syncs each file to its disk). What Qt sets up on first use
    // happens here, before the inputs, so it is never taken for a leak of one.
    const QString speicher = QStringLiteral("/dev/shm");
    static QTemporaryDir ordner((QDir(speicher).exists() ? speicher : QDir::tempPath()) +
                                QStringLiteral("/kav-fuzz-ini-XXXXXX"));
    datei = ordner.filePath(QStringLiteral("Settings.ini"));
    schreibeDatei("[KAV]\r\nLanguage=1\r\n");
    kav::shell::INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Write errors"), QStringLiteral("1"));
    kav::shell::INILesen(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QString());
    return 0;
}

namespace {

QByteArray dateiBytes() {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const QString sektion = einfacherText(in, 1);
    const QString schluessel = einfacherText(in, 1);
    const QString wert = einfacherText(in, 0);
    // A second key the write must leave alone, often in the same section.
    const QString andereSektion = in.ConsumeBool() ? sektion : einfacherText(in, 1);
    const QString andererSchluessel = einfacherText(in, 1);
    const std::string inhalt = in.ConsumeRemainingBytesAsString();
    schreibeDatei(inhalt);

    const QString vorgabe = QStringLiteral("vorgabe");
    const QString vorher = kav::shell::INILesen(datei, andereSektion, andererSchluessel, vorgabe);
    if (!kav::shell::INISchreiben(datei, sektion, schluessel, wert))
        std::abort();
    // What was written reads back, and no other setting is lost or changed.
    if (kav::shell::INILesen(datei, sektion, schluessel, vorgabe) != wert)
        std::abort();
    const bool derselbe = sektion.compare(andereSektion, Qt::CaseInsensitive) == 0 &&
                          schluessel.compare(andererSchluessel, Qt::CaseInsensitive) == 0;
    if (!derselbe && kav::shell::INILesen(datei, andereSektion, andererSchluessel, vorgabe) != vorher)
        std::abort();
    // Writing the same value again changes nothing.
    const QByteArray einmal = dateiBytes();
    if (!kav::shell::INISchreiben(datei, sektion, schluessel, wert) || dateiBytes() != einmal)
        std::abort();
    return 0;
}
