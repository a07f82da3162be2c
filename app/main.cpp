// Entry point of both programs. The window, the screens and the run loop are
// not part of this build yet, so the program says so and exits with failure
// rather than pretend to be the game.
#include <cstdio>

int main(int, char**) {
    std::fputs("quendralvoss: this build has no game loop yet\n", stderr);
    return 1;
}
