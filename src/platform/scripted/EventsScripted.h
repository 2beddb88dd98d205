// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Events.h"

// The script's hold on the scripted event queue, which implements platform/Events.h.
namespace Drobix::Platform::Scripted {

// Queues an event for PollEvent.
void PushEvent(Event event);
void ClearEvents();

}  // namespace Drobix::Platform::Scripted
