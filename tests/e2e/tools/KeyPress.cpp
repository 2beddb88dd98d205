// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-key-press: presses keys together on the X server of $DISPLAY (through XTEST) and
// holds them just until a frame of the game has surely read them: the first frame that started
// after the server took the press. It releases them, in reverse order, as soon as that frame has
// drawn (and so has acted on them), before the next frame reads the keys again. The game acts on
// a key again only once its key gate has run out, so a key is seen once however slowly frames
// come, long frames (a switch to full screen) included. To know which frame reads the press
// first, the game is stopped (SIGSTOP) for the moment of the press where its next frame has not
// read its keys yet: in the middle of a present, or asleep waiting for the next frame's time.
// Waiting stops early when the game ends (a key may end it).
//     drobix-key-press FRAME_COPY GAME_PID KEY...
// FRAME_COPY is the game's DROBIX_FRAME_COPY file, whose first eight bytes count up once as a
// frame is taken (odd while it is being presented) and once more when it has been shown. A KEY is
// a key symbol's name (shift, alt and ctrl for the left ones), or an X key code of two digits or
// more. Exit status: 0 done, 1 no frames in time, 2 bad arguments.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDecimal = 10;
constexpr int kArgumentsBeforeKeys = 3;
constexpr auto kPollInterval = std::chrono::milliseconds(1);
constexpr auto kTimeLimit = std::chrono::seconds(30);
// How often to try to stop the game before a frame's reading of the keys, before pressing
// without knowing where it is.
constexpr int kStopAttempts = 100;
constexpr auto kRetryInterval = std::chrono::milliseconds(3);
// The system calls of a thread that sleeps (x86-64 numbers): nanosleep and clock_nanosleep.
constexpr long kNanosleep = 35;
constexpr long kClockNanosleep = 230;
constexpr int kKeymapBytes = 32;
constexpr unsigned kBitsPerByte = 8;
constexpr int kStatusNoFrames = 1;
constexpr int kStatusBadArguments = 2;

struct Alias {
    const char* name;
    const char* keysym;
};

constexpr Alias kAliases[] = {{"shift", "Shift_L"}, {"alt", "Alt_L"}, {"ctrl", "Control_L"}};

// The key code of a name, as xdotool reads it; 0 when the keymap has no such key.
KeyCode ToKeyCode(Display* display, const char* name) {
    if (std::strlen(name) >= 2 && std::strspn(name, "0123456789") == std::strlen(name)) {
        return static_cast<KeyCode>(std::strtol(name, nullptr, kDecimal));
    }
    for (const Alias& alias : kAliases) {
        if (std::strcmp(name, alias.name) == 0) {
            name = alias.keysym;
        }
    }
    const KeySym symbol = XStringToKeysym(name);
    return symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
}

// The frame copy's count: 0 before the first frame.
uint64_t ReadCount(int file) {
    uint64_t count = 0;
    if (pread(file, &count, sizeof count, 0) != static_cast<ssize_t>(sizeof count)) {
        return 0;
    }
    return count;
}

bool IsPresenting(uint64_t count) {
    return count % 2 == 1;
}

// The process's state letter (R, S, T, Z...); empty when there is no such process.
std::string State(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string number;
    std::string name;
    std::string state;
    stat >> number >> name >> state;
    return stat ? state : std::string();
}

// Whether the process runs (one that ended but is not yet waited for does not).
bool Running(pid_t pid) {
    const std::string state = State(pid);
    return !state.empty() && state != "Z";
}

// Whether the process's main thread sleeps in a system call (the game waiting for its next
// frame's time, before that frame reads its keys).
bool Asleep(pid_t pid) {
    std::ifstream syscall("/proc/" + std::to_string(pid) + "/syscall");
    long number = -1;
    syscall >> number;
    return syscall && (number == kNanosleep || number == kClockNanosleep);
}

// Stops the game and returns once it has stopped (or ended).
void Stop(pid_t pid) {
    kill(pid, SIGSTOP);
    while (Running(pid) && State(pid) != "T") {
    }
}

// Stops the game where its next frame has not read its keys yet; the count at which that frame
// will have drawn, or nothing when the game was never caught there (and is left running).
std::optional<uint64_t> StopBeforeAFrame(int file, pid_t pid) {
    for (int attempt = 0; attempt < kStopAttempts && Running(pid); ++attempt) {
        Stop(pid);
        const uint64_t count = ReadCount(file);
        if (IsPresenting(count)) {
            // Shown, then the next frame taken.
            return count + 2;
        }
        if (Asleep(pid)) {
            return count + 1;
        }
        kill(pid, SIGCONT);
        std::this_thread::sleep_for(kRetryInterval);
    }
    return std::nullopt;
}

// Whether the server holds every key of `codes` down (or every one up).
bool ServerHolds(Display* display, const std::vector<KeyCode>& codes, bool down) {
    std::array<char, kKeymapBytes> keymap{};
    XQueryKeymap(display, keymap.data());
    for (const KeyCode code : codes) {
        const bool held = (static_cast<unsigned char>(keymap[code / kBitsPerByte]) &
                           (1U << (code % kBitsPerByte))) != 0;
        if (held != down) {
            return false;
        }
    }
    return true;
}

// Sends the keys' presses or releases, and returns once the server has taken them as input
// (and so handed them to the focused window), not just received them.
void SendKeys(Display* display, const std::vector<KeyCode>& codes, bool down) {
    for (size_t i = 0; i < codes.size(); ++i) {
        const KeyCode code = down ? codes[i] : codes[codes.size() - 1 - i];
        XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    }
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    while (!ServerHolds(display, codes, down) && std::chrono::steady_clock::now() < deadline) {
    }
}

// Presses the keys and returns the count at which the first frame that surely read them has
// drawn.
uint64_t Press(Display* display, const std::vector<KeyCode>& codes, int file, pid_t pid) {
    if (const std::optional<uint64_t> drawn = StopBeforeAFrame(file, pid)) {
        SendKeys(display, codes, true);
        kill(pid, SIGCONT);
        return *drawn;
    }
    // Unsure whether the frame under way reads the keys before or after: the one after it.
    SendKeys(display, codes, true);
    return (ReadCount(file) + 2) | 1U;
}

// Whether the count reached `target`, or the game ended, in the time limit.
bool WaitForCount(int file, pid_t pid, uint64_t target) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    while (ReadCount(file) < target && Running(pid)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc <= kArgumentsBeforeKeys) {
        std::fprintf(stderr, "usage: drobix-key-press FRAME_COPY GAME_PID KEY...\n");
        return kStatusBadArguments;
    }
    const int file = open(argv[1], O_RDONLY | O_CLOEXEC);
    Display* display = XOpenDisplay(nullptr);
    if (file < 0 || display == nullptr) {
        std::fprintf(stderr, "drobix-key-press: cannot open %s or the display\n", argv[1]);
        return kStatusBadArguments;
    }
    const auto pid = static_cast<pid_t>(std::strtol(argv[2], nullptr, kDecimal));
    std::vector<KeyCode> codes;
    for (int i = kArgumentsBeforeKeys; i < argc; ++i) {
        const KeyCode code = ToKeyCode(display, argv[i]);
        if (code == 0) {
            std::fprintf(stderr, "drobix-key-press: no key %s on this keymap\n", argv[i]);
            return kStatusBadArguments;
        }
        codes.push_back(code);
    }
    const bool presented = WaitForCount(file, pid, Press(display, codes, file, pid));
    SendKeys(display, codes, false);
    XCloseDisplay(display);
    close(file);
    if (!presented) {
        std::fprintf(stderr, "drobix-key-press: the game presented no frames\n");
        return kStatusNoFrames;
    }
    return 0;
}
