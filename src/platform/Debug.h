#pragma once

#include <string_view>

namespace Drobix::Platform {

// A progress line for developers, on standard error.
void DebugOutput(std::string_view line);

}  // namespace Drobix::Platform
