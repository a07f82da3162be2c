#ifndef QUENDRALVOSS_CONTENT_AUDIOENCODERS_H
#define QUENDRALVOSS_CONTENT_AUDIOENCODERS_H

#include <cstdint>
#include <vector>

// 16-bit PCM WAV ("RIFF"/"WAVE") of interleaved samples in -1..1 (clipped).
std::vector<uint8_t> encodeWav(const std::vector<float>& samples, int channels, int rate);

// OGG Vorbis (libvorbisenc, variable bit rate at the quality -0.1..1) of
// interleaved samples. The serial number is fixed so that the bytes are the
// same on every run. Returns an empty buffer when the encoder refuses.
std::vector<uint8_t> encodeOgg(const std::vector<float>& samples, int channels, int rate,
                               float quality);

#endif
