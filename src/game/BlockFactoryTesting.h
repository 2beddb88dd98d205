#pragma once

// Only tests, benchmarks and drobix-replay use this: the size of the live-block registry.

#include <cstddef>

namespace Drobix::Testing {

size_t LiveBlockCount();

}  // namespace Drobix::Testing
