#pragma once
// A converter that is not there: every call fails, nothing is ever read.
// Stands in when the chosen way of reaching the device cannot be used, so
// opening the link gives its ordinary failure result.
#include "ft_stub.h"

namespace kav::backends {

class FailingFtApi final : public ft::StubFtApi {};

} // namespace kav::backends
