#include "port/apply_settings.h"

#include "game/asset_tables.h"
#include "graphics/display.h"
#include "platform/gamepads.h"
#include "platform/scancode_table.h"
#include "platform/window.h"
#include "port/key_bindings.h"
#include "sound/sound_manager.h"

namespace {

// The tables the translations read; they live as long as the game.
std::vector<unsigned char>& keys() {
    static auto* const table = new std::vector<unsigned char>();
    return *table;
}

std::vector<unsigned char>& pads() {
    static auto* const table = new std::vector<unsigned char>();
    return *table;
}

ScalingMode scalingMode(Scaling scaling) {
    switch (scaling) {
    case Scaling::kInteger:
        return ScalingMode::kInteger;
    case Scaling::kSmooth:
        return ScalingMode::kSmooth;
    case Scaling::kSharp:
        break;
    }
    return ScalingMode::kSharp;
}

} // namespace

void applySettings(const Settings& settings, const RunOverrides& overrides) {
    setMusicFiles({kIntroMusic, kLevelMusic, kOutroMusic});
    // At 100 the gain is exactly 1: the sounds play as they are.
    const bool silentMusic = settings.mute || overrides.noMusic;
    setCategoryGain(SoundCategory::kMusic,
                    silentMusic ? 0.0f : static_cast<float>(settings.music) / 100.0f);
    setCategoryGain(SoundCategory::kEffects,
                    settings.mute ? 0.0f : static_cast<float>(settings.effects) / 100.0f);
    keys() = keyTable(settings.keys);
    setBindingTable(keys().data());
    pads() = padTable(settings.pad);
    setPadBindings(pads().data());
    setPadDeadZone(settings.deadzone);
    setScalingMode(scalingMode(settings.scaling));
}

void applyStartWindow(const Settings& settings) {
    setStartPlacement(settings.window);
}
