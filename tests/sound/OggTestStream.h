// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

namespace Drobix::Testing {

// Interleaved float samples (-1..1): a sine of the given frequency on channel 0, and on every
// other channel the same sine at half the amplitude with inverted sign, so channels can be
// told apart.
inline std::vector<float> MakeTone(int channels, long rate, double frequency, size_t frames,
                                   float amplitude = 0.5F) {
    std::vector<float> samples(frames * static_cast<size_t>(channels));
    for (size_t frame = 0; frame < frames; ++frame) {
        const auto value = static_cast<float>(
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(frame) /
                                 static_cast<double>(rate)));
        for (int channel = 0; channel < channels; ++channel) {
            samples[frame * static_cast<size_t>(channels) + static_cast<size_t>(channel)] =
                channel == 0 ? value : -value / 2;
        }
    }
    return samples;
}

// Encodes interleaved float samples as one Ogg Vorbis stream, as the asset tool would.
inline std::vector<uint8_t> EncodeOggVorbis(int channels, long rate,
                                            const std::vector<float>& samples,
                                            float quality = 0.4F) {
    std::vector<uint8_t> bytes;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        return bytes;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x44524f42);

    ogg_page page;
    auto appendPage = [&bytes](const ogg_page& out) {
        bytes.insert(bytes.end(), out.header, out.header + out.header_len);
        bytes.insert(bytes.end(), out.body, out.body + out.body_len);
    };
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0) {
        appendPage(page);
    }

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(page);
                }
            }
        }
    };
    constexpr size_t kChunkFrames = 1024;
    const size_t frames = samples.size() / static_cast<size_t>(channels);
    for (size_t start = 0; start < frames; start += kChunkFrames) {
        const size_t count = std::min(kChunkFrames, frames - start);
        float** input = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (size_t frame = 0; frame < count; ++frame) {
            for (int channel = 0; channel < channels; ++channel) {
                input[channel][frame] = samples[(start + frame) * static_cast<size_t>(channels) +
                                                static_cast<size_t>(channel)];
            }
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) {
        appendPage(page);
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return bytes;
}

// The byte ranges of the Ogg pages in a stream, as {offset, length}.
inline std::vector<std::pair<size_t, size_t>> SplitOggPages(const std::vector<uint8_t>& bytes) {
    constexpr size_t kHeaderBytes = 27;
    constexpr size_t kSegmentCountOffset = 26;
    std::vector<std::pair<size_t, size_t>> pages;
    size_t offset = 0;
    while (offset + kHeaderBytes <= bytes.size()) {
        const size_t segments = bytes[offset + kSegmentCountOffset];
        size_t length = kHeaderBytes + segments;
        for (size_t i = 0; i < segments && offset + kHeaderBytes + i < bytes.size(); ++i) {
            length += bytes[offset + kHeaderBytes + i];
        }
        pages.emplace_back(offset, length);
        offset += length;
    }
    return pages;
}

}  // namespace Drobix::Testing
