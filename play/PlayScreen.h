#ifndef QUENDRALVOSS_PLAY_PLAYSCREEN_H
#define QUENDRALVOSS_PLAY_PLAYSCREEN_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/ScreenOverlay.h"
#include "engine/Vec3.h"
#include "play/ActionSelection.h"
#include "play/AnswerPanel.h"
#include "play/CaptionText.h"
#include "play/Player.h"
#include "play/RoomEffects.h"
#include "play/RoomId.h"
#include "play/ScriptState.h"
#include "play/StoryState.h"
#include "play/TutorialHints.h"
#include "play/ViewState.h"
#include "play/WorldState.h"
#include "text/ObjectNames.h"

class FileStream;
class SceneObject;

// The screen of GameState 4, where the game is played. It owns the whole play
// world: the room with its scene objects and effects, the player, the answer
// panel, the caption, the tutorial, the camera flight, the script step and the
// story's flags. New game, load and save are asked for through the hand-over
// flags of app/GameApp.h and done at the start of the next frame.
//
// The operations live in several files by concern: PlayScreen.cpp (life cycle
// and the frame), PlayScreenSave.cpp (play state, save, load, new game),
// RoomBuilder.cpp and Room0.cpp (rooms) and SceneDrawing.cpp (drawing). The
// world script and the actions it carries out are free functions in script/
// (script/WorldScript.h, script/ActionResolver.h).
class PlayScreen {
public:
    // Builds the world in the state of a new game in room 0 (taking the
    // costume from gCostume), then the tutorial. Missing resources raise fatal
    // errors; construction completes regardless.
    PlayScreen();
    // The world part (room, references of the room, player, panel, overlay),
    // then the members.
    ~PlayScreen();
    PlayScreen(const PlayScreen&) = delete;
    PlayScreen& operator=(const PlayScreen&) = delete;

    // Resumes the music and clears the mouse state.
    void enterPlayScreen();
    // One frame of play: requests, tutorial, menu, walking and looking, world
    // script, camera, selection and execute, caption, drawing.
    void updatePlayScreen(float dt);
    // Pauses the music and records in gSaveAllowed whether the player was in
    // control.
    void leavePlayScreen();

    // Writes "game.sav" through a temporary file beside it that replaces the
    // old file only once every write and the close succeeded: false, with the
    // old file untouched, on any failure.
    bool saveGame();
    // Reads "game.sav" whole: false when it is missing, of another version,
    // short, unreadable or holds an impossible room.
    bool loadGame();
    // A new game: defaults, room 0, tutorial from the start, "knock on".
    void startNewGame();

    // New game state: every field of the play-state table to its default,
    // costume from gCostume, the sub-objects reset and room 0 built.
    void resetPlayState();
    // Words 1 to 53 and the player block; false at the first failed write.
    bool savePlayState(FileStream& stream);
    // Resets, reads words 1 to 53 and the player block and builds the saved
    // room; false at the first failed read or for a room outside 0..7 (then
    // "save file corrupted" is raised).
    bool loadPlayState(FileStream& stream);

    // Builds room (0..7) from its tables and the story flags, handing the
    // resource references over from the room before. Any other number builds
    // nothing but an empty world.
    void enterRoom(int32_t room);
    // enterRoom(room::kStreet) from whatever room is current (-1 after a reset).
    void setUpStartRoom();
    // Destroys every scene object and every room effect.
    void clearRoom();

    // The first world object named name; a missing one is fatal error
    // "exception:\n5" and yields a blank object that belongs to no room.
    SceneObject* findSceneObject(const std::string& name);
    SceneObject* findSceneObject(ObjectName name);
    // True when the box overlaps any scene object's collision box.
    bool boxHitsAnySceneObject(float cx, float cy, float cz, float hx, float hy, float hz) const;
    // Flies gCamera from its pose now to the end pose.
    void startCameraFlight(const Vec3& endPosition, const Vec3& endAngles, float duration, bool ease);
    // No room change waiting, no answer showing, no delay, no flight, no step.
    bool isPlayerInControl() const;
    // Refills the player's targets from the world list.
    void rebuildTargetList();

    // The 3D room in its passes.
    void drawRoom();
    // Fade, caption, answer panel and the screen-wide layers on the 2D
    // overlay.
    void drawPlayOverlay(bool actionSelectionLearned, bool targetSelectionLearned);

    // The state in named parts; world comes first so that its list is built
    // before and freed after everything that points into it.
    WorldState world;
    ViewState view;
    ScriptState script;
    StoryState story;
    RoomEffects effects;

    ScreenOverlay screenOverlay;
    CaptionText caption;
    AnswerPanel answerPanel;
    Player player;
    ActionSelection selection;
    TutorialHints tutorial;
    // Test seam: false leaves out the drawing and buffer swap of each frame,
    // for tests that play many scenes and look only at the world they leave.
    // The game never clears it.
    bool drawsFrames = true;

private:
    void walkPlayer(float dt);
    void lookPlayer(float dt);
    void applyExecuteInput();
    void drawFrame();
    // Sets every field of the play-state table to its default and the three
    // object lists empty.
    void applyPlayStateDefaults();
    // resetPlayState without building room 0: the world stays empty and no
    // room is current (room -1).
    void resetPlayStateWithoutRoom();
    void applyCostumeFlags();
    // The play-state defaults and the costume's flags, then the overlay,
    // caption, answer panel and player back to their start; the world is not
    // touched.
    void resetStoryAndPanels();
    // Gives back the references that building the current room took (the
    // common sounds and its pinned list) and sets room to -1.
    void releaseRoomReferences();
    // True when the player's feet at feet leave the walking box clear of every
    // object and the body box clear once lifted by the longest frame step (a
    // player standing on an object sinks into it by less than that).
    bool playerPlaceClear(const Vec3& feet) const;
    // Moves a loaded player whom the saved place, truncated toward zero, put
    // inside an object back out of it (see PlayScreenSave.cpp).
    void settleLoadedPlayer();
    void selectLastActionWithId(int32_t id);
    // Room contents by room number; rooms without contents yet build nothing.
    void buildRoom0();
    void buildRoom1();
    void scatterRoom1Field();
    void buildRoom2();
    void buildRoom3();
    void buildHouseShell();
    void buildRoom4();
    void buildRoom5();
    void buildRoom6();
    void buildRoom7();

    // The objects in view this frame, found once for both drawing passes.
    std::vector<SceneObject*> visibleObjects;
    // Those of them whose reflection keeps its own pass this frame, with the
    // faces it is drawn on.
    std::vector<std::pair<SceneObject*, MeshFaces>> reflectedObjects;
};

#endif
