#include "platform/shared/SharpScaler.h"

#include <algorithm>
#include <cmath>

namespace Drobix::Platform {

namespace {

constexpr uint32_t kRedBlueMask = 0x00FF00FFU;
constexpr uint32_t kGreenMask = 0x0000FF00U;
constexpr uint32_t kOpaque = 0xFF000000U;

// Each target pixel's centre, mapped into the source enlarged by the whole factor, falls between
// two enlarged pixels; the weight is how far it lies towards the second. Enlarged pixels of one
// source pixel blend to themselves, so only the seams between source pixels are smoothed.
std::vector<SharpScaler::Taps> AxisTaps(int source, int target) {
    std::vector<SharpScaler::Taps> taps(static_cast<size_t>(std::max(target, 0)));
    if (source <= 0 || target <= 0) {
        return taps;
    }
    const int64_t factor = std::max<int64_t>(1, target / source);
    const int64_t enlarged = factor * source;
    for (int x = 0; x < target; ++x) {
        // In units of 1 / (2 * target) enlarged pixels, exactly: (x + 0.5) * enlarged / target.
        const int64_t centre = (2 * static_cast<int64_t>(x) + 1) * enlarged;
        const int64_t position = centre - target;  // minus half an enlarged pixel
        const int64_t scale = 2 * static_cast<int64_t>(target);
        const int64_t floor = position < 0 ? -1 : position / scale;
        const int64_t fraction = position - floor * scale;
        const int64_t left = std::clamp<int64_t>(floor, 0, enlarged - 1);
        const int64_t right = std::clamp<int64_t>(floor + 1, 0, enlarged - 1);
        SharpScaler::Taps& tap = taps[static_cast<size_t>(x)];
        tap.first = static_cast<int>(left / factor);
        tap.second = static_cast<int>(right / factor);
        tap.weight =
            tap.first == tap.second
                ? 0
                : static_cast<uint32_t>((fraction * SharpScaler::kWeightOne + scale / 2) / scale);
        if (tap.weight == 0) {
            tap.second = tap.first;
        }
    }
    return taps;
}

uint32_t Blend(uint32_t first, uint32_t second, uint32_t weight) {
    const uint32_t keep = SharpScaler::kWeightOne - weight;
    const uint32_t redBlue =
        (((first & kRedBlueMask) * keep + (second & kRedBlueMask) * weight + 0x00800080U) >> 8) &
        kRedBlueMask;
    const uint32_t green =
        (((first & kGreenMask) * keep + (second & kGreenMask) * weight + 0x00008000U) >> 8) &
        kGreenMask;
    return kOpaque | redBlue | green;
}

// The two loops are written for the compiler to vectorise, and made for AVX2 too: no branch (a
// weight of 0 blends to the first pixel exactly) and no aliasing.
[[gnu::target_clones("avx2", "default")]] void ScaleColumns(
    const uint32_t* __restrict source, const SharpScaler::Taps* __restrict taps,
    uint32_t* __restrict target, int count) {
    for (int x = 0; x < count; ++x) {
        target[x] = Blend(source[taps[x].first], source[taps[x].second], taps[x].weight);
    }
}

[[gnu::target_clones("avx2", "default")]] void BlendPixels(const uint32_t* __restrict first,
                                                           const uint32_t* __restrict second,
                                                           uint32_t weight,
                                                           uint32_t* __restrict target, int width) {
    for (int x = 0; x < width; ++x) {
        target[x] = Blend(first[x], second[x], weight);
    }
}

}  // namespace

void SharpScaler::Prepare(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight) {
    columns_ = AxisTaps(sourceWidth, targetWidth);
    rows_ = AxisTaps(sourceHeight, targetHeight);
}

std::pair<int, int> SharpScaler::TargetColumns(int sourceLeft, int sourceRight) const {
    if (sourceLeft >= sourceRight) {
        return {0, 0};
    }
    // Both taps grow with the target column, and the second is never left of the first.
    const auto first = std::partition_point(
        columns_.begin(), columns_.end(), [&](const Taps& tap) { return tap.second < sourceLeft; });
    const auto last = std::partition_point(
        first, columns_.end(), [&](const Taps& tap) { return tap.first < sourceRight; });
    return {static_cast<int>(first - columns_.begin()), static_cast<int>(last - columns_.begin())};
}

std::pair<int, int> SharpScaler::SourceColumns(int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, GetTargetWidth());
    if (first >= last) {
        return {0, 0};
    }
    return {columns_[static_cast<size_t>(first)].first,
            columns_[static_cast<size_t>(last) - 1].second + 1};
}

void SharpScaler::ScaleRow(const uint32_t* source, uint32_t* target, int first, int last) const {
    const int begin = std::max(first, 0);
    const int end = std::min(last, GetTargetWidth());
    if (begin < end) {
        ScaleColumns(source, columns_.data() + begin, target + begin, end - begin);
    }
}

void SharpScaler::BlendRows(const uint32_t* first, const uint32_t* second, uint32_t weight,
                            uint32_t* target, int width) {
    BlendPixels(first, second, weight, target, width);
}

}  // namespace Drobix::Platform
