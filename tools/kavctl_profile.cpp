#include "kavctl_profile.h"

#include <QCoreApplication>

#include "atomic_file.h"
#include "json_writer.h"
#include "kavctl_exit.h"
#include "profile_folder.h"
#include "profile_store.h"

namespace kav::kavctl {

namespace fs = std::filesystem;

int loadProfile(const std::string& nameOrFile, const fs::path& folder, const std::string& sprache, std::ostream& err,
                verdict::Profile& profile) {
    const verdict::ProfileResult r = verdict::ProfileStore(folder).load(nameOrFile);
    if (!r.ok()) {
        err << "kavctl: " << verdict::profileErrorText(r.error, sprache) << '\n';
        return r.error.problem == verdict::ProfileProblem::Unreadable ? kExitNoInput : kExitDataErr;
    }
    profile = *r.profile;
    return kExitOk;
}

std::optional<verdict::Verdict> judgeRecord(const verdict::Profile& profile, const records::Datensatz& record) {
    return std::visit(
        [&](const auto& w) -> std::optional<verdict::Verdict> {
            if constexpr (std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                return std::nullopt;
            else
                return verdict::judge(profile, w);
        },
        record);
}

int verdictExit(verdict::Outcome o) { return o == verdict::Outcome::Pass ? kExitOk : kExitVerdict; }

int profileCommand(const Options& o, const fs::path& folder, std::ostream& out, std::ostream& err) {
    if (o.command == Options::Command::ProfileCheck) {
        // Always the file as given, never a name of the folder.
        const records::DateiGelesen read = records::dateiLesen(fs::path(std::u8string(o.file.begin(), o.file.end())));
        verdict::ProfileResult r;
        if (read.ok())
            r = verdict::parseProfile(read.inhalt, o.file);
        else
            r.error = {verdict::ProfileProblem::Unreadable, o.file, "", ""};
        if (!r.ok()) {
            err << "kavctl: " << verdict::profileErrorText(r.error, o.lang) << '\n';
            return r.error.problem == verdict::ProfileProblem::Unreadable ? kExitNoInput : kExitDataErr;
        }
        return kExitOk;
    }
    json::Json list = json::Json::array();
    for (const verdict::StoredProfile& s : verdict::ProfileStore(folder).list()) {
        const std::u8string path = s.path.u8string();
        list.push_back({{"name", s.name}, {"path", std::string(path.begin(), path.end())}});
    }
    out << json::block(list) << '\n';
    return out.good() ? kExitOk : kExitCantCreate;
}

int profileStep(int argc, char* argv[], Options& o, std::ostream& out, std::ostream& err) {
    using C = Options::Command;
    const bool byName = !o.profile.empty() && !o.profile.ends_with(".json");
    if (o.command != C::ProfileCheck && o.command != C::ProfileList && o.profile.empty())
        return -1;
    fs::path folder;
    if (byName || o.command == C::ProfileList) {
        // Only for the lookup: the commands start their own Qt objects.
        QCoreApplication places(argc, argv);
        folder = verdict::userProfileFolder();
    }
    if (o.command == C::ProfileCheck || o.command == C::ProfileList)
        return profileCommand(o, folder, out, err);
    verdict::Profile p;
    if (const int code = loadProfile(o.profile, folder, o.lang, err, p); code != kExitOk)
        return code;
    o.measure.profile = std::move(p);
    return -1;
}

} // namespace kav::kavctl
