// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the game: the canvas it draws on, the loading line until it runs, full screen
// at F11 and Alt+Enter, and its sound started at the player's first key press or click.
'use strict';

var Module = (function() {
    const canvas = document.getElementById('canvas');
    const loading = document.getElementById('loading');

    // Only the page may go full screen, and only while it handles the player's key press: the
    // keys never reach the game, which keeps drawing into the canvas at its new size.
    function isFullScreenKey(event) {
        return event.key === 'F11' || (event.key === 'Enter' && event.altKey);
    }

    function switchFullScreen() {
        if (document.fullscreenElement) {
            document.exitFullscreen().catch(function() {});
        } else if (document.documentElement.requestFullscreen) {
            document.documentElement.requestFullscreen().catch(function() {});
        }
    }

    window.addEventListener('keydown', function(event) {
        if (!isFullScreenKey(event)) {
            return;
        }
        event.preventDefault();
        event.stopImmediatePropagation();
        if (!event.repeat) {
            switchFullScreen();
        }
    }, true);
    window.addEventListener('keyup', function(event) {
        if (isFullScreenKey(event)) {
            event.stopImmediatePropagation();
        }
    }, true);

    // A browser keeps a page silent until the player acts on it: the game's sound device is
    // resumed then.
    function startSound() {
        const sdl = Module['SDL2'];
        const audio = sdl && sdl.audioContext;
        if (audio && audio.state === 'suspended') {
            audio.resume().catch(function() {});
        }
    }
    ['keydown', 'mousedown', 'touchend'].forEach(function(type) {
        window.addEventListener(type, startSound, true);
    });

    return {
        canvas: canvas,
        // The game's main() runs from here on; its first frame covers the loading line.
        onRuntimeInitialized: function() {
            loading.hidden = true;
            canvas.focus();
        },
        onAbort: function() {
            loading.hidden = false;
            loading.textContent = 'Drobix could not start in this browser.';
        },
        print: function(text) {
            console.log(text);
        },
        printErr: function(text) {
            console.warn(text);
        },
    };
})();
