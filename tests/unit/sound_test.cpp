#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "sound/binding/program_folders.h"
#include "sound/binding/sound_module.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;

// A complete 16-bit mono PCM wave image of a soft tone.
std::vector<unsigned char> makeWave(double seconds, int rate = 8000) {
  const auto samples = static_cast<std::uint32_t>(seconds * rate);
  const std::uint32_t dataBytes = samples * 2;
  std::vector<unsigned char> image;
  image.reserve(44 + dataBytes);
  auto text = [&](const char* s) {
    for (int i = 0; i < 4; ++i) image.push_back(static_cast<unsigned char>(s[i]));
  };
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) image.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    image.push_back(static_cast<unsigned char>(v));
    image.push_back(static_cast<unsigned char>(v >> 8));
  };
  text("RIFF");
  u32(36 + dataBytes);
  text("WAVE");
  text("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  text("data");
  u32(dataBytes);
  for (std::uint32_t i = 0; i < samples; ++i)
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(3000 * std::sin(i * 0.1))));
  return image;
}

// Runs a test inside a fresh empty folder and goes back afterwards.
class InScratchFolder {
 public:
  InScratchFolder() : previous_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/vudeve-sound-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
  }
  ~InScratchFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }
  void write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

const std::vector<std::string> WaveNames = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

// --- The module over a recording library ---

TEST(SoundModule, StartUpLoadsTheThreeEffectsThenTheTune) {
  InScratchFolder folder;
  for (const std::string& name : WaveNames) folder.write(name, makeWave(0.1));
  Game g;
  FakePlatform platform;
  platform.attach(g);
  loadSounds(g);
  EXPECT_EQ(platform.sound.log,
            (std::vector<std::string>{"init", "create 3", "create 3", "create 3", "create 1"}));
  EXPECT_EQ(g.OtherSound, 100u);
  EXPECT_EQ(g.ForbiddenSound, 101u);
  EXPECT_EQ(g.PieceSound, 102u);
  EXPECT_EQ(g.BgmSound, 103u);
  EXPECT_TRUE(platform.messages.shown.empty());

  platform.sound.log.clear();
  releaseSounds(g);
  EXPECT_EQ(platform.sound.log,
            (std::vector<std::string>{"free 100", "free 101", "free 102", "free 103", "terminate"}));
  EXPECT_EQ(g.SoundLibraryHandle, 0u);
  EXPECT_EQ(g.PieceSound, 0u);
}

TEST(SoundModule, AMissingWaveGivesNoBufferAndNoWarning) {
  InScratchFolder folder;
  Game g;
  FakePlatform platform;
  platform.attach(g);
  startSoundLibrary(g);
  EXPECT_EQ(loadWave(g, "無い音.wav", 3), 0u);
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"init"});
  EXPECT_TRUE(platform.messages.shown.empty());
}

// A player's own wave in the current folder wins over the one that comes
// with the game, which lies in the same place in the build tree as when
// installed.
TEST(SoundModule, AWaveIsLookedUpHereThenAmongTheGamesOwn) {
  InScratchFolder folder;
  EXPECT_EQ(findWave("BGM.wav"), dataFolder() / "sounds" / "BGM.wav");
  EXPECT_TRUE(std::filesystem::is_regular_file(findWave("BGM.wav")));
  folder.write("BGM.wav", makeWave(0.1));
  EXPECT_EQ(findWave("BGM.wav"), std::filesystem::path("BGM.wav"));
  EXPECT_TRUE(findWave("無い音.wav").empty());
}

TEST(SoundModule, AWaveThatCannotBeReadIsReportedAndGivesNoBuffer) {
  InScratchFolder folder;
  std::filesystem::create_directory(folder.folder() / "禁止.wav");
  Game g;
  FakePlatform platform;
  platform.attach(g);
  startSoundLibrary(g);
  EXPECT_EQ(loadWave(g, "禁止.wav", 3), 0u);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_FALSE(platform.messages.shown[0].text.empty());
  EXPECT_EQ(platform.messages.shown[0].caption, "vudeve.dll");
  EXPECT_EQ(platform.messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.messages.shown[0].buttons, MessageButtons::Ok);
}

// --- A missing library: one warning, then silence ---

TEST(SoundModule, WithoutTheLibraryTheGameWarnsOnceAndStaysSilent) {
  InScratchFolder folder;
  for (const std::string& name : WaveNames) folder.write(name, makeWave(0.1));
  LoadedSoundLibrary missing(folder.folder() / "libnothing.so");
  EXPECT_FALSE(missing.loaded());
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.Sound = &missing;
  loadSounds(g);
  ASSERT_EQ(platform.messages.texts(), std::vector<std::string>{"Direct Soundインターフェースが作成できません。"});
  EXPECT_EQ(platform.messages.shown[0].caption, "vudeve.dll");
  EXPECT_EQ(g.OtherSound, 0u);
  EXPECT_EQ(g.BgmSound, 0u);
  missing.dsPlay(g.PieceSound);
  missing.dsPlayLooping(g.BgmSound);
  missing.dsStop(g.BgmSound);
  releaseSounds(g);
  EXPECT_EQ(platform.messages.shown.size(), 1u);
}

TEST(SoundModule, ChosenSilenceStartsWithoutAWarning) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  SilentSoundLibrary silence(1);
  g.Sound = &silence;
  loadSounds(g);
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(g.PieceSound, 0u);
  EXPECT_EQ(g.BgmSound, 0u);
  releaseSounds(g);
}

// --- The real library, on SDL's dummy audio driver ---

class RealSoundLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    library_ = new LoadedSoundLibrary(VUDEVE_SOUND_LIBRARY);
  }
  static void TearDownTestSuite() {
    delete library_;
    library_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(library_->loaded());
    handle_ = library_->dsInitialize(0);
    ASSERT_NE(handle_, 0u);
  }
  void TearDown() override { library_->dsTerminate(handle_); }

  SoundHandle create(const std::vector<unsigned char>& image, int flags = 3) {
    return library_->dsCreateDSB(handle_, image.data(), image.size(), flags);
  }
  // Channels sounding now, asked of the mixer our library runs on.
  static int playing(int channel) {
    void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (mixer == nullptr) return -1;
    auto query = reinterpret_cast<int (*)(int)>(dlsym(mixer, "Mix_Playing"));
    const int count = query != nullptr ? query(channel) : -1;
    dlclose(mixer);
    return count;
  }

  static LoadedSoundLibrary* library_;
  SoundHandle handle_ = 0;
};

LoadedSoundLibrary* RealSoundLibrary::library_ = nullptr;

TEST_F(RealSoundLibrary, AValidWaveGivesABuffer) {
  const SoundHandle first = create(makeWave(0.2));
  const SoundHandle second = create(makeWave(0.2));
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(first, second);
}

TEST_F(RealSoundLibrary, DamagedOrForeignImagesGiveNoBuffer) {
  const std::vector<unsigned char> wave = makeWave(0.2);
  for (std::size_t cut : {std::size_t{0}, std::size_t{4}, std::size_t{12}, std::size_t{30}, std::size_t{44},
                          wave.size() / 2, wave.size() - 1}) {
    SCOPED_TRACE(cut);
    const std::vector<unsigned char> truncated(wave.begin(), wave.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(create(truncated), 0u);
  }
  const std::string text = "this is not a wave file at all, only some text";
  EXPECT_EQ(create(std::vector<unsigned char>(text.begin(), text.end())), 0u);
  std::vector<unsigned char> wrongKind = wave;
  wrongKind[8] = 'A';  // RIFF, but not WAVE
  EXPECT_EQ(create(wrongKind), 0u);
  EXPECT_EQ(library_->dsCreateDSB(handle_, nullptr, 100, 3), 0u);
}

TEST_F(RealSoundLibrary, EveryOperationAcceptsZeroAndStaleHandles) {
  const std::vector<unsigned char> wave = makeWave(0.2);
  EXPECT_EQ(library_->dsCreateDSB(0, wave.data(), wave.size(), 3), 0u);
  EXPECT_EQ(library_->dsCreateDSB(handle_ + 77, wave.data(), wave.size(), 3), 0u);
  library_->dsPlay(0);
  library_->dsPlayLooping(0);
  library_->dsStop(0);
  library_->dsFree(0);
  library_->dsTerminate(0);

  const SoundHandle buffer = create(wave);
  ASSERT_NE(buffer, 0u);
  library_->dsFree(buffer);
  library_->dsFree(buffer);  // freed twice
  library_->dsPlay(buffer);
  library_->dsPlayLooping(buffer);
  library_->dsStop(buffer);
  // The slot is reused, but the old handle must not reach the new buffer.
  const SoundHandle reused = create(wave);
  ASSERT_NE(reused, 0u);
  EXPECT_NE(reused, buffer);
  library_->dsPlayLooping(buffer);
  EXPECT_EQ(playing(0), 0);
  library_->dsPlay(buffer ^ (SoundHandle{1} << 40));
  EXPECT_EQ(playing(-1), 0);
}

TEST_F(RealSoundLibrary, EffectsSoundOverTheLoopingTuneAndStopEndsTheTune) {
  const SoundHandle tune = create(makeWave(1.0), 1);
  const SoundHandle effect = create(makeWave(30.0), 3);
  ASSERT_NE(tune, 0u);
  ASSERT_NE(effect, 0u);

  library_->dsPlayLooping(tune);
  EXPECT_EQ(playing(0), 1);
  library_->dsPlay(effect);
  library_->dsPlay(effect);  // the same effect twice at once
  EXPECT_EQ(playing(0), 1);
  EXPECT_EQ(playing(-1), 3);

  library_->dsStop(tune);
  EXPECT_EQ(playing(0), 0);
  EXPECT_EQ(playing(-1), 2);
  library_->dsStop(effect);
  EXPECT_EQ(playing(-1), 0);

  library_->dsPlayLooping(tune);
  library_->dsFree(tune);  // freeing a sounding buffer silences it
  EXPECT_EQ(playing(0), 0);
}

TEST_F(RealSoundLibrary, HandlesDieWithTheLibrary) {
  const SoundHandle buffer = create(makeWave(0.2));
  ASSERT_NE(buffer, 0u);
  library_->dsTerminate(handle_);
  library_->dsPlay(buffer);
  library_->dsFree(buffer);
  library_->dsTerminate(handle_);  // twice
  handle_ = library_->dsInitialize(0);
  ASSERT_NE(handle_, 0u);
  library_->dsPlayLooping(buffer);
  EXPECT_EQ(playing(0), 0);
}

TEST_F(RealSoundLibrary, NoSoundDeviceGivesNoLibraryHandle) {
  library_->dsTerminate(handle_);
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  handle_ = library_->dsInitialize(0);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_EQ(handle_, 0u);
  const std::vector<unsigned char> wave = makeWave(0.1);
  EXPECT_EQ(library_->dsCreateDSB(handle_, wave.data(), wave.size(), 3), 0u);
  handle_ = library_->dsInitialize(0);
  EXPECT_NE(handle_, 0u);
}

TEST_F(RealSoundLibrary, IsFoundNextToTheRunningProgram) {
  LoadedSoundLibrary byName;
  EXPECT_TRUE(byName.loaded());
}

TEST_F(RealSoundLibrary, TheBindingLoadsTheWavesFromTheCurrentFolder) {
  library_->dsTerminate(handle_);
  InScratchFolder folder;
  for (const std::string& name : WaveNames) folder.write(name, makeWave(0.3));
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.Sound = library_;
  loadSounds(g);
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_NE(g.OtherSound, 0u);
  EXPECT_NE(g.ForbiddenSound, 0u);
  EXPECT_NE(g.PieceSound, 0u);
  EXPECT_NE(g.BgmSound, 0u);
  library_->dsPlayLooping(g.BgmSound);
  library_->dsPlay(g.PieceSound);
  EXPECT_EQ(playing(-1), 2);
  releaseSounds(g);
  handle_ = library_->dsInitialize(0);
}

}  // namespace
}  // namespace vudeve
