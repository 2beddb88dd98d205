// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scripted event queue: events come from the script and from PostQuit, in order.
#include <deque>

#include "platform/Events.h"
#include "platform/scripted/EventsScripted.h"

namespace Drobix::Platform {

namespace {

std::deque<Event> pendingEvents;

}  // namespace

Event PollEvent() {
    if (pendingEvents.empty()) {
        return Event::None;
    }
    const Event event = pendingEvents.front();
    pendingEvents.pop_front();
    return event;
}

void PostQuit() {
    pendingEvents.push_back(Event::Quit);
}

namespace Scripted {

void PushEvent(Event event) {
    pendingEvents.push_back(event);
}

void ClearEvents() {
    pendingEvents.clear();
}

}  // namespace Scripted

}  // namespace Drobix::Platform
