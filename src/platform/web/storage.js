// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's lasting storage in the browser: IndexedDB, mounted at /persistent and read into
// memory before the program starts (the program waits for this run dependency), then written
// through after every save (src/platform/web/FilesWeb.cpp calls drobixWriteSavesThrough).
// Module.drobixSavesPending counts the writes not yet in IndexedDB, for the tests that wait for
// them. Writes run one after another: the file system asks that no two overlap.
// Other tabs of the game write the same IndexedDB: before a save reads what it merges with, its
// lock pulls their files in (drobixPullSaves, from src/platform/web/StoragePullWeb.cpp), in line
// after this tab's writes; Module.drobixPullsPending counts the pulls not yet done.
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

// IndexedDB's files over this tab's copy, where they differ. IDBFS's own populate would also
// remove what is here alone: the folders and lock files made since the start, which reach
// IndexedDB with the next write. Those are kept. Nothing newer of this tab's is overwritten:
// every save is written through at once, and the pull runs after those writes.
function drobixPullKeepingOwn(done) {
    var mount = FS.lookupPath("/persistent").node.mount;
    IDBFS.getLocalSet(mount, function (localError, local) {
        if (localError) {
            done();
            return;
        }
        IDBFS.getRemoteSet(mount, function (remoteError, remote) {
            if (remoteError) {
                done();
                return;
            }
            Object.keys(local.entries).forEach(function (path) {
                if (!(path in remote.entries)) {
                    remote.entries[path] = local.entries[path];
                }
            });
            IDBFS.reconcile(remote, local, function () {
                done();
            });
        });
    });
}

Module["drobixPullsPending"] = 0;
Module["drobixPullSaves"] = function () {
    Module["drobixPullsPending"] += 1;
    drobixWrites = drobixWrites.then(function () {
        return new Promise(function (done) {
            drobixPullKeepingOwn(function () {
                Module["drobixPullsPending"] -= 1;
                done();
            });
        });
    });
};
