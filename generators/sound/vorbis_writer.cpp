// libvorbisenc with a fixed stream serial number, so the output only depends
// on the samples.
#include "generators/sound/vorbis_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace assets::sound {
namespace {

constexpr int kSerial = 0x5EA50;
constexpr long kChunk = 4096;

struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    std::FILE* file = nullptr;
    bool failed = false;

    void Write(const ogg_page& page) {
        failed |=
            std::fwrite(page.header, 1, page.header_len, file) != static_cast<std::size_t>(page.header_len);
        failed |= std::fwrite(page.body, 1, page.body_len, file) != static_cast<std::size_t>(page.body_len);
    }

    // Encodes what has been handed over and writes the full pages.
    void Drain() {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page)) Write(page);
            }
        }
    }
};

}  // namespace

bool WriteOggVorbis(const Track& track, int channels, float quality, const std::string& path) {
    Encoder e;
    e.file = std::fopen(path.c_str(), "wb");
    if (!e.file) return false;
    vorbis_info_init(&e.info);
    vorbis_encode_init_vbr(&e.info, channels, track.rate, quality);
    vorbis_comment_init(&e.comment);
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.stream, kSerial);
    ogg_packet header, comments, books;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &comments, &books);
    ogg_stream_packetin(&e.stream, &header);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &books);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page)) e.Write(page);

    for (long done = 0; done < track.Frames();) {
        long n = std::min(kChunk, track.Frames() - done);
        float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(n));
        for (long i = 0; i < n; ++i) {
            float l = track.left[done + i], r = track.right[done + i];
            if (channels == 1)
                buffer[0][i] = 0.5f * (l + r);
            else
                buffer[0][i] = l, buffer[1][i] = r;
        }
        vorbis_analysis_wrote(&e.dsp, static_cast<int>(n));
        done += n;
        e.Drain();
    }
    vorbis_analysis_wrote(&e.dsp, 0);
    e.Drain();
    while (ogg_stream_flush(&e.stream, &page)) e.Write(page);
    ogg_stream_clear(&e.stream);
    vorbis_block_clear(&e.block);
    vorbis_dsp_clear(&e.dsp);
    vorbis_comment_clear(&e.comment);
    vorbis_info_clear(&e.info);
    bool ok = !e.failed;
    ok &= std::fclose(e.file) == 0;
    return ok;
}

}  // namespace assets::sound
