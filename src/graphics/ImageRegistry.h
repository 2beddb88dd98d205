// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "graphics/ImageSurface.h"

namespace Drobix {

// Every live picture, by serial number. The registry owns the records; serials count up from 1
// for the whole run and are never reused.
ImageSurface* CreateImageRecord();
// Removes and deletes the record; nothing for null or a record no longer registered.
void DeleteImageRecord(ImageSurface* image);
ImageSurface* FindImageByResource(int32_t resourceId);
// The live picture with the lowest serial above the given one, or null: lets callers walk the
// registry in ascending order while records come and go.
ImageSurface* NextImageAfter(int32_t serial);
// Counts the records made and deleted: a record found live stays live while this stays the same.
uint64_t RegistryChanges();

}  // namespace Drobix
