#pragma once
// Recording a run as a demo: every pass's clock sample and the key changes that reached the
// key table in it, a digest of the state every 60 passes, and the end. Written as the game
// goes and flushed every 60 passes (a second), so a killed run leaves a demo that replays up
// to its last whole second.
#include "port/demo_file.h"

class Core;

class DemoRecorder {
  public:
    // Makes the file, before the game folder is entered. False when it cannot be made.
    bool open(const char* path);

    // Writes the file's head, the versions and the clock as the start-up left it; from here
    // on every key change from outside is noted.
    void start();
    ~DemoRecorder();

    // After a pass's message pump: its clock sample and the key changes it delivered.
    void notePass();

    // After the pass itself: the digest every 60 passes.
    void afterPass(const Core& core);

    // The end line. False when any line could not be written.
    bool finish(const Core& core);

  private:
    static bool noteKey(int scanCode, bool down);

    DemoWriter writer;
    int passes = 0;
    int keyCount = 0;
    bool tooManyKeys = false;
    KeyChange keys[kMaxKeyChanges] = {};
};
