// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VorbisEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace Drobix::AssetGen {

namespace {

constexpr std::size_t kChunkFrames = 1024;

// The libogg and libvorbis state of one encoding, released in reverse order of creation.
class EncoderState {
public:
    EncoderState(int channels, int sampleRate, float quality, int streamSerial)
        : channels_(channels) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, channels, sampleRate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("the Vorbis encoder refused the sound's format");
        }
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, streamSerial);
    }
    ~EncoderState() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    EncoderState(const EncoderState&) = delete;
    EncoderState& operator=(const EncoderState&) = delete;

    void WriteHeaders(std::vector<uint8_t>& out) {
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &identification);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // The headers end on a page of their own, as decoders expect.
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            AppendPage(page, out);
        }
    }

    // Hands frames [first, first + count) to the analysis; a count of 0 marks the end.
    void Submit(const AudioBuffer& buffer, std::size_t first, std::size_t count) {
        if (count > 0) {
            float** channels = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                const float left = buffer.Left(first + i);
                const float right = buffer.Right(first + i);
                if (channels_ == 1) {
                    channels[0][i] = 0.5F * (left + right);
                } else {
                    channels[0][i] = left;
                    channels[1][i] = right;
                }
            }
        }
        vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
    }

    void Drain(std::vector<uint8_t>& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) {
                    AppendPage(page, out);
                }
            }
        }
    }

    void Finish(std::vector<uint8_t>& out) {
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            AppendPage(page, out);
        }
    }

private:
    static void AppendPage(const ogg_page& page, std::vector<uint8_t>& out) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    }

    int channels_;
    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
};

}  // namespace

std::vector<uint8_t> EncodeOggVorbis(const AudioBuffer& buffer, int channels, float quality,
                                     int streamSerial) {
    EncoderState encoder(channels, buffer.SampleRate(), quality, streamSerial);
    std::vector<uint8_t> out;
    encoder.WriteHeaders(out);
    for (std::size_t first = 0; first < buffer.Frames(); first += kChunkFrames) {
        encoder.Submit(buffer, first, std::min(kChunkFrames, buffer.Frames() - first));
        encoder.Drain(out);
    }
    encoder.Submit(buffer, 0, 0);
    encoder.Drain(out);
    encoder.Finish(out);
    return out;
}

}  // namespace Drobix::AssetGen
