#ifndef QUENDRALVOSS_ENGINE_PLATFORM_H
#define QUENDRALVOSS_ENGINE_PLATFORM_H

#include <cstdint>

// The open video mode, written by a successful initVideo only; all zero until
// a mode opens. Width and height are the requested size, not what SDL reports.
extern uint8_t gFullscreen;
extern float gScreenWidth;
extern float gScreenHeight;

// Starts SDL (timer, video, joystick, and audio when a device starts; without
// one openAudio fails later) and opens one 32-bit OpenGL window of width x
// height with a 1-bit stencil buffer, caption as window and icon title, and the
// game's fixed OpenGL state. Opens the size as asked, even a full-screen one
// larger than the display where the library allows it. Returns false when SDL
// does not start (SDL is then left as it is) or the mode cannot be set (SDL is
// quit, so the next call starts afresh with another mode). Prints nothing.
bool initVideo(const char* caption, int width, int height, bool fullscreen);

// Opens the audio device at 44100 Hz, signed 16-bit stereo, 2048-sample
// buffers, falling back to 22050 Hz; false when both are refused.
bool openAudio();

// Ends a frame: flushes and finishes the OpenGL drawing, then swaps the
// buffers.
void presentFrame();

// At exit: frees the fonts that no label holds, closes audio (whether or not it
// opened) and quits SDL.
void shutdownPlatform();

#endif
