// The record-file panel at the right of the board: the drive list Drive1,
// the folder list Dir1, the file list File1 ("*.棋譜" and the records of
// the shogi world: KIF, KI2 and CSA), the four text boxes with their
// labels and the RETURN button. The game shows and hides its parts; the
// panel reports the person's choices through the callbacks and never runs
// game code itself.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/ports.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vudeve::window {

// A mounted file system worth offering in the drive list.
struct Volume {
  QString label;
  QString path;
};

// The home folder first, then the mounted file systems that hold files
// (block devices and network shares), each once.
std::vector<Volume> listVolumes();

class QtRecordPanel final : public QWidget, public RecordPanel {
  Q_OBJECT

 public:
  static constexpr int PanelWidth = 250;
  static constexpr const char* FilePatterns[] = {"*.棋譜", "*.kif", "*.kifu", "*.ki2", "*.ki2u", "*.csa"};

  explicit QtRecordPanel(QWidget* parent = nullptr);

  // A drive chosen (Drive1_Change), a folder entered (Dir1_Change), a file
  // clicked (File1_Click), RETURN pressed (Command1_Click).
  std::function<void()> onDriveChange;
  std::function<void()> onDirChange;
  std::function<void()> onFileClick;
  std::function<void()> onReturn;
  // The panel as a whole appeared or disappeared.
  std::function<void(bool shown)> onShownChanged;

  // Starts the lists at a folder without reporting a change.
  void startAt(const QString& folder);

  void setListsVisible(bool drive, bool dir, bool file) override;
  void showTextPanel() override;
  void hideAndClearTextPanel() override;
  std::string text(PanelText box) const override;
  std::string drive() const override;
  std::string folderPath() const override { return folder_.toStdString(); }
  void setFolderPath(const std::string& path) override;
  std::string fileListPath() const override { return fileFolder_.toStdString(); }
  void setFileListPath(const std::string& path) override;
  std::string fileName() const override { return chosenFile_.toStdString(); }
  void refreshFileList() override;

  QSize sizeHint() const override;

 private:
  void fillDrives();
  void fillFolders();
  void enterFolder(const QString& folder);
  void fillFiles();
  void updateShown();

  QComboBox* drives_;
  QLabel* folderLabel_;
  QListWidget* folders_;
  QListWidget* files_;
  QWidget* textArea_;
  std::array<QLineEdit*, 4> texts_{};  // Text1..Text4
  QPushButton* returnButton_;
  QString folder_;
  QString fileFolder_;
  QString chosenFile_;
  bool shown_ = false;
};

}  // namespace vudeve::window
