// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Two tabs of the game open at once share one IndexedDB, each with its own copy of the files read
// at its start. The first takes a high score; then the second, which never saw it, changes an
// option, which saves the data file: that save must merge the first tab's entry, as two copies
// on the desktop do, so that after a reload the second tab's data file holds both the name and
// the option. No console errors from start to end.
// (The table keeps five entries, four of them far above what a quick game scores: a high score
// in each tab would leave room for only one of them, here as on the desktop.)
// Usage (through browser.sh): two_tabs.js PAGE_FOLDER
'use strict';

const test = require('./lib/browser-test');

const DATA_FILE = '/persistent/.local/share/Quillbeam/Drobix/Drobix.dat';
const SETTLE_FRAMES = 30;
// As in play_and_reload.js: blocks dropped until the well is full, then the spaces those drops
// typed into the name taken back.
const DROPS = 40;
const TYPED_AFTER_END = 22;
const NAME = 'qqq';

async function settle(page) {
    await test.waitForPresents(page, (await test.presents(page)) + SETTLE_FRAMES);
}

async function openTab(browser, url, problems) {
    const page = await browser.newPage();
    test.watchConsole(page, problems);
    await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
    await page.goto(`${url}?test`);
    await test.waitForPresents(page, SETTLE_FRAMES);
    return page;
}

// The tab's copy of the data file, as text ('' while there is none).
function dataFile(page) {
    return page.evaluate((file) => (FS.analyzePath(file).exists ?
        String.fromCharCode(...FS.readFile(file)) : ''), DATA_FILE);
}

// Until the tab's data file is none of `earlier` (what it was, and what another tab's file brought
// in may make it) and has reached IndexedDB. Waited on the file itself: a save's first steps
// (bringing in the other tabs' files, the flush of its new file) give the browser turns of their
// own before the write counted in drobixSavesPending starts.
function savedOver(page, earlier) {
    return page.waitForFunction((file, old) => Module.drobixSavesPending === 0 &&
        FS.analyzePath(file).exists && !old.includes(String.fromCharCode(...FS.readFile(file))),
    {timeout: test.TIMEOUT_MS}, DATA_FILE, earlier);
}

// A game from the main menu to its end and the name typed into the table. The first key press
// only starts the sound.
async function playForHighScore(page) {
    await page.bringToFront();
    const earlier = [await dataFile(page)];
    await test.press(page, 'x');
    await test.press(page, '3');
    await settle(page);
    for (let drop = 0; drop < DROPS; ++drop) {
        await test.press(page, 'Space');
    }
    await test.press(page, 'End');
    for (let typed = 0; typed < TYPED_AFTER_END; ++typed) {
        await test.press(page, 'Backspace');
    }
    for (const letter of NAME) {
        await test.press(page, letter);
    }
    await test.press(page, 'Enter');
    await savedOver(page, earlier);
}

// The starting level stepped on the options screen, saved as the screen is left.
async function changeAnOption(page, otherFile) {
    await page.bringToFront();
    const earlier = [await dataFile(page), otherFile];
    await test.press(page, 'x');
    await test.press(page, '2');
    await test.press(page, '4');
    await test.press(page, 'Escape');
    await savedOver(page, earlier);
}

async function main() {
    const {server, url} = await test.serve(process.argv[2]);
    const browser = await test.launch();
    try {
        const problems = [];
        const first = await openTab(browser, url, problems);
        const second = await openTab(browser, url, problems);
        await playForHighScore(first);
        const firstFile = await dataFile(first);
        if (!firstFile.includes(NAME)) {
            test.fail('the first tab\'s data file lacks its high score');
        }
        await changeAnOption(second, firstFile);
        await second.reload();
        await test.waitForPresents(second, SETTLE_FRAMES);
        const secondFile = await dataFile(second);
        if (!secondFile.includes(NAME) || secondFile === firstFile) {
            test.fail(`after the reload the second tab's data file ${secondFile.includes(NAME) ?
                'holds' : 'lacks'} the first tab's high score and ${secondFile === firstFile ?
                'lacks' : 'holds'} its own option`);
        }
        console.log('the first tab\'s high score and the second tab\'s option are both kept');
        test.expectNoProblems(problems, 'the two tabs');
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch((error) => test.fail(error.stack || String(error)));
