#ifndef QUENDRALVOSS_PLAY_TUTORIALHINTS_H
#define QUENDRALVOSS_PLAY_TUTORIALHINTS_H

#include <string>

#include "engine/TextLabel.h"

class FileStream;

// The hints that teach the controls in the first minutes of a new game: one
// line at a time at the bottom of the screen (look, walk, select an action,
// select a target, execute), in a mouse-and-keys or a gamepad form, with a
// line of marks under the words that matter and the directions not yet tried.
// Each stage advances only while its hint is fully faded in. The last three
// stage flags unlock the play screen's selection and execute inputs.
class TutorialHints : public TextLabel {
public:
    // A bare label; constructTutorialHints sets it up.
    TutorialHints();

    // The label set-up and restartTutorial.
    void constructTutorialHints();
    // Back to the look hint with every flag clear (font "res/0"; missing:
    // fatal error 1 "res/0", and the hints are still set up).
    void restartTutorial();
    // Fades, the stage check of a steady hint and the choice of the next
    // hint. active (the player is in control) steers only the overlay fade.
    void updateTutorialHints(float dt, bool active);
    // The hint and, while it is heading for shown, its marks.
    void drawTutorialHints();
    // One boolean word: whether the tutorial still runs. True when the write
    // succeeded.
    bool saveTutorialState(FileStream& stream) const;
    // Reads that word: still running restarts the tutorial, finished sets
    // every flag. True when the read succeeded.
    bool loadTutorialState(FileStream& stream);

    // The line of marks for the stage the flags are at, laid under the hint.
    std::string markLine() const;
    // 1 for the gamepad form (select-action button bound and joystick 0
    // open), else 0 (mouse and keys).
    static int currentForm();

    float textFade;
    float textFadeTarget;
    bool lookDownLearned;
    bool lookLeftLearned;
    bool lookUpLearned;
    bool lookRightLearned;
    bool walkForwardLearned;
    bool walkLeftLearned;
    bool walkBackLearned;
    bool walkRightLearned;
    bool actionSelectionLearned;
    bool targetSelectionLearned;
    bool executionLearned;
    float overlayFade;

private:
    bool lookLearned() const;
    bool walkLearned() const;
    // The stage the flags are at: 0 look .. 4 execute, 5 done.
    int stage() const;
    void chooseNextHint();
    void checkSteadyStage();
    void fillMarkLine(std::string& line) const;

    std::string markBuffer;  // the marks while they are drawn
};

#endif
