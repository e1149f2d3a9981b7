#include "app/record_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>

namespace vudeve::window {
namespace {

constexpr int PathRole = Qt::UserRole;

// Network shares hold files like disks do; pseudo file systems do not.
bool isFileStore(const QStorageInfo& volume) {
  static const QStringList network = {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"};
  return volume.device().startsWith("/dev/") || network.contains(QString::fromLatin1(volume.fileSystemType()));
}

bool isSystemFolder(const QString& path) {
  for (const char* prefix : {"/proc", "/sys", "/dev"})
    if (path == QLatin1String(prefix) || path.startsWith(QLatin1String(prefix) + QLatin1Char('/'))) return true;
  return false;
}

// The text boxes from top to bottom, with the labels at their left.
struct TextRow {
  PanelText box;
  const char* objectName;
  const char* label;
};
constexpr TextRow TextRows[] = {
    {PanelText::Text2, "Text2", "対 局 名："},
    {PanelText::Text3, "Text3", "先    手 ："},
    {PanelText::Text4, "Text4", "後    手 ："},
    {PanelText::Text1, "Text1", "ﾌｧｲﾙ名 ："},
};

int indexOf(PanelText box) { return static_cast<int>(box) - 1; }

}  // namespace

std::vector<Volume> listVolumes() {
  std::vector<Volume> volumes;
  const QString home = QDir::homePath();
  volumes.push_back({QStringLiteral("ホーム  ") + home, home});
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString root = volume.rootPath();
    if (!volume.isValid() || !volume.isReady() || !isFileStore(volume) || isSystemFolder(root)) continue;
    if (!QFileInfo(root).isDir() || roots.contains(root) || root == home) continue;
    roots << root;
  }
  roots.sort();
  for (const QString& root : roots) volumes.push_back({root, root});
  return volumes;
}

QtRecordPanel::QtRecordPanel(QWidget* parent)
    : QWidget(parent),
      drives_(new QComboBox(this)),
      folderLabel_(new QLabel(this)),
      folders_(new QListWidget(this)),
      files_(new QListWidget(this)),
      textArea_(new QWidget(this)),
      returnButton_(new QPushButton(QStringLiteral("RETURN"), textArea_)) {
  setObjectName(QStringLiteral("RecordPanel"));
  drives_->setObjectName(QStringLiteral("Drive1"));
  folders_->setObjectName(QStringLiteral("Dir1"));
  files_->setObjectName(QStringLiteral("File1"));
  returnButton_->setObjectName(QStringLiteral("Command1"));
  folderLabel_->setWordWrap(true);

  auto* texts = new QGridLayout(textArea_);
  texts->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (const TextRow& entry : TextRows) {
    auto* label = new QLabel(QString::fromUtf8(entry.label), textArea_);
    label->setObjectName(QStringLiteral("Label1_%1").arg(row));
    auto* edit = new QLineEdit(textArea_);
    edit->setObjectName(QString::fromLatin1(entry.objectName));
    label->setBuddy(edit);
    texts_[indexOf(entry.box)] = edit;
    texts->addWidget(label, row, 0);
    texts->addWidget(edit, row, 1);
    ++row;
  }
  texts->addWidget(returnButton_, row, 1, Qt::AlignRight);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 6);
  column->addWidget(drives_);
  column->addWidget(folderLabel_);
  column->addWidget(folders_, 1);
  column->addWidget(files_, 1);
  column->addWidget(textArea_);
  column->addStretch(0);
  setFixedWidth(PanelWidth);

  connect(drives_, &QComboBox::activated, this, [this] {
    if (onDriveChange) onDriveChange();
  });
  // As in a folder tree, a click only points at a folder; a double click
  // (or Enter) goes into it.
  connect(folders_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { enterFolder(item->data(PathRole).toString()); });
  connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    chosenFile_ = item->text();
    if (onFileClick) onFileClick();
  });
  connect(returnButton_, &QPushButton::clicked, this, [this] {
    if (onReturn) onReturn();
  });

  for (QWidget* part : {static_cast<QWidget*>(drives_), static_cast<QWidget*>(folderLabel_),
                        static_cast<QWidget*>(folders_), static_cast<QWidget*>(files_), textArea_})
    part->hide();
  QWidget::hide();
}

QSize QtRecordPanel::sizeHint() const { return QSize(PanelWidth, QWidget::sizeHint().height()); }

void QtRecordPanel::startAt(const QString& folder) {
  fillDrives();
  const QString start = QDir(folder).absolutePath();
  // The drive that holds the folder: the longest matching root.
  int best = 0, bestLength = -1;
  for (int i = 0; i < drives_->count(); ++i) {
    const QString root = drives_->itemData(i, PathRole).toString();
    const bool holds = start == root || start.startsWith(root.endsWith('/') ? root : root + QLatin1Char('/'));
    if (holds && root.length() > bestLength) {
      best = i;
      bestLength = root.length();
    }
  }
  {
    const QSignalBlocker quiet(drives_);
    drives_->setCurrentIndex(best);
  }
  folder_ = start;
  fileFolder_ = start;
  fillFolders();
  fillFiles();
}

void QtRecordPanel::fillDrives() {
  const QSignalBlocker quiet(drives_);
  drives_->clear();
  for (const Volume& volume : listVolumes()) drives_->addItem(volume.label, volume.path);
}

void QtRecordPanel::fillFolders() {
  folderLabel_->setText(QDir::toNativeSeparators(folder_));
  folders_->clear();
  const QDir here(folder_);
  if (!here.isRoot()) {
    auto* up = new QListWidgetItem(QStringLiteral(".."), folders_);
    up->setData(PathRole, QDir::cleanPath(here.absoluteFilePath(QStringLiteral(".."))));
  }
  for (const QFileInfo& sub : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item = new QListWidgetItem(sub.fileName(), folders_);
    item->setData(PathRole, sub.absoluteFilePath());
  }
}

void QtRecordPanel::fillFiles() {
  files_->clear();
  chosenFile_.clear();
  const QDir here(fileFolder_);
  QStringList patterns;
  for (const char* pattern : FilePatterns) patterns << QString::fromUtf8(pattern);
  files_->addItems(here.entryList(patterns, QDir::Files, QDir::Name));
}

void QtRecordPanel::enterFolder(const QString& folder) {
  setFolderPath(folder.toStdString());
  if (onDirChange) onDirChange();
}

void QtRecordPanel::setListsVisible(bool drive, bool dir, bool file) {
  drives_->setVisible(drive);
  folderLabel_->setVisible(dir);
  folders_->setVisible(dir);
  files_->setVisible(file);
  updateShown();
}

void QtRecordPanel::showTextPanel() {
  textArea_->show();
  updateShown();
}

void QtRecordPanel::hideAndClearTextPanel() {
  for (QLineEdit* edit : texts_) edit->clear();
  textArea_->hide();
  updateShown();
}

void QtRecordPanel::updateShown() {
  bool any = false;
  for (QWidget* part : {static_cast<QWidget*>(drives_), static_cast<QWidget*>(folders_),
                        static_cast<QWidget*>(files_), textArea_})
    any = any || !part->isHidden();
  if (any == shown_) return;
  shown_ = any;
  // Folders and files may have changed while the panel was away.
  if (any) {
    fillFolders();
    fillFiles();
  }
  setVisible(any);
  if (onShownChanged) onShownChanged(any);
}

std::string QtRecordPanel::text(PanelText box) const {
  const int i = indexOf(box);
  if (i < 0 || i >= static_cast<int>(texts_.size())) return {};
  return texts_[i]->text().toStdString();
}

std::string QtRecordPanel::drive() const { return drives_->currentData(PathRole).toString().toStdString(); }

void QtRecordPanel::setFolderPath(const std::string& path) {
  folder_ = QDir(QString::fromStdString(path)).absolutePath();
  fillFolders();
}

void QtRecordPanel::setFileListPath(const std::string& path) {
  fileFolder_ = QDir(QString::fromStdString(path)).absolutePath();
  fillFiles();
}

void QtRecordPanel::refreshFileList() { fillFiles(); }

}  // namespace vudeve::window
