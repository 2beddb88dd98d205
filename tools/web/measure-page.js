// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's figures in headless Chromium (docs/PERFORMANCE.md): the time from the page's
// load to its main menu (the menu's first present), over several loads each in a fresh profile;
// frames per second and the spread of the intervals between presents over a minute of a game;
// and the processor time of all of Chromium's processes while the game plays beside the same
// time with one blank tab, in the same run.
// Usage: tests/web/browser.sh PAGE_FOLDER tools/web/measure-page.js [SECONDS] [LOADS]
'use strict';

const fs = require('fs');
const path = require('path');
const test = require(path.join(__dirname, '../../tests/web/lib/browser-test'));

const seconds = Number(process.argv[3] || 60);
const loads = Number(process.argv[4] || 5);
const CLOCK_TICKS = 100;

// Processor seconds of the process and all its descendants, from /proc.
function treeSeconds(root) {
    const children = new Map();
    const times = new Map();
    for (const entry of fs.readdirSync('/proc')) {
        if (!/^\d+$/.test(entry)) {
            continue;
        }
        let stat;
        try {
            stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
        } catch {
            continue;
        }
        const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
        const parent = Number(fields[1]);
        times.set(Number(entry), (Number(fields[11]) + Number(fields[12])) / CLOCK_TICKS);
        if (!children.has(parent)) {
            children.set(parent, []);
        }
        children.get(parent).push(Number(entry));
    }
    let total = 0;
    const pending = [root];
    while (pending.length > 0) {
        const pid = pending.pop();
        total += times.get(pid) || 0;
        pending.push(...(children.get(pid) || []));
    }
    return total;
}

// Processor share (of one core) of Chromium's processes over the run of `during`.
async function processorShare(browser, during) {
    const pid = browser.process().pid;
    const startCpu = treeSeconds(pid);
    const start = process.hrtime.bigint();
    await during();
    const wall = Number(process.hrtime.bigint() - start) / 1e9;
    return (treeSeconds(pid) - startCpu) / wall;
}

function median(values) {
    const sorted = values.slice().sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

function percentile(sorted, fraction) {
    return sorted[Math.min(sorted.length - 1, Math.floor(fraction * sorted.length))];
}

// Milliseconds from the start of the page's navigation to the main menu's first present.
async function loadTime(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({width: 800, height: 600});
    await page.evaluateOnNewDocument(() => {
        const look = () => {
            if (window.drobixFrameCopy && window.drobixFrameCopy().count >= 2) {
                window.drobixMenuShownAt = performance.now();
            } else {
                requestAnimationFrame(look);
            }
        };
        requestAnimationFrame(look);
    });
    await page.goto(`${url}?test`);
    await page.waitForFunction(() => window.drobixMenuShownAt !== undefined,
                               {timeout: test.TIMEOUT_MS});
    const shownAt = await page.evaluate(() => window.drobixMenuShownAt);
    await context.close();
    return shownAt;
}

// Every present's time while the game plays, for `seconds`: the animation frames at which the
// present count had moved on.
async function playAndRecord(page) {
    await page.evaluate(() => {
        window.drobixPresentTimes = [];
        let last = window.drobixFrameCopy().count;
        const look = (now) => {
            const count = window.drobixFrameCopy().count;
            if (count !== last) {
                window.drobixPresentTimes.push(now);
                last = count;
            }
            requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    });
    const start = await test.presents(page);
    await page.waitForFunction((ms) => performance.now() - window.drobixPresentTimes[0] >= ms,
                               {timeout: (seconds + 30) * 1000, polling: 1000}, seconds * 1000);
    const times = await page.evaluate(() => window.drobixPresentTimes);
    return {times, presents: (await test.presents(page)) - start};
}

async function main() {
    const {server, url} = await test.serve(process.argv[2]);
    const browser = await test.launch();
    try {
        const loadTimes = [];
        for (let load = 0; load < loads; ++load) {
            loadTimes.push(await loadTime(browser, url));
        }
        console.log(`Page load to main menu: median ${median(loadTimes).toFixed(0)} ms ` +
                    `(${loadTimes.map((t) => t.toFixed(0)).join(', ')} ms)`);

        const blank = await browser.newPage();
        const blankShare = await processorShare(
            browser, () => new Promise((done) => setTimeout(done, seconds * 1000)));
        await blank.close();

        const page = await browser.newPage();
        await page.setViewport({width: 1280, height: 900});
        await page.goto(`${url}?test`);
        await test.waitForPresents(page, 30);
        await test.press(page, '3');
        let recording;
        const gameShare = await processorShare(browser, async () => {
            recording = await playAndRecord(page);
        });
        const intervals = [];
        for (let i = 1; i < recording.times.length; ++i) {
            intervals.push(recording.times[i] - recording.times[i - 1]);
        }
        const sorted = intervals.slice().sort((a, b) => a - b);
        const mean = intervals.reduce((a, b) => a + b, 0) / intervals.length;
        const deviation =
            Math.sqrt(intervals.reduce((a, b) => a + (b - mean) ** 2, 0) / intervals.length);
        const span = (recording.times[recording.times.length - 1] - recording.times[0]) / 1000;
        console.log(`A game, ${span.toFixed(1)} s at 1280 x 900: ` +
                    `${(intervals.length / span).toFixed(2)} frames per second; intervals mean ` +
                    `${mean.toFixed(2)} ms, standard deviation ${deviation.toFixed(2)} ms, ` +
                    `1st percentile ${percentile(sorted, 0.01).toFixed(2)} ms, 99th ` +
                    `${percentile(sorted, 0.99).toFixed(2)} ms, longest ` +
                    `${sorted[sorted.length - 1].toFixed(2)} ms`);
        console.log(`Chromium's processor share (of one core): the game ${(100 * gameShare)
            .toFixed(1)} %, a blank page ${(100 * blankShare).toFixed(1)} %`);
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch((error) => test.fail(`${error.stack || error}${error.cause ? `\ncaused by: ${error.cause.stack || error.cause}` : ''}`));
