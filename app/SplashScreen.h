#ifndef QUENDRALVOSS_APP_SPLASHSCREEN_H
#define QUENDRALVOSS_APP_SPLASHSCREEN_H

class Texture;

// The first screen (GameState 7): 2 s of black, the logo (picture::kSplashLogo) with
// its jingle for 2.5 s, 1 s of black, then the main menu. Its enter also puts
// the joystick bindings of the save file in force.
class SplashScreen {
public:
    // Sets nothing; enter sets every field.
    SplashScreen();

    // Takes the logo (a missing one is the resource-file fatal error), starts
    // the timeline and loads the saved bindings.
    void enterSplashScreen();
    // Menu or confirm skips to the main menu; otherwise runs the timeline,
    // playing the jingle when the black runs out, and draws the frame.
    void updateSplashScreen(float dt);
    // Gives back the logo and purges the cache.
    void leaveSplashScreen();

    Texture* logo;
    float preTime;
    float logoTime;
    float postTime;
};

#endif
