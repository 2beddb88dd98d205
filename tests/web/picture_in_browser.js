// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in a small and a large tab (the large one at twice the pixel density): the canvas is
// as large as the tab in device pixels, and shows the frame the game presented, scaled sharply,
// on the main menu and in a game; the game's keys are kept from the browser (arrows and Space
// do not scroll); F11 puts the page in full screen and the game fills it; Esc on the main menu
// ends the game, and the page says so; no console errors.
// Screenshots go to $DROBIX_SCREENSHOTS when it names a folder.
// Usage (through browser.sh): picture_in_browser.js PAGE_FOLDER
'use strict';

const path = require('path');
const test = require('./lib/browser-test');

const TABS = [
    {name: 'small', width: 480, height: 400, deviceScaleFactor: 1},
    {name: 'large', width: 1280, height: 900, deviceScaleFactor: 2},
];
// Frames enough for a screen to be entered and drawn whole.
const SETTLE_FRAMES = 30;
const GAME_KEYS = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Space'];

async function screenshot(page, name) {
    const folder = process.env.DROBIX_SCREENSHOTS;
    if (folder) {
        await page.screenshot({path: path.join(folder, `drobix-web-${name}.png`)});
    }
}

async function settle(page) {
    await test.waitForPresents(page, (await test.presents(page)) + SETTLE_FRAMES);
}

// Which of the game's keys the browser was left to act on: their key events (keypress for
// Space, which scrolls from there) not prevented after the game's handlers ran.
function watchGameKeys(page) {
    return page.evaluate(() => {
        window.drobixKeysLeftToBrowser = [];
        const note = (event) => {
            const scrolls = event.type === 'keypress' ? event.key === ' '
                                                      : event.key.startsWith('Arrow');
            if (scrolls && !event.defaultPrevented) {
                window.drobixKeysLeftToBrowser.push(`${event.type} ${event.key}`);
            }
        };
        window.addEventListener('keydown', note);
        window.addEventListener('keypress', note);
    });
}

async function checkTab(browser, url, tab) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const problems = [];
    test.watchConsole(page, problems);
    await page.setViewport(tab);
    await page.goto(`${url}?test`);
    const pixelWidth = Math.round(tab.width * tab.deviceScaleFactor);
    const pixelHeight = Math.round(tab.height * tab.deviceScaleFactor);
    await test.waitForPresents(page, SETTLE_FRAMES);
    await test.expectCanvasShowsFrame(page, `${tab.name} tab, main menu`, pixelWidth, pixelHeight);
    await screenshot(page, `menu-${tab.name}`);

    await watchGameKeys(page);
    await test.press(page, '3');
    await settle(page);
    await test.expectCanvasShowsFrame(page, `${tab.name} tab, a game`, pixelWidth, pixelHeight);
    for (const key of GAME_KEYS) {
        await test.press(page, key);
    }
    await settle(page);
    await test.expectCanvasShowsFrame(page, `${tab.name} tab, a game after its keys`, pixelWidth,
                                      pixelHeight);
    await screenshot(page, `game-${tab.name}`);
    const left = await page.evaluate(() => window.drobixKeysLeftToBrowser);
    if (left.length > 0) {
        test.fail(`${tab.name} tab: the browser was left to act on ${left.join(', ')}`);
    }
    if (await page.evaluate(() => window.scrollX !== 0 || window.scrollY !== 0)) {
        test.fail(`${tab.name} tab: the page scrolled`);
    }
    test.expectNoProblems(problems, `${tab.name} tab`);
    await context.close();
}

// F11 takes the page to full screen, the game's frame filling the screen, and back.
async function checkFullScreen(browser, url) {
    const page = await browser.newPage();
    const problems = [];
    test.watchConsole(page, problems);
    await page.setViewport({width: 640, height: 480, deviceScaleFactor: 1});
    await page.goto(`${url}?test`);
    await test.waitForPresents(page, SETTLE_FRAMES);
    await test.press(page, 'F11');
    await page.waitForFunction(() => document.fullscreenElement !== null,
                               {timeout: test.TIMEOUT_MS});
    await settle(page);
    const [width, height] = await page.evaluate(
        () => [document.getElementById('canvas').width, document.getElementById('canvas').height]);
    await test.expectCanvasShowsFrame(page, 'full screen', width, height);
    await test.press(page, 'F11');
    await page.waitForFunction(() => document.fullscreenElement === null,
                               {timeout: test.TIMEOUT_MS});
    await settle(page);
    await test.expectCanvasShowsFrame(page, 'back from full screen', 640, 480);
    test.expectNoProblems(problems, 'full screen');
    await page.close();
}

// Esc on the main menu ends the game: the page then says how to play again.
async function checkGameEnd(browser, url) {
    const page = await browser.newPage();
    const problems = [];
    test.watchConsole(page, problems);
    await page.goto(`${url}?test`);
    await test.waitForPresents(page, SETTLE_FRAMES);
    // Held until the game has ended: no frame comes after the one that read it.
    await page.keyboard.down('Escape');
    await page.waitForFunction(
        () => !document.getElementById('loading').hidden &&
            document.getElementById('canvas').hidden,
        {timeout: test.TIMEOUT_MS});
    await page.keyboard.up('Escape');
    console.log(`after Esc the page says: ${
        await page.evaluate(() => document.getElementById('loading').textContent)}`);
    test.expectNoProblems(problems, 'the end of the game');
    await page.close();
}

async function main() {
    const {server, url} = await test.serve(process.argv[2]);
    const browser = await test.launch();
    try {
        for (const tab of TABS) {
            await checkTab(browser, url, tab);
        }
        await checkFullScreen(browser, url);
        await checkGameEnd(browser, url);
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch((error) => test.fail(error.stack || String(error)));
