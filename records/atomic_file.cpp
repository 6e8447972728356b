#include "atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kav::records {

DateiFehler dateiFehlerAusErrno(int e) {
    if (e == 0)
        return DateiFehler::Keiner;
    const std::errc c = static_cast<std::errc>(e);
    switch (c) {
    case std::errc::no_such_file_or_directory: return DateiFehler::NichtGefunden;
    case std::errc::is_a_directory: return DateiFehler::IstOrdner;
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
    case std::errc::read_only_file_system:
    case std::errc::text_file_busy: return DateiFehler::KeineRechte;
    case std::errc::no_space_on_device:
    case std::errc::file_too_large: return DateiFehler::KeinPlatz;
    case std::errc::filename_too_long:
    case std::errc::invalid_argument:
    case std::errc::not_a_directory:
    case std::errc::illegal_byte_sequence: return DateiFehler::UngueltigerName;
    default: break;
    }
#if defined(EDQUOT)
    if (e == EDQUOT)
        return DateiFehler::KeinPlatz;
#endif
    return DateiFehler::EAFehler;
}

DateiGelesen dateiLesen(const std::filesystem::path& pfad) {
    DateiGelesen r;
    std::error_code ec;
    const auto status = std::filesystem::status(pfad, ec);
    if (ec || !std::filesystem::exists(status)) {
        r.fehler = ec && ec != std::errc::no_such_file_or_directory ? dateiFehlerAusErrno(ec.value())
                                                                    : DateiFehler::NichtGefunden;
        return r;
    }
    if (std::filesystem::is_directory(status)) {
        r.fehler = DateiFehler::IstOrdner;
        return r;
    }
    errno = 0;
    std::ifstream f(pfad, std::ios::binary);
    if (!f) {
        r.fehler = errno ? dateiFehlerAusErrno(errno) : DateiFehler::KeineRechte;
        return r;
    }
    r.inhalt.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        r.fehler = errno ? dateiFehlerAusErrno(errno) : DateiFehler::EAFehler;
        r.inhalt.clear();
    }
    return r;
}

std::filesystem::path temporaererName(const std::filesystem::path& ziel, unsigned long long nummer) {
    const std::string endung = ".tmp" + std::to_string(nummer);
    std::filesystem::path temp = ziel;
    temp += endung;
    // A target name near the limit would leave no room for the suffix: then a
    // short name of our own in the same folder, so the save still works
    // whenever the target's own name is legal.
    if (temp.filename().native().size() > 255)
        temp = ziel.parent_path() / ("~kav" + endung);
    return temp;
}

DateiFehler atomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt) {
    std::error_code ec;
    if (ziel.filename().empty())
        return DateiFehler::UngueltigerName;
    // No file system here takes a name longer than 255 (bytes on Linux, UTF-16
    // units on NTFS); Windows would report such a name as a missing folder.
    if (ziel.filename().native().size() > 255)
        return DateiFehler::UngueltigerName;
    if (std::filesystem::is_directory(ziel, ec))
        return DateiFehler::IstOrdner;
    if (platform::schreibgeschuetzt(ziel))
        return DateiFehler::KeineRechte;

    // A name of our own beside the target: same folder, so the rename stays on one file system.
    static std::atomic<unsigned> zaehler{0};
    const auto stempel = std::chrono::steady_clock::now().time_since_epoch().count();
    std::FILE* f = nullptr;
    std::filesystem::path temp;
    int e = 0;
    for (int versuch = 0; versuch < 20; ++versuch) {
        temp = temporaererName(ziel, static_cast<unsigned long long>((stempel + zaehler++) % 1000000007));
        e = platform::exklusivAnlegen(temp, f);
        if (e != EEXIST)
            break;
    }
    if (e != 0)
        return e == EEXIST ? DateiFehler::EAFehler : dateiFehlerAusErrno(e);

    errno = 0;
    const bool geschrieben = std::fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
    int schreibFehler = geschrieben ? 0 : (errno ? errno : EIO);
    if (schreibFehler == 0 && std::fflush(f) != 0)
        schreibFehler = errno ? errno : EIO;
    if (schreibFehler == 0)
        schreibFehler = platform::aufPlatte(f);
    if (std::fclose(f) != 0 && schreibFehler == 0)
        schreibFehler = errno ? errno : EIO;
    if (schreibFehler == 0)
        schreibFehler = platform::ersetzen(temp, ziel);
    if (schreibFehler != 0) {
        std::filesystem::remove(temp, ec);
        return dateiFehlerAusErrno(schreibFehler);
    }
    return DateiFehler::Keiner;
}

} // namespace kav::records
