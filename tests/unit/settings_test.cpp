#include "ui/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// Code page 932 bytes, taken from iconv's CP932 table by hand.
const std::string SJ_背景画 = "\x94\x77\x8c\x69\x89\xe6";
const std::string SJ_泥 = "\x93\x44";
const std::string SJ_畳 = "\x8f\xf4";
const std::string SJ_移動指導 = "\x88\xda\x93\xae\x8e\x77\x93\xb1";
const std::string SJ_経過時間 = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4";
const std::string DefaultFileBytes = SJ_背景画 + "=" + SJ_泥 + "\r\n" + SJ_移動指導 + "=OFF\r\n" + SJ_経過時間 +
                                     "=ON\r\n" + "BGM=ON\r\n";

constexpr MenuItem BackgroundItems[] = {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU,
                                        MenuItem::RENGA};

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    g.SettingsFolder = folder.path().string();
  }
  std::filesystem::path file() const { return folder / SettingsFileName; }
  bool checked(MenuItem item) const { return g.Menus->isChecked(item); }
  std::vector<MenuItem> checkedBackgrounds() const {
    std::vector<MenuItem> out;
    for (MenuItem item : BackgroundItems)
      if (checked(item)) out.push_back(item);
    return out;
  }
  bool musicStarted() const {
    return std::count(platform.sound.log.begin(), platform.sound.log.end(), "loop " + std::to_string(g.BgmSound)) > 0;
  }
  void writeSettings(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += *toCodePage932(line) + "\r\n";
    writeBytes(file(), bytes);
  }

  TempFolder folder;
  FakePlatform platform;
  Game g;
};

TEST_F(SettingsTest, NoFileWritesTheDefaultFileAndAppliesItWithoutMusic) {
  g.BgmSound = 7;
  読込_環境設定ファイル(g);
  EXPECT_EQ(readBytes(file()), DefaultFileBytes);
  EXPECT_EQ(g.BackgroundCode, MidoriCode);
  EXPECT_EQ(checkedBackgrounds(), std::vector<MenuItem>{MenuItem::MIDORI});
  EXPECT_FALSE(checked(MenuItem::SIDOU));
  EXPECT_TRUE(checked(MenuItem::KEIKA));
  EXPECT_TRUE(checked(MenuItem::BGM));
  EXPECT_FALSE(musicStarted());
  EXPECT_EQ(g.GuidanceOn, 0);
  EXPECT_EQ(g.GuideColor, 2);
  EXPECT_FALSE(platform.surface.picturesAt(0, 0).empty()) << "the background is drawn";
}

TEST_F(SettingsTest, FileThatIsNotCodePage932IsReplacedByTheDefaultFile) {
  writeBytes(file(), "BGM=ON\r\n\x80\xff\r\n");
  読込_環境設定ファイル(g);
  EXPECT_EQ(readBytes(file()), DefaultFileBytes);
  EXPECT_FALSE(musicStarted());
}

struct ReadCase {
  const char* name;
  std::vector<std::string> lines;
  int background;  // expected BackgroundCode; start value 0
  std::vector<MenuItem> backgrounds;
  bool guidance, clocks, music;
};

// Start: nothing checked, except SIDOU and KEIKA checked so that "off"
// results are visible.
const ReadCase ReadCases[] = {
    {"AllOn", {"背景画=宇宙", "移動指導=ON", "経過時間=ON", "BGM=ON"}, UchuCode, {MenuItem::UCHU}, true, true, true},
    {"LowerCaseOnIsOff", {"移動指導=on", "経過時間=On", "BGM=on"}, 0, {}, false, false, false},
    {"UnknownBackgroundChangesNothing", {"背景画=石", "背景画="}, 0, {}, true, true, false},
    {"TrailingBlankIsNotOn", {"BGM=ON ", "経過時間=ON "}, 0, {}, true, false, false},
    {"LineWithoutEqualsIsSkipped", {"", "garbage", "BGM=ON", "背景画 竹"}, 0, {}, true, true, true},
    {"LastLineWins", {"背景画=竹", "背景画=煉瓦", "BGM=ON", "BGM=OFF", "移動指導=OFF", "移動指導=ON"},
     RengaCode, {MenuItem::RENGA}, true, true, false},
    {"UnknownBackgroundAfterAValidOneKeepsIt", {"背景画=畳", "背景画=xyz"}, TatamiCode, {MenuItem::TATAMI},
     true, true, false},
    {"UnknownKeysAndBlanksInKeysAreIgnored", {"色=赤", " BGM=ON", "bgm=ON"}, 0, {}, true, true, false},
    {"ValueKeepsLaterEquals", {"BGM==ON", "背景画=竹=竹"}, 0, {}, true, true, false},
};

class SettingsReadTest : public SettingsTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsReadTest, AppliesTheFileAndNeverRewritesIt) {
  const ReadCase& c = GetParam();
  g.Menus->setChecked(MenuItem::SIDOU, true);
  g.GuidanceOn = 1;
  g.GuideColor = TextColor;
  g.Menus->setChecked(MenuItem::KEIKA, true);
  g.BgmSound = 9;
  writeSettings(c.lines);
  const std::string before = readBytes(file());

  読込_環境設定ファイル(g);

  EXPECT_EQ(readBytes(file()), before);
  EXPECT_EQ(g.BackgroundCode, c.background);
  EXPECT_EQ(checkedBackgrounds(), c.backgrounds);
  EXPECT_EQ(checked(MenuItem::SIDOU), c.guidance);
  EXPECT_EQ(g.GuidanceOn, c.guidance ? 1 : 0);
  EXPECT_EQ(g.GuideColor, c.guidance ? TextColor : 2);
  EXPECT_EQ(checked(MenuItem::KEIKA), c.clocks);
  EXPECT_EQ(checked(MenuItem::BGM), c.music);
  EXPECT_EQ(musicStarted(), c.music);
}

INSTANTIATE_TEST_SUITE_P(Lines, SettingsReadTest, ::testing::ValuesIn(ReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, EmptyFileAppliesNothingAndStaysEmpty) {
  writeBytes(file(), "");
  読込_環境設定ファイル(g);
  EXPECT_TRUE(std::filesystem::exists(file()));
  EXPECT_EQ(std::filesystem::file_size(file()), 0u);
  EXPECT_EQ(g.BackgroundCode, 0);
  EXPECT_TRUE(checkedBackgrounds().empty());
  EXPECT_FALSE(checked(MenuItem::KEIKA));
  EXPECT_FALSE(checked(MenuItem::BGM));
}

TEST_F(SettingsTest, WrittenFileHasTheExactBytesAndReadsBackTheSame) {
  チェック設定(g, TatamiCode);
  g.Menus->setChecked(MenuItem::SIDOU, true);
  g.Menus->setChecked(MenuItem::KEIKA, false);
  g.Menus->setChecked(MenuItem::BGM, true);
  書込_環境設定ファイル(g);
  const std::string expected =
      SJ_背景画 + "=" + SJ_畳 + "\r\n" + SJ_移動指導 + "=ON\r\n" + SJ_経過時間 + "=OFF\r\n" + "BGM=ON\r\n";
  ASSERT_EQ(readBytes(file()), expected);

  Game other;
  FakePlatform otherPlatform;
  otherPlatform.attach(other);
  other.SettingsFolder = g.SettingsFolder;
  読込_環境設定ファイル(other);
  EXPECT_EQ(other.BackgroundCode, TatamiCode);
  EXPECT_TRUE(other.Menus->isChecked(MenuItem::TATAMI));
  EXPECT_TRUE(other.Menus->isChecked(MenuItem::SIDOU));
  EXPECT_EQ(other.GuidanceOn, 1);
  EXPECT_FALSE(other.Menus->isChecked(MenuItem::KEIKA));
  EXPECT_TRUE(other.Menus->isChecked(MenuItem::BGM));
  書込_環境設定ファイル(other);
  EXPECT_EQ(readBytes(file()), expected);
}

TEST_F(SettingsTest, WriterTakesTheFirstCheckedBackgroundAndLeavesTheLineOutWithoutOne) {
  g.Menus->setChecked(MenuItem::RENGA, true);
  g.Menus->setChecked(MenuItem::TAKE, true);
  書込_環境設定ファイル(g);
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(file(), lines), TextFileStatus::Ok);
  EXPECT_EQ(lines, (std::vector<std::string>{"背景画=竹", "移動指導=OFF", "経過時間=OFF", "BGM=OFF"}));

  チェック設定(g, 0);
  書込_環境設定ファイル(g);
  ASSERT_EQ(readTextFile(file(), lines), TextFileStatus::Ok);
  EXPECT_EQ(lines, (std::vector<std::string>{"移動指導=OFF", "経過時間=OFF", "BGM=OFF"}));
}

// A settings file that cannot be written leaves the menu at the defaults;
// the game follows the menu: 泥 drawn, guidance off with its outlines gone,
// the clocks shown and running, the music playing.
TEST_F(SettingsTest, FailedWriteSwitchesTheGameToTheDefaultsTheMenuShows) {
  g.SettingsFolder = (folder / "missing").string();
  g.BgmSound = 42;
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.Turn = g.ManSide;  // a game runs
  g.ManSeconds = 61;
  チェック設定(g, UchuCode);
  g.BackgroundCode = UchuCode;
  SIDOU_Click(g);  // guidance on, and the first failed write
  EXPECT_EQ(checkedBackgrounds(), std::vector<MenuItem>{MenuItem::MIDORI});
  EXPECT_FALSE(checked(MenuItem::SIDOU));
  EXPECT_TRUE(checked(MenuItem::KEIKA));
  EXPECT_TRUE(checked(MenuItem::BGM));

  EXPECT_EQ(g.BackgroundCode, MidoriCode);
  EXPECT_EQ(platform.surface.picturesAt(0, 0), std::vector<int>{MidoriCode});
  EXPECT_EQ(g.GuidanceOn, FalseValue);
  EXPECT_EQ(g.GuideColor, GridColor);
  EXPECT_TRUE(g.Timer1->enabled());
  const auto printed = platform.surface.printed();
  EXPECT_TRUE(std::any_of(printed.begin(), printed.end(), [](const auto& p) { return p.text == "00:01:01"; }));
  EXPECT_TRUE(musicStarted());
}

TEST_F(SettingsTest, ChoosingTheCheckedBackgroundAgainStillRewritesAndRepaints) {
  チェック設定(g, MidoriCode);
  g.BackgroundCode = MidoriCode;
  MIDORI_Click(g);
  EXPECT_EQ(readBytes(file()), SJ_背景画 + "=" + SJ_泥 + "\r\n" + SJ_移動指導 + "=OFF\r\n" + SJ_経過時間 + "=OFF\r\n" +
                                   "BGM=OFF\r\n");
  EXPECT_EQ(platform.surface.picturesAt(0, 0), std::vector<int>{MidoriCode});
}

TEST_F(SettingsTest, EachBackgroundItemChecksItselfAlone) {
  const struct {
    void (*click)(Game&);
    int code;
    MenuItem item;
  } items[] = {{MIDORI_Click, MidoriCode, MenuItem::MIDORI},
               {TATAMI_Click, TatamiCode, MenuItem::TATAMI},
               {TAKE_Click, TakeCode, MenuItem::TAKE},
               {UCHU_Click, UchuCode, MenuItem::UCHU},
               {RENGA_Click, RengaCode, MenuItem::RENGA}};
  for (const auto& item : items) {
    platform.surface.clear();
    item.click(g);
    EXPECT_EQ(g.BackgroundCode, item.code);
    EXPECT_EQ(checkedBackgrounds(), std::vector<MenuItem>{item.item});
    EXPECT_EQ(platform.surface.picturesAt(0, 0), std::vector<int>{item.code});
  }
}

TEST_F(SettingsTest, GuidanceSwitchRestoresTheGridWhenSwitchedOff) {
  SIDOU_Click(g);
  EXPECT_TRUE(checked(MenuItem::SIDOU));
  EXPECT_EQ(g.GuidanceOn, 1);
  EXPECT_EQ(g.GuideColor, TextColor);
  EXPECT_TRUE(platform.surface.calls.empty());

  SIDOU_Click(g);
  EXPECT_FALSE(checked(MenuItem::SIDOU));
  EXPECT_EQ(g.GuidanceOn, 0);
  EXPECT_EQ(g.GuideColor, GridColor);
  int boxes = 0;
  for (const testing::DrawCall& c : platform.surface.calls)
    if (c.kind == testing::DrawCall::Box && c.code == GridColor) ++boxes;
  EXPECT_EQ(boxes, 81 + 7 + 7);
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(file(), lines), TextFileStatus::Ok);
  EXPECT_EQ(lines[0], "移動指導=OFF");
}

TEST_F(SettingsTest, ClockSwitchTurnsTheTimerAndTheClocks) {
  KEIKA_Click(g);
  EXPECT_TRUE(checked(MenuItem::KEIKA));
  EXPECT_TRUE(g.Timer1->enabled());
  EXPECT_EQ(platform.surface.printed().size(), 4u) << "two clocks with their shadows";

  KEIKA_Click(g);
  EXPECT_FALSE(checked(MenuItem::KEIKA));
  EXPECT_FALSE(g.Timer1->enabled());
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(file(), lines), TextFileStatus::Ok);
  EXPECT_EQ(lines[1], "経過時間=OFF");
}

TEST_F(SettingsTest, MusicSwitchLoopsAndStopsTheMusic) {
  g.BgmSound = 42;
  BGM_Click(g);
  BGM_Click(g);
  EXPECT_EQ(platform.sound.log, (std::vector<std::string>{"loop 42", "stop 42"}));
  EXPECT_FALSE(checked(MenuItem::BGM));
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(file(), lines), TextFileStatus::Ok);
  EXPECT_EQ(lines.back(), "BGM=OFF");
}

TEST_F(SettingsTest, AboutMessageNamesTheGameItsVersionAndAddresses) {
  g.OtherSound = 5;
  platform.panel.fileVisible = true;
  platform.panel.textPanelVisible = true;
  VER_Click(g);
  EXPECT_FALSE(platform.panel.fileVisible);
  EXPECT_FALSE(platform.panel.textPanelVisible);
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 5"});
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  const auto& box = platform.messages.shown[0];
  EXPECT_EQ(box.caption, "");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  for (const char* part : {"vudeve", VUDEVE_VERSION, "https://vudeve.example.org", "vudeve@example.org"})
    EXPECT_NE(box.text.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace vudeve
