#pragma once
// Tests change the program-wide flags; this puts them back at the end of a scope.
#include <globals.h>

namespace kav::test {

class GlobalSichern {
public:
    GlobalSichern() : gesichert_(shell::global()) {}
    ~GlobalSichern() { shell::global() = gesichert_; }
    GlobalSichern(const GlobalSichern&) = delete;
    GlobalSichern& operator=(const GlobalSichern&) = delete;

private:
    shell::Global gesichert_;
};

} // namespace kav::test
