// The four disk drives: what each holds, where its head stands, and the
// track-level interface the disk controller works through.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "storage/disk_geometry.h"
#include "storage/disk_image.h"

namespace quillor {

struct DriveState {
  DiskImage image;         // kept open while inserted, until the next insertion
  bool open = false;       // the file is open and of a known kind
  bool present = false;    // the controller sees a usable disk
  int headPosition = 0;    // physical track under the head, 0-79
  std::string fileName;    // empty when nothing is inserted
  uint32_t insertion = 0;  // changes with every insertion: which disk this is

  DiskImageKind Kind() const { return image.Kind(); }
  bool WriteProtected() const { return image.WriteProtected(); }
};

class DiskDrives {
 public:
  // Inserts the image at path into drive 0-3, replacing what it held. True
  // when the file is open and of a known kind (the name is then kept); a
  // known kind whose tables fail a check is inserted but not present.
  bool OpenMediaImage(const std::string& path, int drive);
  // Takes the disk out for the controller and clears the name. The file
  // stays open until the next insertion into this drive.
  void RemoveDisk(int drive);

  bool AnyDiskPresent() const { return anyDiskPresent_; }
  bool Present(int drive) const { return drives_[drive].present; }
  bool WriteProtected(int drive) const { return drives_[drive].WriteProtected(); }
  int SlotOf(int drive, int track, int sectorId) const;
  int& HeadPosition(int drive) { return drives_[drive].headPosition; }
  // Tells one inserted disk from the next, so that bytes read from one disk
  // are never written back to another.
  uint32_t Insertion(int drive) const { return drives_[drive].insertion; }

  // Track transfers for the controller; a drive without a disk is left alone.
  void ReadTrack(int drive, int track, TrackSpan buffer) const;
  void WriteTrack(int drive, int track, ConstTrackSpan buffer);

  const DriveState& Drive(int drive) const { return drives_[drive]; }
  const std::string& FileName(int drive) const { return drives_[drive].fileName; }
  // The caption of the drive's items in the insert and remove menus:
  // "Drive &0: " followed by the file name, or by "<Empty>".
  std::string MenuCaption(int drive) const;

 private:
  void RecomputeAnyDiskPresent();

  std::array<DriveState, kDriveCount> drives_;
  bool anyDiskPresent_ = false;
  uint32_t insertions_ = 0;
};

}  // namespace quillor
