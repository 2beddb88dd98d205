// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole game in the browser, played with key presses: the page is silent and says how to start
// its sound until the first key press, which starts it; a game is dropped to its end, a name is
// typed into the high-score table, and once the save has reached IndexedDB the page is reloaded:
// the main menu's table then shows the new entry, as it did before the reload. No console
// errors from start to end.
// Usage (through browser.sh): play_and_reload.js PAGE_FOLDER
'use strict';

const test = require('./lib/browser-test');

// Where the main menu shows the high-score table (with its panel), and the sound line, in the
// frame.
const TABLE_ROWS = [400, 500];
const TABLE_COLUMNS = [250, 550];
const SOUND_LINE_ROWS = [505, 545];
const SETTLE_FRAMES = 30;
// Blocks dropped at once until the well is full: more than enough, and the drops after the end
// type spaces into the name, which are taken back.
const DROPS = 40;
const TYPED_AFTER_END = 22;
const NAME = 'web';

// A digest of the frame's rows [top, bottom) and columns [left, right), as the page has it now.
function frameArea(page, rows, columns = [0, 800]) {
    return page.evaluate((top, bottom, left, right) => {
        const copy = window.drobixFrameCopy();
        let hash = 2166136261;
        for (let y = top; y < bottom; ++y) {
            for (let x = left; x < right; ++x) {
                for (let channel = 0; channel < 3; ++channel) {
                    hash = Math.imul(hash ^ copy.rgba[4 * (y * copy.width + x) + channel],
                                     16777619) >>> 0;
                }
            }
        }
        return hash;
    }, rows[0], rows[1], columns[0], columns[1]);
}

function audioState(page) {
    return page.evaluate(() => {
        const audio = window.Module && Module.SDL2 && Module.SDL2.audioContext;
        return audio ? audio.state : 'none';
    });
}

async function settle(page) {
    await test.waitForPresents(page, (await test.presents(page)) + SETTLE_FRAMES);
}

// The sound line shows while the browser holds the sound, and goes with the first key press,
// which starts the sound.
async function checkSoundStart(page) {
    if ((await audioState(page)) !== 'suspended') {
        test.fail(`the page's sound is ${await audioState(page)} before any key press`);
    }
    const blank = await frameArea(page, [SOUND_LINE_ROWS[1], SOUND_LINE_ROWS[1] + 1]);
    const withLine = await frameArea(page, SOUND_LINE_ROWS);
    await test.press(page, 'x');
    await page.waitForFunction(() => Module.SDL2.audioContext.state === 'running',
                               {timeout: test.TIMEOUT_MS});
    await settle(page);
    const withoutLine = await frameArea(page, SOUND_LINE_ROWS);
    if (withLine === withoutLine || blank === withLine) {
        test.fail('the main menu did not show "Press any key for sound" until the first key');
    }
    console.log('the sound line showed until the first key press, which started the sound');
}

async function playToTheEnd(page) {
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
    // The table was saved as the name was taken; the file reaches IndexedDB a little later.
    await page.waitForFunction(() => Module.drobixSavesPending === 0, {timeout: test.TIMEOUT_MS});
    // No other game: back to the main menu.
    await test.press(page, 'n');
    await settle(page);
}

async function main() {
    const {server, url} = await test.serve(process.argv[2]);
    const browser = await test.launch(['--autoplay-policy=user-gesture-required']);
    try {
        const page = await browser.newPage();
        const problems = [];
        test.watchConsole(page, problems);
        await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
        await page.goto(`${url}?test`);
        await test.waitForPresents(page, SETTLE_FRAMES);
        const tableBefore = await frameArea(page, TABLE_ROWS, TABLE_COLUMNS);
        await checkSoundStart(page);
        await playToTheEnd(page);
        const tableAfter = await frameArea(page, TABLE_ROWS, TABLE_COLUMNS);
        if (tableAfter === tableBefore) {
            test.fail('the high-score table did not change after the game');
        }
        await test.expectCanvasShowsFrame(page, 'the main menu after the game', 800, 600);

        await page.reload();
        await test.waitForPresents(page, SETTLE_FRAMES);
        const tableReloaded = await frameArea(page, TABLE_ROWS, TABLE_COLUMNS);
        if (tableReloaded !== tableAfter) {
            test.fail('after the reload the high-score table is not the one the game left');
        }
        console.log('the new high score is in the table after the reload');
        test.expectNoProblems(problems, 'the game and the reload');
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch((error) => test.fail(error.stack || String(error)));
