// Host key events on their way to the keyboard matrix and the joystick byte.
//
// A host can press and release a key within a millisecond (typing tools,
// remote desktops, on-screen keyboards, a fast typist's short press). Set and
// cleared at once, such a key would come and go between two of the machine's
// keyboard scans and never exist for it. So every change of a key waits in
// this queue, in order, until the change before it has been visible to the
// machine for kDwellTStates of emulated time, counted from the first time the
// machine looked at the keys (read the matrix or the joystick port) after it.
//
// Counting from that first look, not from the change, matters because the
// machine does not always look: after ENTER the ROM tokenises and stores the
// line, a program may compute for a while, and a press made meanwhile must
// still be there when it looks again.
//
// Why 40 000 T-states (22.5 ms at 1.774 MHz). The built-in ROM's keyboard
// driver, called over and over while the ROM waits for a key, reads the rows
// one after the other (some 300 T-states for all seven) and reports a key
// that is down now and was up at its previous scan. It reads that row again
// after a 33 800 T-state debounce (1300 turns of its 26 T-state delay loop),
// then SHIFT, then waits 90 480 T-states before it returns and scans again.
// - A press must still be down at the debounce read: at least 33 800 plus
//   the scan up to its row and the call, about 34 500 T-states after the
//   driver's first read.
// - Two presses of the same key need a release that a whole scan sees, or
//   the driver's saved image of the row still holds the key and the second
//   press is not new. Applied at least 40 000 T-states after the first read,
//   the release comes after the debounce and SHIFT reads, when the driver's
//   next reads are its next scan; the release stays 40 000 T-states from that
//   scan on, so that scan sees it.
// 40 000 keeps a margin over the 34 500 without slowing typing much: a key
// takes about 0.1 s of machine time, most of it the ROM's own settle wait.
// Programs that poll the matrix see every press and every release as well.
//
// A change that leaves nothing different (an auto-repeated key-down of a held
// key, the release of a key not down) is not queued, so a key held stays held
// without a flicker. The dwell passes only while the processor runs: while the
// machine is paused or stopped in the debugger the changes wait. A change
// arriving when the previous one has dwelt long enough reaches the matrix at
// once, as it always did.
//
// The queue is bounded. A release is always taken, since it can only follow a
// press of its own key (so releases never outnumber the keys); when
// kMaxPendingPresses presses wait, a further press is refused and counted,
// and the waiting ones, the oldest first, are still delivered.
#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>

#include "machine/keyboard.h"
#include "machine/machine.h"

namespace quillor {

class KeyQueue {
 public:
  static constexpr int kDwellTStates = 40000;
  static constexpr std::size_t kMaxPendingPresses = 64;
  // A release waits only for a key that is or will be down: one for each of
  // the 57 matrix bits and 5 joystick bits, and one more after each waiting
  // press. Presses and releases together never exceed this.
  static constexpr std::size_t kCapacity = 2 * kMaxPendingPresses + 62;
  static constexpr int kNothingDue = INT_MAX;

  // A host key event, already turned into its bit.
  void Submit(Machine& machine, KeyChange change);
  // Forgets what waits (the matrix itself is the caller's).
  void Clear();

  // The processor read the keyboard rows or the joystick port.
  void NoteRead() { looked_ = true; }
  // T-states until the next waiting change is due; kNothingDue when none
  // waits or the machine has not looked at the last change yet.
  int DueIn() const {
    if (count_ == 0 || !looked_) return kNothingDue;
    return remaining_ > 0 ? remaining_ : 0;
  }
  // After the processor ran tstates: the dwell passes once the machine has
  // looked, and the next change reaches the matrix when it is due.
  void Advance(Machine& machine, int tstates) {
    if (!looked_) return;
    if (remaining_ > 0) remaining_ -= tstates;
    if (count_ != 0 && remaining_ <= 0) ApplyNext(machine);
  }

  std::size_t Pending() const { return count_; }
  // Presses refused because kMaxPendingPresses waited.
  uint64_t RefusedPresses() const { return refused_; }

 private:
  // Whether the key is down once every waiting change is applied.
  bool WillBeDown(const Machine& machine, KeyChange change) const;
  void ApplyNext(Machine& machine);
  void ApplyNow(Machine& machine, KeyChange change);

  std::array<KeyChange, kCapacity> ring_{};
  std::size_t head_ = 0;
  std::size_t count_ = 0;
  std::size_t pendingPresses_ = 0;
  // T-states the last applied change still has to stay once looked at; 0 or
  // less: none.
  int remaining_ = 0;
  // Whether the machine has looked at the keys since the last change.
  bool looked_ = true;
  uint64_t refused_ = 0;
};

}  // namespace quillor
