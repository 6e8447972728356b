#pragma once
// The link's forwarding converter, under the name the tests use.
#include "ft_forwarding.h"

namespace kav::testkit {

using ForwardingFtApi = ft::ForwardingFtApi;

} // namespace kav::testkit
