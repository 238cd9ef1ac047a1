#pragma once

// The alarm sound is played by a plugin beside the program, so that Qt Multimedia and the audio
// system below it (PulseAudio, codecs) are loaded when an alarm first sounds, not at every start.

class Sound;

/** The plugin's one exported function: a new sound service, or nullptr when the plugin was
    built for another version of this interface. The caller owns the result. */
extern "C" {
typedef Sound *(*CreateSoundFunction)(int interfaceVersion);
}

namespace SoundPlugin {

/** Raised whenever the Sound interface or this factory changes, so that a stale plugin is refused. */
constexpr int InterfaceVersion = 1;
constexpr const char *FactoryName = "quillarren_create_sound";

} // namespace SoundPlugin
