#include "platform/ports.h"

namespace vudeve {
namespace {

class NullSurface final : public Surface {
 public:
  void drawPicture(int, double, double) override {}
  void drawBox(int, double, double, double, double) override {}
  void setFontSize(double) override {}
  void setFontBold(bool) override {}
  void setForeColor(int) override {}
  void setTextPosition(double, double) override {}
  void print(const std::string&) override {}
  double textWidth(const std::string&) const override { return 0; }
  void setBackColor(int) override {}
  void refresh() override {}
};

class NullMessages final : public MessageBoxes {
 public:
  MessageAnswer show(const std::string&, const std::string&, MessageButtons buttons, MessageIcon) override {
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
};

class NullPanel final : public RecordPanel {
 public:
  void setListsVisible(bool, bool, bool) override {}
  void showTextPanel() override {}
  void hideAndClearTextPanel() override {}
  std::string text(PanelText) const override { return {}; }
  std::string drive() const override { return {}; }
  std::string folderPath() const override { return {}; }
  void setFolderPath(const std::string&) override {}
  std::string fileListPath() const override { return {}; }
  void setFileListPath(const std::string&) override {}
  std::string fileName() const override { return {}; }
  void refreshFileList() override {}
};

class NullWindow final : public MainWindow {
 public:
  double topTwips() const override { return 0; }
  void placeTwips(double, double, double, double) override {}
  std::uintptr_t handle() const override { return 0; }
  void quit() override {}
};

class NullClipboard final : public Clipboard {
 public:
  void setText(const std::string&) override {}
  std::string text() const override { return {}; }
};

class SynchronousWork final : public BackgroundWork {
 public:
  void start(Work work, std::function<void()> done) override {
    const std::atomic<bool> never{false};
    work(never);
    done();
  }
  void abandon() override {}
};

}  // namespace

Surface& NullPlatform::surface() { static NullSurface s; return s; }
MessageBoxes& NullPlatform::messages() { static NullMessages m; return m; }
SoundLibrary& NullPlatform::sound() { static SilentSoundLibrary s; return s; }
RecordPanel& NullPlatform::panel() { static NullPanel p; return p; }
MainWindow& NullPlatform::window() { static NullWindow w; return w; }
Clipboard& NullPlatform::clipboard() { static NullClipboard c; return c; }
BackgroundWork& NullPlatform::background() { static SynchronousWork w; return w; }

}  // namespace vudeve
