// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's lasting storage in the browser: IndexedDB, mounted at /persistent and read into
// memory before the program starts (the program waits for this run dependency), then written
// through after every save (src/platform/web/FilesWeb.cpp calls drobixWriteSavesThrough).
// Module.drobixSavesPending counts the writes not yet in IndexedDB, for the tests that wait for
// them. Writes run one after another: the file system asks that no two overlap.
Module["drobixSavesPending"] = 0;
Module["preRun"] = [].concat(Module["preRun"] || []);
Module["preRun"].push(function () {
    FS.mkdir("/persistent");
    FS.mount(IDBFS, {}, "/persistent");
    addRunDependency("drobix-storage");
    FS.syncfs(true, function () {
        removeRunDependency("drobix-storage");
    });
});

var drobixWrites = Promise.resolve();
Module["drobixWriteSavesThrough"] = function () {
    Module["drobixSavesPending"] += 1;
    drobixWrites = drobixWrites.then(function () {
        return new Promise(function (done) {
            FS.syncfs(false, function () {
                Module["drobixSavesPending"] -= 1;
                done();
            });
        });
    });
};
