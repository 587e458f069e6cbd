#include "sounds.h"

#include "effects.h"
#include "mastering.h"
#include "songs.h"
#include "wav_writer.h"

#include <array>
#include <system_error>

namespace {

struct EffectFile {
    const char* name;
    Audio (*make)();
};

constexpr std::array kEffects{
    EffectFile{"mariohurt.wav", enemySqueal},
    EffectFile{"memario.wav", tauntJingle},
    EffectFile{"b1.wav", handgunShot},
    EffectFile{"rocketshoot.wav", rocketLaunch},
    EffectFile{"swing.wav", swingWhoosh},
    EffectFile{"handgunshoot.wav", heavyShot},
    EffectFile{"noammo.wav", emptyClick},
    EffectFile{"weaponpickup.wav", weaponPickup},
    EffectFile{"healthpickup.wav", healthPickup},
    EffectFile{"speeduppickup.wav", speedPickup},
    EffectFile{"itemspawn.wav", itemSpawn},
    EffectFile{"ricochet.wav", ricochet},
    EffectFile{"mariocollide.wav", bodyBump},
    EffectFile{"fireBall.wav", fireballHiss},
    EffectFile{"arrowcolide.wav", arrowThunk},
    EffectFile{"blemphurt2.wav", heroGrunt},
    EffectFile{"blempdie.wav", heroDeathCry},
    EffectFile{"explosion.wav", explosion},
    EffectFile{"explosion2.wav", rocketBlast},
};

struct MusicFile {
    const char* name;
    Song (*compose)();
};

constexpr std::array kMusic{
    MusicFile{"intro.wav", introSong},
    MusicFile{"level1.wav", levelSong},
    MusicFile{"outro.wav", outroSong},
};

} // namespace

bool writeSounds(const std::filesystem::path& soundsDir) {
    std::error_code error;
    std::filesystem::create_directories(soundsDir, error);
    bool written = true;
    for (const EffectFile& effect : kEffects) {
        Audio audio = effect.make();
        masterEffect(audio);
        written = writeWav(soundsDir / effect.name, audio) && written;
    }
    for (const MusicFile& music : kMusic) {
        Audio audio = renderSong(music.compose(), kMusicRate);
        masterLoop(audio);
        written = writeWav(soundsDir / music.name, audio) && written;
    }
    return written;
}
