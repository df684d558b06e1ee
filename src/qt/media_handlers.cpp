// The window's side of the media and program commands: mouse buttons and
// dropped files become the emulator's commands, and the drive menu items
// follow what the drives hold afterwards.
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "qt/main_window.h"

namespace quillor {
namespace {

// The emulator's media modes are the mouse buttons; any other button only
// refreshes the panel, as the middle one does.
int MediaMode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kMediaInsert;
    case Qt::RightButton: return kMediaRemove;
    default: return kMediaRefresh;
  }
}

// The first local file of a drag, or an empty string.
QString DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

// The caption's file name is the user's: an "&" in it is a character to
// show, not a mnemonic. Only the drive number keeps its "&".
QString MenuText(const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  const qsizetype nameStart = text.indexOf(": ");
  if (nameStart < 0) return text;
  return text.left(nameStart + 2) + text.mid(nameStart + 2).replace("&", "&&");
}

}  // namespace

void TForm1::RefreshDriveCaptions() {
  for (int drive = 0; drive < kDriveCount; ++drive) {
    const QString caption = MenuText(emulator_->drives.MenuCaption(drive));
    const QString name = QString("Disk%1").arg(drive);
    Item(qPrintable(name + "1"))->setText(caption);
    Item(qPrintable(name + "2"))->setText(caption);
  }
}

void TForm1::DriveMenuClick(int drive, int mode) {
  commands_->LoadImage(drive, mode);
  RefreshDriveCaptions();
}

void TForm1::DriveMouseDown(int drive, Qt::MouseButton button) {
  commands_->DrivePanelPress(drive, MediaMode(button));
  RefreshDriveCaptions();
}

void TForm1::Insert1Click() { commands_->LoadImage(kCassetteSlot, kMediaInsert); }
void TForm1::Remove1Click() { commands_->LoadImage(kCassetteSlot, kMediaRemove); }

void TForm1::pCasMouseDown(Qt::MouseButton button, QPoint position) {
  // The cassette picture is presented at the panel's origin, so panel and
  // picture coordinates are the same.
  commands_->CassettePanelPress(MediaMode(button), position.x(), position.y());
}

void TForm1::Autostart1Click() { commands_->Autostart(); }
void TForm1::Textinput1Click() { commands_->TextInput(); }

// The clipboard is read here; what becomes of its text is the command's.
void TForm1::Pastetext1Click() { commands_->PasteText(QGuiApplication::clipboard()->text().toStdString()); }

void TForm1::StartDroppedFile(const QString& path) {
  emulator_->StartFile(path.toStdString());
  RefreshDriveCaptions();
  TakeFocus();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  StartDroppedFile(path);
}

}  // namespace quillor
