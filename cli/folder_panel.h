// The record-file panel for the command-line tool: one folder, the texts
// and the chosen file set by the command, so that the tool reads and
// writes record files through the panel's own handlers.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/ports.h"

namespace vudeve::cli {

class FolderPanel final : public RecordPanel {
 public:
  explicit FolderPanel(std::string folder) : folder_(std::move(folder)) {}
  std::map<PanelText, std::string> texts;
  std::string chosenFile;
  // The handlers refresh the file list only after writing a file whole.
  int refreshes = 0;

  void setListsVisible(bool, bool, bool) override {}
  void showTextPanel() override {}
  void hideAndClearTextPanel() override { texts.clear(); }
  std::string text(PanelText box) const override {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  std::string drive() const override { return folder_; }
  std::string folderPath() const override { return folder_; }
  void setFolderPath(const std::string&) override {}
  std::string fileListPath() const override { return folder_; }
  void setFileListPath(const std::string&) override {}
  std::string fileName() const override { return chosenFile; }
  void refreshFileList() override { ++refreshes; }

 private:
  std::string folder_;
};

}  // namespace vudeve::cli
