#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// The chime that ends a recycle run, a RIFF/WAVE held in the program's resources.
std::span<const std::uint8_t> completionSoundBytes();

// Plays the chime once on the default output device from a player thread of its own and
// returns at once; a sound still playing goes on. Without a device nothing is heard.
void playCompletionSound();
// Shut-down: stops every sound still playing and waits for its player.
void stopSoundsAndWait();
