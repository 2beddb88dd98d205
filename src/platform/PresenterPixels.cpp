#include "platform/Presenter.h"

namespace Drobix::Platform {

void ConvertRgb565ToXrgb8888(const uint16_t* source, uint32_t* target, int count) {
    // Plain arithmetic on every lane so that the compiler vectorises the loop.
    for (int i = 0; i < count; ++i) {
        const uint32_t pixel = source[i];
        const uint32_t red = pixel >> 11;
        const uint32_t green = (pixel >> 5) & 0x3FU;
        const uint32_t blue = pixel & 0x1FU;
        target[i] = 0xFF000000U | (((red << 3) | (red >> 2)) << 16) |
                    (((green << 2) | (green >> 4)) << 8) | ((blue << 3) | (blue >> 2));
    }
}

}  // namespace Drobix::Platform
