// Fakes of the platform interfaces for headless tests: a surface that
// records every call, scripted message boxes, a hand-driven clock, and a
// sound library that records what it was asked to do.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "rules/game.h"
#include "ui/draw.h"

namespace vudeve::testing {

// One recorded drawing call. Positions are twips.
struct DrawCall {
  enum Kind { Picture, Box, FontSize, Bold, ForeColor, TextPosition, Print, BackColor, Refresh } kind;
  int code = 0;  // picture code or colour index
  double x = 0, y = 0, x2 = 0, y2 = 0;
  double size = 0;
  bool bold = false;
  std::string text;
};

class RecordingSurface final : public Surface {
 public:
  std::vector<DrawCall> calls;

  void drawPicture(int code, double x, double y) override { calls.push_back({DrawCall::Picture, code, x, y}); }
  void drawBox(int color, double x1, double y1, double x2, double y2) override {
    calls.push_back({DrawCall::Box, color, x1, y1, x2, y2});
  }
  void setFontSize(double points) override {
    fontPoints_ = points;
    calls.push_back({DrawCall::FontSize, 0, 0, 0, 0, 0, points});
  }
  void setFontBold(bool bold) override { calls.push_back({DrawCall::Bold, 0, 0, 0, 0, 0, 0, bold}); }
  void setForeColor(int color) override { calls.push_back({DrawCall::ForeColor, color}); }
  void setTextPosition(double x, double y) override { calls.push_back({DrawCall::TextPosition, 0, x, y}); }
  void print(const std::string& text) override {
    DrawCall call{DrawCall::Print};
    call.text = text;
    calls.push_back(call);
  }
  void setBackColor(int color) override { calls.push_back({DrawCall::BackColor, color}); }
  void refresh() override { calls.push_back({DrawCall::Refresh}); }
  // A monospaced font: a character is as wide as the font is high (20
  // twips a point), an ASCII or half-width katakana one half that.
  double textWidth(const std::string& text) const override {
    double ems = 0;
    for (std::size_t i = 0; i < text.size();) {
      const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(k < text.size() ? text[k] : 0); };
      const unsigned lead = byte(i);
      const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      const unsigned code = length == 3 ? (lead & 0x0F) << 12 | (byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F) : lead;
      ems += lead < 0x80 || (code >= 0xFF61 && code <= 0xFF9F) ? 0.5 : 1;
      i += length;
    }
    return ems * fontPoints_ * 20;
  }

  // Twips of cell (x, y), as the drawing code computes them.
  static double cellX(double x) { return BoardLeft + x * CellWidth; }
  static double cellY(double y) { return BoardTop + y * CellHeight; }

  // Pictures placed at the top-left corner of cell (x, y), in order.
  std::vector<int> picturesAt(double x, double y) const {
    std::vector<int> codes;
    for (const DrawCall& c : calls)
      if (c.kind == DrawCall::Picture && near(c.x, cellX(x)) && near(c.y, cellY(y))) codes.push_back(c.code);
    return codes;
  }
  // Texts printed, each with the colour and position in force when printed.
  struct PrintedText {
    std::string text;
    int color;
    double x, y, size;
    bool bold;
  };
  std::vector<PrintedText> printed() const {
    std::vector<PrintedText> out;
    int color = 0;
    double x = 0, y = 0, size = 0;
    bool bold = false;
    for (const DrawCall& c : calls) {
      switch (c.kind) {
        case DrawCall::ForeColor: color = c.code; break;
        case DrawCall::TextPosition: x = c.x; y = c.y; break;
        case DrawCall::FontSize: size = c.size; break;
        case DrawCall::Bold: bold = c.bold; break;
        case DrawCall::Print: out.push_back({c.text, color, x, y, size, bold}); break;
        default: break;
      }
    }
    return out;
  }
  void clear() { calls.clear(); }

  static bool near(double a, double b) { return a - b < 0.01 && b - a < 0.01; }

 private:
  double fontPoints_ = 9;
};

// Message boxes answered from a script, then from the answer source when
// one is set (a monkey answers at random), else Yes; every box shown is kept.
class ScriptedMessages final : public MessageBoxes {
 public:
  struct Shown {
    std::string text, caption;
    MessageButtons buttons;
    MessageIcon icon;
  };
  std::vector<Shown> shown;
  std::deque<MessageAnswer> answers;
  std::function<MessageAnswer()> answerSource;

  MessageAnswer show(const std::string& text, const std::string& caption, MessageButtons buttons,
                     MessageIcon icon) override {
    shown.push_back({text, caption, buttons, icon});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return answerSource ? answerSource() : MessageAnswer::Yes;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.text);
    return out;
  }
};

// Time of day and date set by the test; every pause moves both clocks on
// by `step`.
class ManualClock final : public Clock {
 public:
  double timeOfDay = 0;
  double monotonic = 0;
  double step = 0.01;
  CalendarTime calendar{2024, 5, 1, 10, 0, 0};
  double secondsSinceMidnight() override { return timeOfDay; }
  CalendarTime now() override { return calendar; }
  double monotonicSeconds() override { return monotonic; }
  void pause() override {
    monotonic += step;
    timeOfDay += step;
  }
};

// Records every call; buffer handles count up from 100.
class RecordingSound final : public SoundLibrary {
 public:
  std::vector<std::string> log;
  SoundHandle next = 100;
  SoundHandle dsInitialize(std::uintptr_t) override { log.push_back("init"); return 1; }
  SoundHandle dsCreateDSB(SoundHandle, const unsigned char*, std::size_t, int flags) override {
    log.push_back("create " + std::to_string(flags));
    return next++;
  }
  void dsPlay(SoundHandle b) override { log.push_back("play " + std::to_string(b)); }
  void dsPlayLooping(SoundHandle b) override { log.push_back("loop " + std::to_string(b)); }
  void dsStop(SoundHandle b) override { log.push_back("stop " + std::to_string(b)); }
  void dsFree(SoundHandle b) override { log.push_back("free " + std::to_string(b)); }
  void dsTerminate(SoundHandle) override { log.push_back("terminate"); }
};

// A main window that remembers where it was put and whether it was closed.
class FakeWindow final : public MainWindow {
 public:
  double top = 0;
  bool placed = false;
  bool quitted = false;
  double topTwips() const override { return top; }
  void placeTwips(double, double t, double, double) override {
    placed = true;
    top = t;
  }
  std::uintptr_t handle() const override { return 1; }
  void quit() override { quitted = true; }
};

// The record-file panel as plain fields the test sets and reads.
class FakePanel final : public RecordPanel {
 public:
  bool driveVisible = false, dirVisible = false, fileVisible = false;
  bool textPanelVisible = false;
  std::map<PanelText, std::string> texts;
  std::string chosenDrive, folder, fileFolder, chosenFile;
  int refreshes = 0;

  void setListsVisible(bool drive, bool dir, bool file) override {
    driveVisible = drive;
    dirVisible = dir;
    fileVisible = file;
  }
  void showTextPanel() override { textPanelVisible = true; }
  void hideAndClearTextPanel() override {
    textPanelVisible = false;
    texts.clear();
  }
  std::string text(PanelText box) const override {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  std::string drive() const override { return chosenDrive; }
  std::string folderPath() const override { return folder; }
  void setFolderPath(const std::string& path) override { folder = path; }
  std::string fileListPath() const override { return fileFolder; }
  void setFileListPath(const std::string& path) override { fileFolder = path; }
  std::string fileName() const override { return chosenFile; }
  void refreshFileList() override { ++refreshes; }
};

// The clipboard's text, as the game last set it or a test put it there.
class FakeClipboard final : public Clipboard {
 public:
  std::string contents;
  void setText(const std::string& t) override { contents = t; }
  std::string text() const override { return contents; }
};

// Background work held until the test lets it go on, so that the computer
// stays thinking in between, as it does in the window.
class HeldBackgroundWork final : public BackgroundWork {
 public:
  int abandoned = 0;
  void start(Work work, std::function<void()> done) override {
    work_ = std::move(work);
    done_ = std::move(done);
  }
  void abandon() override {
    work_ = nullptr;
    done_ = nullptr;
    ++abandoned;
  }
  bool holding() const { return static_cast<bool>(done_); }
  // Runs the held work to its end, then its done.
  void finish() {
    const std::atomic<bool> never{false};
    Work work = std::move(work_);
    std::function<void()> done = std::move(done_);
    work_ = nullptr;
    done_ = nullptr;
    work(never);
    done();
  }

 private:
  Work work_;
  std::function<void()> done_;
};

// A Game wired to the fakes above.
struct FakePlatform {
  RecordingSurface surface;
  ScriptedMessages messages;
  ManualClock clock;
  RecordingSound sound;
  FakeWindow window;
  FakePanel panel;
  FakeClipboard clipboard;

  void attach(Game& g) {
    g.Screen = &surface;
    g.View = &boardDrawing();
    g.Messages = &messages;
    g.Time = &clock;
    g.Sound = &sound;
    g.Window = &window;
    g.Panel = &panel;
    g.Clip = &clipboard;
  }
};

}  // namespace vudeve::testing
