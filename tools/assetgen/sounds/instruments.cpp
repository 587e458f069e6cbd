#include "songs.h"

Instrument leadVoice(float pan) {
    Instrument lead;
    lead.wave = Wave::Pulse;
    lead.duty = 0.5;
    lead.envelope = {0.006, 0.25, 0.65, 0.03};
    lead.gain = 0.26f;
    lead.pan = pan;
    lead.vibratoDepth = 0.12;
    lead.lowPass = 4500.0;
    return lead;
}

Instrument bassVoice() {
    Instrument bass;
    bass.wave = Wave::Triangle;
    bass.envelope = {0.004, 0.2, 0.85, 0.02};
    bass.gain = 0.5f;
    return bass;
}

Instrument arpVoice(float pan) {
    Instrument arp;
    arp.wave = Wave::Pulse;
    arp.duty = 0.25;
    arp.envelope = {0.003, 0.06, 0.3, 0.02};
    arp.gain = 0.11f;
    arp.pan = pan;
    arp.lowPass = 3000.0;
    return arp;
}

Instrument padVoice(float pan) {
    Instrument pad;
    pad.wave = Wave::Saw;
    pad.envelope = {0.08, 0.5, 0.6, 0.05};
    pad.gain = 0.09f;
    pad.pan = pan;
    pad.vibratoDepth = 0.08;
    pad.lowPass = 1200.0;
    return pad;
}
