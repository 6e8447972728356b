#include "command_line.h"

namespace kav::shell {

namespace {

bool istLeer(QChar c) { return c == u' ' || c == u'\t'; }

// A value in double quotes ends at the closing quote (or the line's end).
// Returns the value and sets `ende` to the first character after it.
QString inAnfuehrungszeichen(const QString& zeile, qsizetype anfang, qsizetype& ende) {
    const qsizetype zu = zeile.indexOf(u'"', anfang + 1);
    ende = zu < 0 ? zeile.size() : zu + 1;
    return zeile.mid(anfang + 1, (zu < 0 ? zeile.size() : zu) - anfang - 1);
}

// "/port:PATH": PATH runs to the next blank.
QString portAusschneiden(QString& rest) {
    const qsizetype pos = rest.indexOf(QLatin1StringView("/port:"), 0, Qt::CaseInsensitive);
    if (pos < 0)
        return {};
    const qsizetype anfang = pos + 6;
    qsizetype ende = anfang;
    QString pfad;
    if (anfang < rest.size() && rest[anfang] == u'"') {
        pfad = inAnfuehrungszeichen(rest, anfang, ende);
    } else {
        while (ende < rest.size() && !istLeer(rest[ende]))
            ++ende;
        pfad = rest.mid(anfang, ende - anfang);
    }
    rest.remove(pos, ende - pos);
    return pfad;
}

// "/sim" or "/sim:FLAGS"; FLAGS runs to the next word beginning with "/".
bool simAusschneiden(QString& rest, QString& flags) {
    const qsizetype pos = rest.indexOf(QLatin1StringView("/sim"), 0, Qt::CaseInsensitive);
    if (pos < 0)
        return false;
    qsizetype ende = pos + 4;
    if (ende < rest.size() && rest[ende] == u':') {
        const qsizetype anfang = ende + 1;
        if (anfang < rest.size() && rest[anfang] == u'"') {
            flags = inAnfuehrungszeichen(rest, anfang, ende);
        } else {
            ende = anfang;
            while (ende < rest.size()) {
                qsizetype naechstes = ende;
                while (naechstes < rest.size() && istLeer(rest[naechstes]))
                    ++naechstes;
                if (naechstes > ende && naechstes < rest.size() && rest[naechstes] == u'/')
                    break;
                ende = naechstes;
                while (ende < rest.size() && !istLeer(rest[ende]))
                    ++ende;
            }
            flags = rest.mid(anfang, ende - anfang);
        }
        flags = expandSimAlias(flags.trimmed());
    }
    rest.remove(pos, ende - pos);
    return true;
}

} // namespace

QString expandSimAlias(const QString& wert) {
    static const std::pair<const char*, const char*> kKurznamen[] = {
        {"slow", "--slow 150"},                 // every reply 150 ms late
        {"silent", "--silent"},                 // the device never answers
        {"nodevice", "--no-converter"},         // no converter plugged in
        {"noversion", "--refuse-version"},      // the program's version is refused
        {"supply", "--failure-bit=RD_Info/03"}, // the serial number cannot be read
    };
    for (const auto& [name, flags] : kKurznamen)
        if (wert.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(flags);
    return wert;
}

CommandLine parseCommandLine(const QString& befehlszeile) {
    CommandLine c;
    QString rest = befehlszeile;
    // The port first: a path that happens to contain "/sim" is no switch.
    c.port = portAusschneiden(rest);
    c.sim = simAusschneiden(rest, c.simFlags);
    const auto hat = [&](QLatin1StringView schalter) { return rest.contains(schalter, Qt::CaseInsensitive); };
    c.debug = hat(QLatin1StringView("/debug"));
    c.sprache = hat(QLatin1StringView("/sprache"));
    c.kommun = hat(QLatin1StringView("/kommun"));
    c.admin = hat(QLatin1StringView(kAdminSchalter));
    c.math = hat(QLatin1StringView("/math"));
    return c;
}

} // namespace kav::shell
