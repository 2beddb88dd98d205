#include "platform/Resources.h"

namespace Drobix::Platform {

// Until the built-in resources are embedded, no resource exists.
std::span<const uint8_t> FindResource(int, std::string_view) {
    return {};
}

std::optional<std::string> LoadStringResource(int) {
    return std::nullopt;
}

}  // namespace Drobix::Platform
