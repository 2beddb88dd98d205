// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a program on SDL does to show a picture every frame, as a yardstick for the game's
// frame figures: a window full screen on the desktop, its whole window surface filled with a
// colour that changes every frame and presented (SDL_UpdateWindowSurface), 60 frames a second
// held by one sleep to each frame's deadline. Runs until interrupted or its window is closed.
// Like the game, it writes every frame's start time (steady clock, nanoseconds) to the file
// that DROBIX_FRAME_LOG names.
#include <SDL.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr auto kInterval = std::chrono::nanoseconds(1'000'000'000 / 60);
constexpr int kColourStep = 3;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int /*signal*/) {
    stopRequested = 1;
}

bool QuitAsked() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            return true;
        }
    }
    return stopRequested != 0;
}

}  // namespace

int main() {
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("Minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          800, 600, SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (window == nullptr) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    std::FILE* log = nullptr;
    if (const char* path = std::getenv("DROBIX_FRAME_LOG")) {
        log = std::fopen(path, "w");
    }
    auto deadline = std::chrono::steady_clock::now();
    for (int frame = 0; !QuitAsked(); ++frame) {
        const auto start = std::chrono::steady_clock::now();
        if (log != nullptr) {
            std::fprintf(
                log, "%lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch())
                        .count()));
        }
        if (SDL_Surface* surface = SDL_GetWindowSurface(window)) {
            const auto level = static_cast<uint8_t>(frame * kColourStep);
            SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, level, 64, 255 - level));
            SDL_UpdateWindowSurface(window);
        }
        deadline += kInterval;
        std::this_thread::sleep_until(deadline);
    }
    if (log != nullptr) {
        std::fclose(log);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
