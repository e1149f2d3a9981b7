#include "ui/settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "ui/draw.h"

namespace vudeve {
namespace {

struct Background {
  int code;
  MenuItem item;
  const char* value;
};

// In the order the writer looks for the checked item.
constexpr Background Backgrounds[] = {
    {MidoriCode, MenuItem::MIDORI, "泥"}, {TakeCode, MenuItem::TAKE, "竹"},    {TatamiCode, MenuItem::TATAMI, "畳"},
    {UchuCode, MenuItem::UCHU, "宇宙"},   {RengaCode, MenuItem::RENGA, "煉瓦"},
};

const std::vector<std::string> DefaultLines = {"背景画=泥", "移動指導=OFF", "経過時間=ON", "BGM=ON"};

std::filesystem::path settingsPath(const Game& g) { return std::filesystem::path(g.SettingsFolder) / SettingsFileName; }

std::optional<int> backgroundOf(const std::string& value) {
  for (const Background& b : Backgrounds)
    if (value == b.value) return b.code;
  return std::nullopt;
}

bool checked(const Game& g, MenuItem item) { return g.Menus->isChecked(item); }

std::string onOffLine(const Game& g, const char* key, MenuItem item) {
  return std::string(key) + (checked(g, item) ? "=ON" : "=OFF");
}

// A missing or unreadable file is silently replaced by the default file.
// The music stays off although BGM is checked, and guidance keeps its
// start-up values: that is how a first start has always looked.
void recoverWithDefaults(Game& g) {
  writeTextFile(settingsPath(g), DefaultLines);
  チェック設定(g, MidoriCode);
  描画_背景(g, MidoriCode);
  g.BackgroundCode = MidoriCode;
  g.Menus->setChecked(MenuItem::SIDOU, false);
  g.Menus->setChecked(MenuItem::KEIKA, true);
  g.Menus->setChecked(MenuItem::BGM, true);
}

void switchGuidanceOff(Game& g) {
  // Guidance outlines may be showing; put the plain grid back.
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) 描画_桝輪郭(g, GridColor, x, y);
  for (int y = 1; y <= 7; ++y) 描画_桝輪郭(g, GridColor, -1, y);
  for (int y = 3; y <= 9; ++y) 描画_桝輪郭(g, GridColor, 11, y);
  g.Menus->setChecked(MenuItem::SIDOU, false);
  g.GuidanceOn = 0;
  g.GuideColor = GridColor;
}

void switchClocksOn(Game& g) {
  // Checked first: the clocks are drawn only while KEIKA is checked.
  g.Menus->setChecked(MenuItem::KEIKA, true);
  g.Timer1->setEnabled(true);
  描画_所有時間(g, g.ComSide, g.ComSeconds);
  描画_所有時間(g, g.ManSide, g.ManSeconds);
}

void switchMusicOn(Game& g) {
  g.Menus->setChecked(MenuItem::BGM, true);
  g.Sound->dsPlayLooping(g.BgmSound);
}

// The file could not be written: one more try with the default file, and
// the game switches to the defaults the menu then shows.
void fallBackToDefaults(Game& g) {
  writeTextFile(settingsPath(g), DefaultLines);
  チェック設定(g, MidoriCode);
  if (g.BackgroundCode != MidoriCode) {
    g.BackgroundCode = MidoriCode;
    画面_再描画(g);
  }
  if (g.GuidanceOn != FalseValue || checked(g, MenuItem::SIDOU)) switchGuidanceOff(g);
  if (!checked(g, MenuItem::KEIKA)) switchClocksOn(g);
  if (!checked(g, MenuItem::BGM)) switchMusicOn(g);
}

void chooseBackground(Game& g, int code, MenuItem item) {
  if (!checked(g, item)) {
    チェック設定(g, code);
    g.BackgroundCode = code;
  }
  書込_環境設定ファイル(g);
  画面_再描画(g);
}

}  // namespace

void チェック設定(Game& g, int backgroundCode) {
  for (const Background& b : Backgrounds) g.Menus->setChecked(b.item, false);
  for (const Background& b : Backgrounds)
    if (b.code == backgroundCode) g.Menus->setChecked(b.item, true);
}

void 読込_環境設定ファイル(Game& g) {
  std::vector<std::string> lines;
  if (readTextFile(settingsPath(g), lines) != TextFileStatus::Ok) {
    recoverWithDefaults(g);
    return;
  }

  // The last line of a key wins. Every key is applied once, with its last
  // value, so that "BGM=ON" followed by "BGM=OFF" never leaves the music
  // playing under an unchecked BGM. A background value that is none of the
  // five is no choice at all and leaves an earlier one standing.
  std::optional<int> background;
  std::optional<std::string> guidance, clocks, music;
  for (const std::string& line : lines) {
    std::size_t p = line.find('=');
    if (p == std::string::npos) continue;  // not a setting; the rest of the file still counts
    std::string key = line.substr(0, p);
    std::string value = line.substr(p + 1);
    if (key == "背景画") {
      if (std::optional<int> code = backgroundOf(value)) background = code;
    } else if (key == "移動指導") {
      guidance = value;
    } else if (key == "経過時間") {
      clocks = value;
    } else if (key == "BGM") {
      music = value;
    }
  }

  if (background) {
    チェック設定(g, *background);
    描画_背景(g, *background);
    g.BackgroundCode = *background;
  }
  if (guidance) {
    bool on = *guidance == "ON";
    g.GuideColor = on ? TextColor : 2;
    g.Menus->setChecked(MenuItem::SIDOU, on);
    g.GuidanceOn = on ? 1 : 0;
  }
  if (clocks) g.Menus->setChecked(MenuItem::KEIKA, *clocks == "ON");
  if (music) {
    bool on = *music == "ON";
    g.Menus->setChecked(MenuItem::BGM, on);
    if (on) g.Sound->dsPlayLooping(g.BgmSound);
  }
}

void 書込_環境設定ファイル(Game& g) {
  std::vector<std::string> lines;
  for (const Background& b : Backgrounds) {
    if (checked(g, b.item)) {
      lines.push_back(std::string("背景画=") + b.value);
      break;
    }
  }
  lines.push_back(onOffLine(g, "移動指導", MenuItem::SIDOU));
  lines.push_back(onOffLine(g, "経過時間", MenuItem::KEIKA));
  lines.push_back(onOffLine(g, "BGM", MenuItem::BGM));
  if (writeTextFile(settingsPath(g), lines) != TextFileStatus::Ok) fallBackToDefaults(g);
}

void OPTION_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

void MIDORI_Click(Game& g) { chooseBackground(g, MidoriCode, MenuItem::MIDORI); }
void TATAMI_Click(Game& g) { chooseBackground(g, TatamiCode, MenuItem::TATAMI); }
void TAKE_Click(Game& g) { chooseBackground(g, TakeCode, MenuItem::TAKE); }
void UCHU_Click(Game& g) { chooseBackground(g, UchuCode, MenuItem::UCHU); }
void RENGA_Click(Game& g) { chooseBackground(g, RengaCode, MenuItem::RENGA); }

void SIDOU_Click(Game& g) {
  if (checked(g, MenuItem::SIDOU)) {
    switchGuidanceOff(g);
  } else {
    g.Menus->setChecked(MenuItem::SIDOU, true);
    g.GuidanceOn = 1;
    g.GuideColor = TextColor;
  }
  書込_環境設定ファイル(g);
}

void KEIKA_Click(Game& g) {
  if (checked(g, MenuItem::KEIKA)) {
    g.Menus->setChecked(MenuItem::KEIKA, false);
    g.Timer1->setEnabled(false);
    消去_所有時間(g, g.ManSide);
    消去_所有時間(g, g.ComSide);
  } else {
    switchClocksOn(g);
  }
  書込_環境設定ファイル(g);
}

void BGM_Click(Game& g) {
  if (checked(g, MenuItem::BGM)) {
    g.Menus->setChecked(MenuItem::BGM, false);
    g.Sound->dsStop(g.BgmSound);
  } else {
    switchMusicOn(g);
  }
  書込_環境設定ファイル(g);
}

void VER_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  g.Sound->dsPlay(g.OtherSound);
  g.Messages->show("vudeve  Version " VUDEVE_VERSION "\r"
                   "ホームページ  https://vudeve.example.org\r"
                   "連絡先  vudeve@example.org",
                   "", MessageButtons::Ok, MessageIcon::None);
}

}  // namespace vudeve
