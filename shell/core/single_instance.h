#pragma once
// One running program per executable: a lock held for the process's life. A
// stale lock left by a crashed process never blocks the next start.
#include <QString>
#include <memory>

class QLockFile;

namespace kav::shell {

class EinzelInstanz {
public:
    // The lock file is derived from the executable's path (lockKey), placed in
    // the system's temporary folder unless a folder is given.
    explicit EinzelInstanz(const QString& lockKey, const QString& folder = {});
    ~EinzelInstanz();
    // False when another live process holds the lock (a previous instance runs).
    bool erwerben();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kav::shell
