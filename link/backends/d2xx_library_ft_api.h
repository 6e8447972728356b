#pragma once
// The vendor's D2XX library, loaded by name or path at run time.
#include <memory>
#include <string>

#include "ft_api.h"

namespace kav::backends {

// "ftd2xx.dll" on Windows, "libftd2xx.so" elsewhere.
std::string defaultD2xxLibraryName();

// Loads the library and resolves the twelve functions. nullptr when the
// library cannot be loaded or lacks one of them; `error` then says why.
std::unique_ptr<ft::FtApi> loadD2xxLibrary(const std::string& nameOrPath, std::string& error);

} // namespace kav::backends
