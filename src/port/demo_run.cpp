#include "port/demo_run.h"

#include "core/core.h"
#include "core/services.h"
#include "port/demo_player.h"
#include "port/demo_recorder.h"
#include "sound/sound_manager.h"

#include <cstdio>

int playRecorded(Core& core, DemoRecorder& recorder) {
    if (!core.startedUp()) return core.run();
    recorder.start();
    core.startLoop();
    bool goOn = true;
    while (goOn) {
        pumpMessages();
        updateSound();
        recorder.notePass();
        goOn = core.updateScreens();
        recorder.afterPass(core);
    }
    if (!recorder.finish(core)) {
        std::fprintf(stderr, "quorvish-blemp: the demo could not be written to the end\n");
        return 1;
    }
    return 0;
}

int playBack(Core& core, DemoPlayer& player) {
    if (!core.startedUp()) return core.run();
    core.startLoop();
    bool goOn = true;
    while (goOn && player.beginPass()) {
        pumpMessages();
        updateSound();
        player.applyKeys();
        goOn = core.updateScreens();
        if (!player.endPass(core)) break;
    }
    const int code = player.finish(core, !goOn);
    std::printf("%s\n", player.verdict().c_str());
    return code;
}
