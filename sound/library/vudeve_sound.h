// The C interface of our sound library (libvudeve.so). The game loads the
// library by name at run time, so this header is shared by the library and
// the binding that looks the functions up.
//
// Handles are opaque numbers; 0 means "no library" or "no buffer", and every
// operation accepts 0 and then does nothing. A handle that was freed or whose
// library was terminated is ignored in the same way.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(VUDEVE_SOUND_BUILDING_LIBRARY)
#define VUDEVE_SOUND_EXPORT __attribute__((visibility("default")))
#else
#define VUDEVE_SOUND_EXPORT
#endif

extern "C" {

// Opens the audio device. The window handle is accepted for callers that
// have one; the device does not need it. Returns 0 when no device opens.
VUDEVE_SOUND_EXPORT std::uintptr_t dsInitialize(std::uintptr_t windowHandle);

// Makes a buffer from the whole image of a wave file held in memory.
// Flags: bit value 1 keeps the buffer for repeated play (always so), bit
// value 2 lets several copies of it sound at once. Returns 0 for a bad
// library handle or an image that is not a complete wave file.
VUDEVE_SOUND_EXPORT std::uintptr_t dsCreateDSB(std::uintptr_t library, const unsigned char* image,
                                               std::size_t length, int flags);

// Plays the buffer once, over whatever else is sounding.
VUDEVE_SOUND_EXPORT void dsPlay(std::uintptr_t buffer);

// Plays the buffer over and over on the channel kept for the looping tune,
// replacing any tune already looping there.
VUDEVE_SOUND_EXPORT void dsPlayLooping(std::uintptr_t buffer);

// Silences every play of the buffer, looping or not.
VUDEVE_SOUND_EXPORT void dsStop(std::uintptr_t buffer);

VUDEVE_SOUND_EXPORT void dsFree(std::uintptr_t buffer);

// Frees every buffer still held and closes the audio device.
VUDEVE_SOUND_EXPORT void dsTerminate(std::uintptr_t library);
}
