// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace Drobix {

// Pixel rows that start on a cache line: whole-vector stores into them then never straddle two
// lines where the rows themselves are aligned, which makes full-screen blits markedly faster.
constexpr std::size_t kPixelAlignment = 64;

template <typename T>
struct CacheLineAllocator {
    using value_type = T;

    CacheLineAllocator() = default;
    template <typename U>
    explicit CacheLineAllocator(const CacheLineAllocator<U>&) {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(
            ::operator new (count * sizeof(T), std::align_val_t{kPixelAlignment}));
    }
    void deallocate(T* pointer, std::size_t) {
        ::operator delete (pointer, std::align_val_t{kPixelAlignment});
    }
    friend bool operator==(const CacheLineAllocator&, const CacheLineAllocator&) = default;
};

using AlignedPixels = std::vector<uint16_t, CacheLineAllocator<uint16_t>>;

}  // namespace Drobix
