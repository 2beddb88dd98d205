// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/LayoutRecord.h"

namespace Drobix {

namespace {

bool recording = false;
LayoutRecord record;

}  // namespace

namespace Testing {

void RecordLayout(bool on) {
    recording = on;
    record = {};
}

void ClearLayoutRecord() {
    record.texts.clear();
    record.panels.clear();
}

const LayoutRecord& GetLayoutRecord() {
    return record;
}

}  // namespace Testing

bool IsLayoutRecorded() {
    return recording;
}

void RecordDrawnText(const RecordedText& text) {
    record.texts.push_back(text);
}

void RecordDrawnPanel(const Rect& panel) {
    record.panels.push_back(panel);
}

void RecordCover() {
    Testing::ClearLayoutRecord();
}

}  // namespace Drobix
