#pragma once
// The profiles of one folder, one NAME.json file each. The folder is the
// caller's (the window and kavctl know where the user's profiles live).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "atomic_file.h"
#include "profile.h"

namespace kav::verdict {

struct StoredProfile {
    std::string name; // the file's name without ".json"
    std::filesystem::path path;

    bool operator==(const StoredProfile&) const = default;
};

class ProfileStore {
public:
    explicit ProfileStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }

    // Every *.json file of the folder, sorted by name; none when the folder is missing.
    std::vector<StoredProfile> list() const;

    // The file a profile of this name is kept in.
    std::filesystem::path pathOf(std::string_view name) const;

    // A name of the folder, or a file when the argument ends in ".json"
    // (as given: relative to the working folder).
    ProfileResult load(std::string_view nameOrFile) const;

    // Writes the profile under its own name (atomically), creating the folder.
    records::DateiFehler save(const Profile& profile) const;

    // Removes the profile of that name; false when there was none.
    bool remove(std::string_view name) const;

private:
    std::filesystem::path folder_;
};

} // namespace kav::verdict
