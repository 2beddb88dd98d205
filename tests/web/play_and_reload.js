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

// Where the main menu shows the high-score table's lines (inside their panel, where nothing moves
// behind them), and where the sound line would be, in the frame.
const TABLE_ROWS = [425, 485];
const TABLE_COLUMNS = [260, 540];
const SOUND_LINE_ROWS = [510, 535];
const SOUND_LINE_COLUMNS = [250, 550];
// The line's letters are near white; the backdrop behind it never is.
const BRIGHT = 200;
const LETTER_PIXELS = 100;
const SETTLE_FRAMES = 30;
// Blocks dropped at once until the well is full: more than enough, and the drops after the end
// type spaces into the name, which are taken back.
const DROPS = 40;
const TYPED_AFTER_END = 22;
const NAME = 'web';
const DATA_FILE = '/persistent/.local/share/Quillbeam/Drobix/Drobix.dat';

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

// In the page from its start: how many pixels of a frame area are near white, and the sound's
// state and the sound line's pixels once the main menu has settled, told by a console line.
// Watched from the page itself: a script the test runs in the page counts as a user's gesture,
// which would let the sound start before the player did anything.
const MENU_SEEN = 'drobix test: the main menu has settled';
function watchFirstMenu(page) {
    return page.evaluateOnNewDocument((rows, columns, bright, settleFrames, line) => {
        window.drobixBrightPixels = (top, bottom, left, right) => {
            const copy = window.drobixFrameCopy();
            let count = 0;
            for (let y = top; y < bottom; ++y) {
                for (let x = left; x < right; ++x) {
                    const at = 4 * (y * copy.width + x);
                    if (Math.min(copy.rgba[at], copy.rgba[at + 1], copy.rgba[at + 2]) >= bright) {
                        ++count;
                    }
                }
            }
            return count;
        };
        const look = () => {
            if (!window.drobixFrameCopy || window.drobixFrameCopy().count < settleFrames) {
                requestAnimationFrame(look);
                return;
            }
            const audio = Module.SDL2 && Module.SDL2.audioContext;
            window.drobixFirstMenu = {
                audio: audio ? audio.state : 'none',
                letters: window.drobixBrightPixels(rows[0], rows[1], columns[0], columns[1]),
            };
            console.log(line);
        };
        requestAnimationFrame(look);
    }, SOUND_LINE_ROWS, SOUND_LINE_COLUMNS, BRIGHT, SETTLE_FRAMES, MENU_SEEN);
}

async function settle(page) {
    await test.waitForPresents(page, (await test.presents(page)) + SETTLE_FRAMES);
}

// The sound line shows while the browser holds the sound, and goes with the first key press,
// which starts the sound.
async function checkSoundStart(page) {
    const first = await page.evaluate(() => window.drobixFirstMenu);
    if (first.audio !== 'suspended') {
        test.fail(`the page's sound is ${first.audio} before any key press`);
    }
    await test.press(page, 'x');
    await page.waitForFunction(() => Module.SDL2.audioContext.state === 'running',
                               {timeout: test.TIMEOUT_MS});
    await settle(page);
    const after = await page.evaluate((rows, columns) => window.drobixBrightPixels(
        rows[0], rows[1], columns[0], columns[1]), SOUND_LINE_ROWS, SOUND_LINE_COLUMNS);
    if (first.letters < LETTER_PIXELS || after !== 0) {
        test.fail(`the sound line's letters: ${first.letters} pixels before the first key press, ` +
                  `${after} after; it must show until then, and only until then`);
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
    // The table was saved as the name was taken; the file reaches IndexedDB a little later. The
    // save's first steps (bringing in other tabs' files, the flush of the new file) give the
    // browser turns before its write is counted: the wait is on the file holding the name too.
    await page.waitForFunction((file, name) => Module.drobixSavesPending === 0 &&
        FS.analyzePath(file).exists && String.fromCharCode(...FS.readFile(file)).includes(name),
    {timeout: test.TIMEOUT_MS}, DATA_FILE, NAME);
    // No other game: back to the main menu.
    await test.press(page, 'n');
    await settle(page);
}

async function main() {
    const {server, url} = await test.serve(process.argv[2]);
    const browser = await test.launch();
    try {
        const page = await browser.newPage();
        const problems = [];
        test.watchConsole(page, problems);
        await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
        await watchFirstMenu(page);
        const menuSeen = new Promise((resolve, reject) => {
            page.on('console', (message) => message.text() === MENU_SEEN && resolve());
            setTimeout(() => reject(new Error('the main menu did not settle')), test.TIMEOUT_MS);
        });
        await page.goto(`${url}?test`);
        await menuSeen;
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
        if (process.env.DROBIX_SCREENSHOTS) {
            await page.screenshot({path: `${process.env.DROBIX_SCREENSHOTS}/drobix-web-reloaded.png`});
        }
        test.expectNoProblems(problems, 'the game and the reload');
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch((error) => test.fail(error.stack || String(error)));
