// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the in-browser tests share: the page folder served over HTTP, Debian's Chromium started
// headless through puppeteer-core, every console error and uncaught exception kept, waits on the
// game's frame copy (window.drobixFrameCopy, present with "?test"), key presses held until a frame
// has read them, and the canvas compared with the frame the game presented.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

// Every wait's limit: generous, since a busy machine slows everything.
const TIMEOUT_MS = Number(process.env.DROBIX_WEB_TIMEOUT_MS || 60000);
// The game acts on a held key again only after its key gate (0.2 s of game time) has run out.
const KEY_GATE_MS = 250;

const CONTENT_TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.wasm': 'application/wasm',
    '.css': 'text/css',
};

function fail(message) {
    console.error(message);
    process.exit(1);
}

// The folder's files, nothing outside it, on a port of the system's choosing; resolves to the
// server and its address.
function serve(folder) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://page').pathname);
        const file = path.join(folder, path.normalize(name === '/' ? '/index.html' : name));
        if (!file.startsWith(folder + path.sep) || !fs.existsSync(file) ||
            !fs.statSync(file).isFile()) {
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, {
            'Content-Type': CONTENT_TYPES[path.extname(file)] || 'application/octet-stream',
        });
        fs.createReadStream(file).pipe(response);
    });
    return new Promise((resolve) => {
        server.listen(0, '127.0.0.1', () => {
            resolve({server, url: `http://127.0.0.1:${server.address().port}/`});
        });
    });
}

function launch(extraArguments = []) {
    return puppeteer.launch({
        executablePath: process.env.DROBIX_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        // The sandbox needs user namespaces, which a test machine's root or container may lack.
        args: ['--no-sandbox', '--disable-gpu', ...extraArguments],
        userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'drobix-chromium-')),
        // A wait runs as one call into the page: the calls may take longer than any wait.
        protocolTimeout: 10 * TIMEOUT_MS,
    });
}

// Keeps every console error and uncaught exception of the page in problems.
function watchConsole(page, problems) {
    page.on('console', (message) => {
        if (message.type() === 'error') {
            problems.push(`console error: ${message.text()}`);
        }
    });
    page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
    page.on('requestfailed', (request) => {
        problems.push(`request failed: ${request.url()} ${request.failure().errorText}`);
    });
}

function expectNoProblems(problems, when) {
    if (problems.length > 0) {
        fail(`${when}: the browser reported\n  ${problems.join('\n  ')}`);
    }
}

// The presents counted so far (0 before the frame copy exists).
function presents(page) {
    return page.evaluate(() => (window.drobixFrameCopy ? window.drobixFrameCopy().count : 0));
}

function waitForPresents(page, count) {
    return page.waitForFunction(
        (wanted) => window.drobixFrameCopy && window.drobixFrameCopy().count >= wanted,
        {timeout: TIMEOUT_MS, polling: 'raf'}, count);
}

// Until the game has presented `frames` more frames and `ms` of the page's time have passed.
async function waitForFramesAndTime(page, frames, ms) {
    const [count, start] =
        await page.evaluate(() => [window.drobixFrameCopy().count, performance.now()]);
    await page.waitForFunction(
        (wanted, since, duration) => window.drobixFrameCopy().count >= wanted &&
            performance.now() - since >= duration,
        {timeout: TIMEOUT_MS, polling: 'raf'}, count + frames, start, ms);
}

// Presses a key (with modifiers held around it, such as 'Shift') and releases it once a frame
// that started after the press has been presented, so that the game read it exactly once; then
// waits out the key gate.
async function press(page, key, modifiers = []) {
    for (const modifier of modifiers) {
        await page.keyboard.down(modifier);
    }
    const before = await presents(page);
    await page.keyboard.down(key);
    await waitForPresents(page, before + 2);
    await page.keyboard.up(key);
    for (const modifier of modifiers.slice().reverse()) {
        await page.keyboard.up(modifier);
    }
    await waitForFramesAndTime(page, 1, KEY_GATE_MS);
}

// Runs in the page: the canvas read back against the game's last presented frame, scaled "sharp
// bilinear" (enlarged by the largest whole factor, then smoothly) into the largest area of the
// canvas that keeps its aspect, black around it. The expected pixels are worked out here in
// floating point; each channel may differ by the scaler's rounding of its weights.
function compareCanvasWithFrame(tolerance) {
    const copy = window.drobixFrameCopy();
    const frame = copy.rgba;
    const canvas = document.getElementById('canvas');
    const width = canvas.width;
    const height = canvas.height;
    const shown = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    const wide = width * copy.height > height * copy.width;
    const areaWidth = wide ? Math.floor(height * copy.width / copy.height) : width;
    const areaHeight = wide ? height : Math.floor(width * copy.height / copy.width);
    const left = Math.floor((width - areaWidth) / 2);
    const top = Math.floor((height - areaHeight) / 2);
    // Along one axis: for each target pixel the two source pixels and the second's weight.
    function taps(source, target) {
        const factor = Math.max(1, Math.floor(target / source));
        const enlarged = factor * source;
        const result = [];
        for (let x = 0; x < target; ++x) {
            const position = (x + 0.5) * enlarged / target - 0.5;
            const floor = Math.floor(position);
            const first = Math.floor(Math.min(Math.max(floor, 0), enlarged - 1) / factor);
            const second = Math.floor(Math.min(Math.max(floor + 1, 0), enlarged - 1) / factor);
            result.push([first, second, first === second ? 0 : position - floor]);
        }
        return result;
    }
    const columns = taps(copy.width, areaWidth);
    const rows = taps(copy.height, areaHeight);
    let mismatches = 0;
    let firstMismatch = '';
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const at = 4 * (y * width + x);
            const inside = x >= left && x < left + areaWidth && y >= top && y < top + areaHeight;
            for (let channel = 0; channel < 3; ++channel) {
                let expected = 0;
                if (inside) {
                    const [x0, x1, wx] = columns[x - left];
                    const [y0, y1, wy] = rows[y - top];
                    const value = (sx, sy) => frame[4 * (sy * copy.width + sx) + channel];
                    const upper = value(x0, y0) * (1 - wx) + value(x1, y0) * wx;
                    const lower = value(x0, y1) * (1 - wx) + value(x1, y1) * wx;
                    expected = upper * (1 - wy) + lower * wy;
                }
                if (Math.abs(shown[at + channel] - expected) > tolerance) {
                    if (mismatches === 0) {
                        firstMismatch = `at ${x},${y} channel ${channel}: shown ` +
                            `${shown[at + channel]}, expected ${expected.toFixed(1)}`;
                    }
                    ++mismatches;
                }
            }
        }
    }
    return {count: copy.count, width, height, area: [left, top, areaWidth, areaHeight],
        mismatches, firstMismatch};
}

// The canvas against the frame; fails the test where they differ. Tells what it compared.
async function expectCanvasShowsFrame(page, what, expectedWidth, expectedHeight) {
    const result = await page.evaluate(compareCanvasWithFrame, 2);
    const size = `${result.width} x ${result.height}`;
    if (result.width !== expectedWidth || result.height !== expectedHeight) {
        fail(`${what}: the canvas has ${size} pixels, not ${expectedWidth} x ${expectedHeight}`);
    }
    if (result.mismatches > 0) {
        fail(`${what}: the canvas (${size}) does not show the frame: ${result.mismatches} ` +
             `channels differ, first ${result.firstMismatch}`);
    }
    console.log(`${what}: the canvas (${size}, the frame at ${result.area.join(',')}) shows ` +
                `present ${result.count}`);
}

module.exports = {
    TIMEOUT_MS, fail, serve, launch, watchConsole, expectNoProblems, presents, waitForPresents,
    waitForFramesAndTime, press, expectCanvasShowsFrame,
};
