// What the game needs from the platform, as small interfaces. The window
// (app/) implements them with Qt; tests and the command-line tool use fakes
// or the null implementations below, so the game itself never sees Qt.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vudeve {

// The window's drawing surface. Positions are in twips; colours are QBColor
// palette indices 0..15. What is drawn stays until drawn over.
class Surface {
 public:
  virtual ~Surface() = default;
  // Places the picture of a picture code (0 empty square, piece codes,
  // 1 title, 2..6 backgrounds) with its top-left corner at the point.
  virtual void drawPicture(int pictureCode, double twipX, double twipY) = 0;
  // Unfilled rectangle from (x1, y1) to (x2, y2).
  virtual void drawBox(int qbColor, double x1, double y1, double x2, double y2) = 0;
  virtual void setFontSize(double points) = 0;
  virtual void setFontBold(bool bold) = 0;
  virtual void setForeColor(int qbColor) = 0;
  virtual void setTextPosition(double twipX, double twipY) = 0;
  // Prints UTF-8 text at the text position.
  virtual void print(const std::string& text) = 0;
  // How wide print would make the text with the font set now, in twips.
  virtual double textWidth(const std::string& text) const = 0;
  virtual void setBackColor(int qbColor) = 0;
  // Shows what has been drawn now, even while the game blocks the event loop.
  virtual void refresh() = 0;
};

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal message box; "\r" in the text is a carriage return (line break).
  virtual MessageAnswer show(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon) = 0;
};

// A date and time of the wall clock, as a person reads it; year 0 means
// not known.
struct CalendarTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool known() const { return year != 0; }
  bool operator==(const CalendarTime&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Time of day in seconds since midnight, as a real number.
  virtual double secondsSinceMidnight() = 0;
  // The local date and time, for the records of when a game was played.
  virtual CalendarTime now() = 0;
  // A clock that never jumps back, for measuring waits.
  virtual double monotonicSeconds() = 0;
  // Blocks for a moment without running other events (used by busy waits).
  virtual void pause() = 0;
};

// The window timer Timer1 (50 ms interval); its ticks call Timer1_Timer.
class WindowTimer {
 public:
  virtual ~WindowTimer() = default;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
};

// Menu entries that carry check marks. The check marks are the master copy
// of these settings while the game runs.
enum class MenuItem { LEVEL1, LEVEL2, LEVEL3, LEVEL4, LEVEL5, MIDORI, TATAMI, TAKE, UCHU, RENGA, SIDOU, KEIKA, BGM };

// The level entries, LEVEL1 first: one of them is checked at a time.
inline constexpr MenuItem LevelItems[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL4,
                                          MenuItem::LEVEL5};

class Menu {
 public:
  virtual ~Menu() = default;
  virtual void setChecked(MenuItem item, bool checked) = 0;
  virtual bool isChecked(MenuItem item) const = 0;
};

// Handles of our sound library: 0 means "no sound" and is accepted everywhere.
using SoundHandle = std::uintptr_t;

// The operations of our sound library, as the game calls them.
class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual SoundHandle dsInitialize(std::uintptr_t windowHandle) = 0;
  virtual SoundHandle dsCreateDSB(SoundHandle library, const unsigned char* image, std::size_t length,
                                  int flags) = 0;
  virtual void dsPlay(SoundHandle buffer) = 0;
  virtual void dsPlayLooping(SoundHandle buffer) = 0;
  virtual void dsStop(SoundHandle buffer) = 0;
  virtual void dsFree(SoundHandle buffer) = 0;
  virtual void dsTerminate(SoundHandle library) = 0;
};

// A library that makes no buffers, so nothing plays. `opened` is what
// dsInitialize answers: 0 as on a machine without sound (the game warns),
// or a handle for silence the player chose (`vudeve --silent`), which
// nothing warns about.
class SilentSoundLibrary final : public SoundLibrary {
 public:
  explicit SilentSoundLibrary(SoundHandle opened = 0) : opened_(opened) {}
  SoundHandle dsInitialize(std::uintptr_t) override { return opened_; }
  SoundHandle dsCreateDSB(SoundHandle, const unsigned char*, std::size_t, int) override { return 0; }
  void dsPlay(SoundHandle) override {}
  void dsPlayLooping(SoundHandle) override {}
  void dsStop(SoundHandle) override {}
  void dsFree(SoundHandle) override {}
  void dsTerminate(SoundHandle) override {}

 private:
  SoundHandle opened_;
};

// The record-file panel inside the main window: a drive list, a folder
// list, a file list showing "*.棋譜", four text boxes and the RETURN button.
// Paths are UTF-8. The window calls Drive1_Change, Dir1_Change, File1_Click
// and Command1_Click (app/handlers/record_panel_commands.h) when the person
// picks a drive, a folder or a file or presses RETURN; the setters below
// only show the new path and never call back.
enum class PanelText { Text1 = 1, Text2, Text3, Text4 };  // file name, title, first mover, second mover

class RecordPanel {
 public:
  virtual ~RecordPanel() = default;
  // Visibility of the drive list, the folder list and the file list.
  virtual void setListsVisible(bool drive, bool dir, bool file) = 0;
  // Shows the text boxes, their labels and the RETURN button.
  virtual void showTextPanel() = 0;
  // Empties the four text boxes and hides the text panel.
  virtual void hideAndClearTextPanel() = 0;
  virtual std::string text(PanelText box) const = 0;
  // The drive chosen in the drive list (a mounted file system's folder).
  virtual std::string drive() const = 0;
  // The folder shown by the folder list.
  virtual std::string folderPath() const = 0;
  virtual void setFolderPath(const std::string& path) = 0;
  // The folder whose record files the file list shows.
  virtual std::string fileListPath() const = 0;
  virtual void setFileListPath(const std::string& path) = 0;
  // The file name chosen in the file list, without folder.
  virtual std::string fileName() const = 0;
  // Reads the file list's folder again.
  virtual void refreshFileList() = 0;
};

// The main window itself: its placement, its handle for the sound library,
// and ending the program.
class MainWindow {
 public:
  virtual ~MainWindow() = default;
  virtual double topTwips() const = 0;
  virtual void placeTwips(double left, double top, double width, double height) = 0;
  virtual std::uintptr_t handle() const = 0;
  virtual void quit() = 0;
};

// The system clipboard, for handing text to other programs.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's contents with the UTF-8 text.
  virtual void setText(const std::string& text) = 0;
  // The clipboard's text as UTF-8; "" when it holds none.
  virtual std::string text() const = 0;
};

// Long work away from the window's thread, so that the window stays alive
// while it runs. The work must use only data of its own and should return
// soon once `stop` is set; `done` then runs on the window's thread between
// events, never inside another handler. Without a window both run at once,
// one after the other, inside start: a game without a window stays
// deterministic.
class BackgroundWork {
 public:
  using Work = std::function<void(const std::atomic<bool>& stop)>;
  virtual ~BackgroundWork() = default;
  virtual void start(Work work, std::function<void()> done) = 0;
  // Stops the work in progress and waits for it to return; its done never
  // runs. Does nothing when no work is in progress.
  virtual void abandon() = 0;
};

// Do-nothing implementations: no window, no sound. The stateless ones are
// shared; a timer, a clock and a menu of its own come with every Game.
struct NullPlatform {
  static Surface& surface();
  static MessageBoxes& messages();
  static SoundLibrary& sound();
  static RecordPanel& panel();
  static MainWindow& window();
  static Clipboard& clipboard();
  // Runs the work and then done, inside start.
  static BackgroundWork& background();
};

// Time of day stopped at 0 on no known date; monotonic time advances on
// every pause so that waits end at once.
class NullClock final : public Clock {
 public:
  double secondsSinceMidnight() override { return 0; }
  CalendarTime now() override { return {}; }
  double monotonicSeconds() override { return now_; }
  void pause() override { now_ += 1.0; }

 private:
  double now_ = 0;
};

class NullTimer final : public WindowTimer {
 public:
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }

 private:
  bool enabled_ = false;
};

class NullMenu final : public Menu {
 public:
  void setChecked(MenuItem item, bool checked) override { checked_[static_cast<int>(item)] = checked; }
  bool isChecked(MenuItem item) const override { return checked_[static_cast<int>(item)]; }

 private:
  bool checked_[static_cast<int>(MenuItem::BGM) + 1] = {};
};

}  // namespace vudeve
