#ifndef QUENDRALVOSS_TESTS_MIXERSESSION_H
#define QUENDRALVOSS_TESTS_MIXERSESSION_H

#include <SDL.h>
#include <SDL_mixer.h>

// Opens the audio device the way the game does (44100 Hz, signed 16-bit,
// stereo, 2048-sample buffers) for the lifetime of the object, and closes it
// and SDL afterwards. Tests run on the silent driver, which still mixes.
class MixerSession {
public:
    MixerSession() {
        open = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) != -1;
    }
    ~MixerSession() {
        Mix_CloseAudio();
        SDL_Quit();
    }
    MixerSession(const MixerSession&) = delete;
    MixerSession& operator=(const MixerSession&) = delete;

    bool isOpen() const { return open; }

private:
    bool open;
};

#endif
