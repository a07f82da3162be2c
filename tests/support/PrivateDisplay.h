#ifndef QUENDRALVOSS_TESTS_PRIVATEDISPLAY_H
#define QUENDRALVOSS_TESTS_PRIVATEDISPLAY_H

// An X server of the test's own. The pointer, the input focus and the grabs are
// shared by every client of a display, and the suite runs its programs side by
// side on one display; a test that warps the pointer, grabs input or moves the
// focus therefore runs on a private Xvfb, which it also points DISPLAY at.
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>

class PrivateDisplay {
public:
    // Starts Xvfb on a free display and switches DISPLAY to it; started() is
    // false when that fails.
    PrivateDisplay() {
        const char* old = std::getenv("DISPLAY");
        previous = old ? old : "";
        // Servers started side by side can race for one display number; a
        // server that does not answer is replaced by a fresh one.
        for (int attempt = 0; attempt < 5 && !ok; ++attempt) {
            start(attempt);
        }
    }

    ~PrivateDisplay() {
        stop();
        if (!previous.empty()) {
            setenv("DISPLAY", previous.c_str(), 1);
        }
    }

    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    bool started() const { return ok; }

private:
    void stop() {
        if (server > 0) {
            kill(server, SIGTERM);
            int status = 0;
            waitpid(server, &status, 0);
        }
        server = -1;
    }

    // Display numbers follow the process id, so test programs running side by
    // side never ask for the same one.
    void start(int attempt) {
        const int number = 1000 + static_cast<int>((getpid() * 5 + attempt) % 50000);
        const std::string name = ":" + std::to_string(number);
        server = fork();
        if (server == 0) {
            execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1280x720x24", "-nolisten", "tcp", "-noreset",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int wait = 0; server > 0 && wait < 100 && !ok; ++wait) {
            int status = 0;
            if (waitpid(server, &status, WNOHANG) == server) {
                server = -1;  // it gave up, most likely the number was taken
                return;
            }
            Display* probe = XOpenDisplay(name.c_str());
            if (probe) {
                XCloseDisplay(probe);
                ok = true;
            } else {
                usleep(20000);
            }
        }
        if (!ok) {
            stop();
            return;
        }
        setenv("DISPLAY", name.c_str(), 1);
    }

    pid_t server = -1;
    bool ok = false;
    std::string previous;
};

#endif
