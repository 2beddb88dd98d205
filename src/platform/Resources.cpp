#include "platform/Resources.h"

namespace Drobix::Platform {

// No resources are built in yet: every look-up finds nothing until the resource table joins
// the program.
std::span<const uint8_t> FindResource(int /*id*/, std::string_view /*type*/) {
    return {};
}

std::optional<std::string> LoadStringResource(int /*id*/) {
    return std::nullopt;
}

}  // namespace Drobix::Platform
