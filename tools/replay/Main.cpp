// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-replay [SCRIPT]: runs Drobix headless from a script (standard input when SCRIPT is
// missing or "-"). See ReplayScript.cpp for the commands.
#include <fstream>
#include <iostream>
#include <string>

#include "ReplayScript.h"
#include "ReplaySystem.h"

int main(int argc, char** argv) {
    Drobix::Replay::UseBinaryStandardOutput();
    const std::string path = argc > 1 ? argv[1] : "-";
    if (path == "-") {
        return Drobix::Replay::RunScript(std::cin, std::cout, std::cerr);
    }
    std::ifstream script(path);
    if (!script) {
        std::cerr << "drobix-replay: cannot open " << path << "\n";
        return Drobix::Replay::kExitMalformedScript;
    }
    return Drobix::Replay::RunScript(script, std::cout, std::cerr);
}
