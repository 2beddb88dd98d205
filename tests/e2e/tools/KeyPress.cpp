// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-key-press: presses keys together on the X server of $DISPLAY (through XTEST) and
// holds them just until a frame of the game has surely read them: the first frame that started
// after the server took the press. It releases them, in reverse order, as soon as that frame has
// drawn (and so has acted on them), before the next frame reads the keys again. The game acts on
// a key again only once its key gate has run out, so a key is seen once however slowly frames
// come, long frames (a switch to full screen) included. Waiting stops early when the game ends
// (a key may end it).
//     drobix-key-press FRAME_COPY GAME_PID KEY...
// FRAME_COPY is the game's DROBIX_FRAME_COPY file, whose first eight bytes count up once as a
// frame is taken (odd while it is being presented) and once more when it has been shown. A KEY is
// a key symbol's name (shift, alt and ctrl for the left ones), or an X key code of two digits or
// more. Exit status: 0 done, 1 no frames in time, 2 bad arguments.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDecimal = 10;
constexpr int kArgumentsBeforeKeys = 3;
constexpr auto kPollInterval = std::chrono::milliseconds(1);
constexpr auto kTimeLimit = std::chrono::seconds(30);
// How long to look for a frame being presented before pressing without one.
constexpr auto kAlignLimit = std::chrono::milliseconds(200);
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

// Whether the process runs (one that ended but is not yet waited for does not).
bool Running(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string number;
    std::string name;
    std::string state;
    stat >> number >> name >> state;
    return stat && state != "Z";
}

// Until a frame is being presented: that frame read its keys before, and the next one reads
// them after, whatever is pressed now. Looked for without pause, as a present is short.
void WaitForAPresent(int file) {
    const auto deadline = std::chrono::steady_clock::now() + kAlignLimit;
    while (!IsPresenting(ReadCount(file)) && std::chrono::steady_clock::now() < deadline) {
    }
}

// The count at which the first frame that surely read the keys pressed has drawn. `before` and
// `after` are the counts read just before the press and just after the server took it.
uint64_t CountOfTheReadingFrame(uint64_t before, uint64_t after) {
    if (before == after && IsPresenting(before)) {
        // Shown, then the next frame taken.
        return before + 2;
    }
    // Unsure whether the frame under way read the keys before or after: the one after it.
    return (after + 2) | 1U;
}

// Whether the count reached `target`, or the game ended, in the time limit.
bool WaitForCount(int file, const std::string& pid, uint64_t target) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    while (ReadCount(file) < target && Running(pid)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

void SendKeys(Display* display, const std::vector<KeyCode>& codes, bool down) {
    for (size_t i = 0; i < codes.size(); ++i) {
        const KeyCode code = down ? codes[i] : codes[codes.size() - 1 - i];
        XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    }
    // Back from the server only once it has taken the events.
    XSync(display, False);
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
    const std::string pid = argv[2];
    std::vector<KeyCode> codes;
    for (int i = kArgumentsBeforeKeys; i < argc; ++i) {
        const KeyCode code = ToKeyCode(display, argv[i]);
        if (code == 0) {
            std::fprintf(stderr, "drobix-key-press: no key %s on this keymap\n", argv[i]);
            return kStatusBadArguments;
        }
        codes.push_back(code);
    }
    WaitForAPresent(file);
    const uint64_t before = ReadCount(file);
    SendKeys(display, codes, true);
    const uint64_t after = ReadCount(file);
    const bool presented = WaitForCount(file, pid, CountOfTheReadingFrame(before, after));
    SendKeys(display, codes, false);
    XCloseDisplay(display);
    close(file);
    if (!presented) {
        std::fprintf(stderr, "drobix-key-press: the game presented no frames\n");
        return kStatusNoFrames;
    }
    return 0;
}
