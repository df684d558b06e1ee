#include "storage/drive_state.h"

namespace quillor {

bool DiskDrives::OpenMediaImage(const std::string& path, int drive) {
  DriveState& d = drives_[drive];
  d.insertion = ++insertions_;
  d.image.Open(path);
  d.open = d.image.IsOpen();
  d.present = d.open && d.image.TablesValid();
  d.fileName = d.open ? path : std::string();
  RecomputeAnyDiskPresent();
  return d.open;
}

void DiskDrives::RemoveDisk(int drive) {
  drives_[drive].fileName.clear();
  drives_[drive].present = false;
  RecomputeAnyDiskPresent();
}

int DiskDrives::SlotOf(int drive, int track, int sectorId) const {
  return drives_[drive].image.SlotOf(track, sectorId);
}

void DiskDrives::ReadTrack(int drive, int track, TrackSpan buffer) const {
  if (drives_[drive].present) drives_[drive].image.ReadTrack(track, buffer);
}

void DiskDrives::WriteTrack(int drive, int track, ConstTrackSpan buffer) {
  if (drives_[drive].present) drives_[drive].image.WriteTrack(track, buffer);
}

std::string DiskDrives::MenuCaption(int drive) const {
  std::string caption = "Drive &" + std::to_string(drive) + ": ";
  return caption + (drives_[drive].fileName.empty() ? "<Empty>" : drives_[drive].fileName);
}

void DiskDrives::RecomputeAnyDiskPresent() {
  anyDiskPresent_ = false;
  for (const DriveState& d : drives_) anyDiskPresent_ = anyDiskPresent_ || d.present;
}

}  // namespace quillor
