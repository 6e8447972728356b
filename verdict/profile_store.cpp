#include "profile_store.h"

#include <algorithm>
#include <system_error>

#include "safe_name.h"

namespace kav::verdict {

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kExtension = ".json";
constexpr std::string_view kUnnamed = "Profil";
} // namespace

std::vector<StoredProfile> ProfileStore::list() const {
    std::vector<StoredProfile> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() == kExtension && it->is_regular_file(ec))
            found.push_back({p.stem().string(), p});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return found;
}

fs::path ProfileStore::pathOf(std::string_view name) const {
    return folder_ / (safeFileName(name, kUnnamed) + std::string(kExtension));
}

ProfileResult ProfileStore::load(std::string_view nameOrFile) const {
    const fs::path file = nameOrFile.ends_with(kExtension) ? fs::path(nameOrFile) : pathOf(nameOrFile);
    const std::string shown = file.string();
    const records::DateiGelesen read = records::dateiLesen(file);
    if (!read.ok()) {
        ProfileResult r;
        r.error = {ProfileProblem::Unreadable, shown, "", ""};
        return r;
    }
    return parseProfile(read.inhalt, shown);
}

records::DateiFehler ProfileStore::save(const Profile& profile) const {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec)
        return records::dateiFehlerAusErrno(ec.value());
    return records::atomarSchreiben(pathOf(profile.name), profileText(profile));
}

bool ProfileStore::remove(std::string_view name) const {
    std::error_code ec;
    return fs::remove(pathOf(name), ec);
}

} // namespace kav::verdict
