#include "content/AudioEncoders.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>

namespace {

void put32(std::vector<uint8_t>& o, uint32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(uint8_t(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& o, uint16_t v) {
    o.push_back(uint8_t(v));
    o.push_back(uint8_t(v >> 8));
}
void putTag(std::vector<uint8_t>& o, const char* t) { o.insert(o.end(), t, t + 4); }

void appendPage(std::vector<uint8_t>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<uint8_t> encodeWav(const std::vector<float>& samples, int channels, int rate) {
    std::vector<uint8_t> o;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    putTag(o, "RIFF");
    put32(o, 36 + dataBytes);
    putTag(o, "WAVE");
    putTag(o, "fmt ");
    put32(o, 16);
    put16(o, 1);
    put16(o, uint16_t(channels));
    put32(o, uint32_t(rate));
    put32(o, uint32_t(rate * channels * 2));
    put16(o, uint16_t(channels * 2));
    put16(o, 16);
    putTag(o, "data");
    put32(o, dataBytes);
    for (float s : samples) {
        const float c = std::max(-1.0f, std::min(1.0f, s));
        put16(o, uint16_t(int16_t(std::lround(c * 32767.0f))));
    }
    return o;
}

std::vector<uint8_t> encodeOgg(const std::vector<float>& samples, int channels, int rate,
                               float quality) {
    std::vector<uint8_t> out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x51564f47);
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComment);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0) appendPage(out, page);

    const size_t frames = samples.size() / size_t(channels);
    const size_t chunk = 4096;
    bool eos = false;
    for (size_t pos = 0; !eos;) {
        const size_t n = std::min(chunk, frames - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, int(n));
            for (size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = samples[(pos + i) * size_t(channels) + size_t(c)];
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet) == 1) {
                ogg_stream_packetin(&os, &packet);
                while (ogg_stream_pageout(&os, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (n == 0 && !eos) {
            while (ogg_stream_flush(&os, &page) != 0) appendPage(out, page);
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}
