// Our sound library on SDL2_mixer: effects on any free mixer channel, the
// looping tune on a channel of its own, so effects never cut the music.
#define VUDEVE_SOUND_BUILDING_LIBRARY
#include "sound/library/vudeve_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr int MixerChannels = 16;
constexpr int LoopChannel = 0;  // reserved: Mix_PlayChannel(-1, ...) never picks it
constexpr int OverlapFlag = 2;

// A buffer handle is its slot number + 1 in the low half and the slot's
// generation in the high half, so a freed handle never matches the buffer
// that later reuses the slot.
struct Slot {
  Mix_Chunk* chunk = nullptr;
  int flags = 0;
  std::uint32_t generation = 0;
};

struct State {
  std::uintptr_t library = 0;  // 0 while the device is closed
  std::uintptr_t lastLibrary = 0;
  std::vector<Slot> slots;
};

State& state() {
  static State s;
  return s;
}

Slot* find(std::uintptr_t buffer) {
  State& s = state();
  if (buffer == 0 || s.library == 0) return nullptr;
  const std::uint64_t value = buffer;
  const std::uint64_t index = (value & 0xffffffffu) - 1;
  const auto generation = static_cast<std::uint32_t>(value >> 32);
  if (index >= s.slots.size()) return nullptr;
  Slot& slot = s.slots[index];
  if (slot.chunk == nullptr || slot.generation != generation) return nullptr;
  return &slot;
}

std::uintptr_t handleOf(std::size_t index) {
  const std::uint64_t value = (static_cast<std::uint64_t>(state().slots[index].generation) << 32) | (index + 1);
  return static_cast<std::uintptr_t>(value);
}

bool isWaveImage(const unsigned char* image, std::size_t length) {
  return length >= 12 && std::memcmp(image, "RIFF", 4) == 0 && std::memcmp(image + 8, "WAVE", 4) == 0;
}

void haltChannelsOf(const Mix_Chunk* chunk) {
  for (int channel = 0; channel < MixerChannels; ++channel)
    if (Mix_GetChunk(channel) == chunk) Mix_HaltChannel(channel);
}

void release(Slot& slot) {
  Mix_FreeChunk(slot.chunk);  // also halts every channel playing it
  slot.chunk = nullptr;
  ++slot.generation;
}

}  // namespace

extern "C" {

std::uintptr_t dsInitialize(std::uintptr_t) {
  State& s = state();
  if (s.library != 0) return s.library;
  // A wave cut short is damaged, not a shorter sound.
  SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
  // The host program owns the signals.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_AllocateChannels(MixerChannels);
  Mix_ReserveChannels(LoopChannel + 1);
  s.library = ++s.lastLibrary;
  return s.library;
}

std::uintptr_t dsCreateDSB(std::uintptr_t library, const unsigned char* image, std::size_t length, int flags) {
  State& s = state();
  if (library == 0 || library != s.library || image == nullptr || length > INT_MAX) return 0;
  if (!isWaveImage(image, length)) return 0;
  SDL_RWops* stream = SDL_RWFromConstMem(image, static_cast<int>(length));
  if (stream == nullptr) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);
  if (chunk == nullptr) return 0;
  std::size_t index = 0;
  while (index < s.slots.size() && s.slots[index].chunk != nullptr) ++index;
  if (index == s.slots.size()) s.slots.emplace_back();
  s.slots[index].chunk = chunk;
  s.slots[index].flags = flags;
  return handleOf(index);
}

void dsPlay(std::uintptr_t buffer) {
  Slot* slot = find(buffer);
  if (slot == nullptr) return;
  if ((slot->flags & OverlapFlag) == 0) haltChannelsOf(slot->chunk);
  Mix_PlayChannel(-1, slot->chunk, 0);
}

void dsPlayLooping(std::uintptr_t buffer) {
  Slot* slot = find(buffer);
  if (slot == nullptr) return;
  Mix_HaltChannel(LoopChannel);
  Mix_PlayChannel(LoopChannel, slot->chunk, -1);
}

void dsStop(std::uintptr_t buffer) {
  Slot* slot = find(buffer);
  if (slot != nullptr) haltChannelsOf(slot->chunk);
}

void dsFree(std::uintptr_t buffer) {
  Slot* slot = find(buffer);
  if (slot != nullptr) release(*slot);
}

void dsTerminate(std::uintptr_t library) {
  State& s = state();
  if (library == 0 || library != s.library) return;
  Mix_HaltChannel(-1);
  for (Slot& slot : s.slots)
    if (slot.chunk != nullptr) release(slot);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  s.library = 0;
}
}
