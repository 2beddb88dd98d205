// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// drobix-replay under node reads the variables node was started with (XDG_DATA_HOME,
// XDG_CONFIG_HOME, LANG, ...) and those alone, as the Linux program reads its own: emscripten's
// stand-ins for a browser's (USER, HOME, LANG, ...) are unset first.
Module["preRun"] = [].concat(Module["preRun"] || []);
Module["preRun"].push(function () {
    ["USER", "LOGNAME", "PATH", "PWD", "HOME", "LANG", "_"].forEach(function (name) {
        ENV[name] = undefined;
    });
    Object.assign(ENV, process.env);
});
