// snatchkin-standin OUTDIR SOURCE...: plain stand-ins of the right size and
// length for the assets of the named sources (art, level, audio) whose real
// generator has not landed yet.
#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "shell/platform/png_codec.h"

namespace {

void WritePicture(const assets::AssetInfo& a, const std::string& path) {
    platform::Pixels p{a.width, a.height, std::vector<std::uint32_t>(static_cast<std::size_t>(a.width) * a.height)};
    int cw = a.kind == assets::Kind::Frames ? a.cellWidth : a.width;
    int ch = a.kind == assets::Kind::Frames ? a.cellHeight : a.height;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            bool edge = x % cw == 0 || y % ch == 0 || x % cw == cw - 1 || y % ch == ch - 1;
            if (a.kind == assets::Kind::Mask) p.At(x, y) = y >= 720 ? 0xFFFFFFFFu : 0xFF000000u;
            else p.At(x, y) = edge ? 0xFFFFFFFFu : 0xFF404858u;
        }
    platform::WritePngRgb(p, path);
}

void WriteSilence(const assets::AssetInfo& a, const std::string& path) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, a.channels, a.sampleRate, 0.1f);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    ogg_packet h0, h1, h2;
    vorbis_analysis_headerout(&vd, &vc, &h0, &h1, &h2);
    ogg_stream_packetin(&os, &h0);
    ogg_stream_packetin(&os, &h1);
    ogg_stream_packetin(&os, &h2);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ogg_page og;
    while (ogg_stream_flush(&os, &og)) {
        std::fwrite(og.header, 1, og.header_len, f);
        std::fwrite(og.body, 1, og.body_len, f);
    }
    long total = static_cast<long>(a.seconds * a.sampleRate + 0.5), done = 0;
    bool eos = false;
    while (!eos) {
        long n = std::min(1024L, total - done);
        if (n > 0) {
            float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (int c = 0; c < a.channels; ++c)
                for (long i = 0; i < n; ++i) buf[c][i] = 0.0f;
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            done += n;
        } else {
            vorbis_analysis_wrote(&vd, 0);
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) {
                    std::fwrite(og.header, 1, og.header_len, f);
                    std::fwrite(og.body, 1, og.body_len, f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
    }
    std::fclose(f);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::set<std::string> wanted(argv + 2, argv + argc);
    auto sourceName = [](assets::Source s) {
        return s == assets::Source::Art ? "art" : s == assets::Source::Level ? "level" : "audio";
    };
    for (const auto& a : assets::AssetTable()) {
        if (!wanted.count(sourceName(a.source))) continue;
        std::filesystem::path path = std::filesystem::path(argv[1]) / assets::FilePathOf(a.name);
        std::filesystem::create_directories(path.parent_path());
        if (a.kind == assets::Kind::Sound) WriteSilence(a, path.string());
        else WritePicture(a, path.string());
    }
    return 0;
}
