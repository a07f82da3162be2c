#ifndef QUENDRALVOSS_ENGINE_FULLSCREENMODES_H
#define QUENDRALVOSS_ENGINE_FULLSCREENMODES_H

#include <vector>

// The full-screen sizes that the display offers for an OpenGL mode, as SDL
// lists them. Until queried (or when SDL could not be asked) every size counts
// as offered, so that opening the mode decides.
class FullScreenModes {
public:
    struct Size {
        int width;
        int height;
    };

    // Asks SDL for the list. Starts SDL's video part for the question when it
    // is not running and quits it again, so nothing is left started.
    void query();

    // Whether some offered mode is at least width x height: the test that
    // classic SDL 1.2 makes itself before it opens a full-screen mode.
    bool offers(int width, int height) const;

    // SDL takes any size (or was not asked); sizes is then unused.
    bool anySize = true;
    std::vector<Size> sizes;
};

#endif
