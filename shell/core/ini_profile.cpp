#include "ini_profile.h"

#include "ansi_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace kav::shell {

namespace {

// The profile functions hand back at most 254 characters (a buffer of 255
// with its terminating NUL); callers have always seen longer values cut there.
constexpr qsizetype kMaxWertLaenge = 254;

bool istLeer(char c) { return c == ' ' || c == '\t'; }

QByteArray trimmen(const QByteArray& s) {
    qsizetype a = 0;
    qsizetype e = s.size();
    while (a < e && istLeer(s[a]))
        ++a;
    while (e > a && istLeer(s[e - 1]))
        --e;
    return s.mid(a, e - a);
}

QString trimmen(const QString& s) {
    qsizetype a = 0;
    qsizetype e = s.size();
    while (a < e && (s[a] == u' ' || s[a] == u'\t'))
        ++a;
    while (e > a && (s[e - 1] == u' ' || s[e - 1] == u'\t'))
        --e;
    return s.mid(a, e - a);
}

bool gleicherName(const QByteArray& roh, const QString& name) {
    return QString::compare(fromAnsi(trimmen(roh)), trimmen(name), Qt::CaseInsensitive) == 0;
}

// One line of the file as byte offsets: [anfang, inhaltEnde) is the text
// without its line end, [inhaltEnde, ende) the line end itself: CR LF, LF, a
// lone CR (as some editors leave it), or nothing at the end of the file.
struct Zeile {
    enum class Art { Sonstiges, Sektion, Schluessel };
    Art art = Art::Sonstiges;
    qsizetype anfang = 0;
    qsizetype inhaltEnde = 0;
    qsizetype ende = 0;
    QByteArray name;                   // section or key name, untrimmed
    qsizetype gleichheitszeichen = -1; // offset of '=' in a key line, -1 without one
};

bool leereZeile(const QByteArray& daten, const Zeile& z) {
    for (qsizetype i = z.anfang; i < z.inhaltEnde; ++i)
        if (!istLeer(daten[i]))
            return false;
    return true;
}

std::vector<Zeile> zerlegen(const QByteArray& daten) {
    std::vector<Zeile> zeilen;
    qsizetype pos = 0;
    while (pos < daten.size()) {
        Zeile z;
        z.anfang = pos;
        z.inhaltEnde = pos;
        while (z.inhaltEnde < daten.size() && daten[z.inhaltEnde] != '\r' && daten[z.inhaltEnde] != '\n')
            ++z.inhaltEnde;
        z.ende = z.inhaltEnde;
        if (z.ende < daten.size() && daten[z.ende] == '\r')
            ++z.ende;
        if (z.ende < daten.size() && daten[z.ende] == '\n')
            ++z.ende;
        qsizetype s = z.anfang;
        while (s < z.inhaltEnde && istLeer(daten[s]))
            ++s;
        if (s < z.inhaltEnde && daten[s] == '[') {
            z.art = Zeile::Art::Sektion;
            qsizetype zu = daten.indexOf(']', s + 1);
            if (zu < 0 || zu > z.inhaltEnde)
                zu = z.inhaltEnde;
            z.name = daten.mid(s + 1, zu - s - 1);
        } else if (s < z.inhaltEnde && daten[s] != ';') {
            z.art = Zeile::Art::Schluessel;
            const qsizetype gl = daten.indexOf('=', s);
            z.gleichheitszeichen = (gl >= 0 && gl < z.inhaltEnde) ? gl : -1;
            const qsizetype nameEnde = z.gleichheitszeichen >= 0 ? z.gleichheitszeichen : z.inhaltEnde;
            z.name = daten.mid(s, nameEnde - s);
        }
        zeilen.push_back(z);
        pos = z.ende;
    }
    return zeilen;
}

// Index range of a section: its header line and the lines up to the next header.
struct Bereich {
    std::size_t kopf;
    std::size_t ende; // one past the section's last line
};

std::optional<Bereich> sektionFinden(const std::vector<Zeile>& zeilen, const QString& sektion) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i].art != Zeile::Art::Sektion || !gleicherName(zeilen[i].name, sektion))
            continue;
        std::size_t e = i + 1;
        while (e < zeilen.size() && zeilen[e].art != Zeile::Art::Sektion)
            ++e;
        return Bereich{i, e};
    }
    return std::nullopt;
}

std::optional<std::size_t> schluesselFinden(const std::vector<Zeile>& zeilen, const Bereich& b,
                                            const QString& schluessel) {
    for (std::size_t i = b.kopf + 1; i < b.ende; ++i)
        if (zeilen[i].art == Zeile::Art::Schluessel && gleicherName(zeilen[i].name, schluessel))
            return i;
    return std::nullopt;
}

QByteArray wertDerZeile(const QByteArray& daten, const Zeile& z) {
    if (z.gleichheitszeichen < 0)
        return {};
    QByteArray w = trimmen(daten.mid(z.gleichheitszeichen + 1, z.inhaltEnde - z.gleichheitszeichen - 1));
    // The profile functions drop one pair of enclosing quotation marks.
    if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
        w = w.mid(1, w.size() - 2);
    return w;
}

// What the caller sees of a value: cut to the buffer, then trimmed of blanks.
QString alsErgebnis(const QString& wert) { return trimmen(wert.left(kMaxWertLaenge)); }

// The line end new lines take: the file's first CR LF or LF; CR LF for a new
// file or one that has only lone CRs, which not every reader takes for a line end.
QByteArray zeilenendeDerDatei(const QByteArray& daten) {
    const qsizetype lf = daten.indexOf('\n');
    if (lf > 0 && daten[lf - 1] == '\r')
        return "\r\n";
    if (lf >= 0)
        return "\n";
    return "\r\n";
}

// A line that ends in a proper line end (CR LF or LF); a lone CR or the end of
// the file needs one before a new line may follow.
bool endetMitZeilenende(const QByteArray& daten, const Zeile& z) {
    return z.ende > z.inhaltEnde && daten[z.ende - 1] == '\n';
}

// A line break inside a value would split the key's line and corrupt the file.
QByteArray einzeilig(QByteArray wert) {
    wert.replace('\r', ' ');
    wert.replace('\n', ' ');
    return wert;
}

bool schreibbar(const QString& datei) {
    const QFileInfo info(datei);
    if (!info.exists())
        return true;
    if (!info.isFile())
        return false;
    // A file marked read-only stays untouched, even for a user who could override it.
    return info.isWritable() && (QFile::permissions(datei) & QFileDevice::WriteOwner);
}

bool speichern(const QString& datei, const QByteArray& daten) {
    QSaveFile f(datei);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(daten) != daten.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace

QString INILesen(const QString& datei, const QString& sektion, const QString& schluessel, const QString& vorgabe) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return alsErgebnis(vorgabe);
    const QByteArray daten = f.readAll();
    const auto zeilen = zerlegen(daten);
    const auto bereich = sektionFinden(zeilen, sektion);
    if (!bereich)
        return alsErgebnis(vorgabe);
    const auto i = schluesselFinden(zeilen, *bereich, schluessel);
    if (!i)
        return alsErgebnis(vorgabe);
    return alsErgebnis(fromAnsi(wertDerZeile(daten, zeilen[*i])));
}

bool INISchreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& wert) {
    if (trimmen(sektion).isEmpty() || trimmen(schluessel).isEmpty() || !schreibbar(datei))
        return false;

    QByteArray daten;
    if (QFileInfo::exists(datei)) {
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        daten = f.readAll();
    }
    const QByteArray eol = zeilenendeDerDatei(daten);
    const QByteArray neuerWert = einzeilig(toAnsi(wert));
    const QByteArray neueZeile = einzeilig(toAnsi(schluessel)) + '=' + neuerWert + eol;

    const auto zeilen = zerlegen(daten);
    const auto bereich = sektionFinden(zeilen, sektion);
    if (!bereich) {
        // A new section goes to the end of the file, after a blank line.
        if (!daten.isEmpty()) {
            if (!endetMitZeilenende(daten, zeilen.back()))
                daten += eol;
            if (!leereZeile(daten, zeilen.back()))
                daten += eol;
        }
        daten += '[' + einzeilig(toAnsi(sektion)) + ']' + eol + neueZeile;
        return speichern(datei, daten);
    }

    if (const auto i = schluesselFinden(zeilen, *bereich, schluessel)) {
        // Only the value changes: the key's spelling, the blanks before and
        // after '=' and the line end stay as they were.
        const Zeile& z = zeilen[*i];
        qsizetype von = z.inhaltEnde;
        QByteArray einfuegen = neuerWert;
        if (z.gleichheitszeichen >= 0) {
            von = z.gleichheitszeichen + 1;
            // Blanks after '=' stay even when no value follows them, so that
            // writing the same value twice leaves the file as it was.
            while (von < z.inhaltEnde && istLeer(daten[von]))
                ++von;
        } else {
            einfuegen.prepend('=');
        }
        daten.replace(von, z.inhaltEnde - von, einfuegen);
        return speichern(datei, daten);
    }

    // A new key goes after the section's last non-blank line, so blank lines
    // that separate it from the next section stay where they are.
    std::size_t letzte = bereich->kopf;
    for (std::size_t k = bereich->kopf + 1; k < bereich->ende; ++k)
        if (!leereZeile(daten, zeilen[k]))
            letzte = k;
    const Zeile& z = zeilen[letzte];
    daten.insert(z.ende, endetMitZeilenende(daten, z) ? neueZeile : eol + neueZeile);
    return speichern(datei, daten);
}

} // namespace kav::shell
