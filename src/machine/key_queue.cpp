#include "machine/key_queue.h"

namespace quillor {

bool KeyQueue::WillBeDown(const Machine& machine, KeyChange change) const {
  bool down = KeyIsDown(machine, change);
  for (std::size_t i = 0; i < count_; ++i) {
    const KeyChange& waiting = ring_[(head_ + i) % kCapacity];
    if (waiting.row == change.row && waiting.bit == change.bit) down = waiting.down;
  }
  return down;
}

void KeyQueue::Submit(Machine& machine, KeyChange change) {
  if (WillBeDown(machine, change) == change.down) return;  // a repeat: nothing changes
  if (count_ == 0 && remaining_ <= 0) {
    ApplyNow(machine, change);
    return;
  }
  if (change.down) {
    if (pendingPresses_ >= kMaxPendingPresses || count_ >= kCapacity) {
      ++refused_;
      return;
    }
    ++pendingPresses_;
  }
  ring_[(head_ + count_) % kCapacity] = change;
  ++count_;
}

void KeyQueue::ApplyNext(Machine& machine) {
  const KeyChange change = ring_[head_];
  head_ = (head_ + 1) % kCapacity;
  --count_;
  if (change.down) --pendingPresses_;
  ApplyNow(machine, change);
}

void KeyQueue::ApplyNow(Machine& machine, KeyChange change) {
  ApplyKeyChange(machine, change);
  remaining_ = kDwellTStates;
  looked_ = false;
}

void KeyQueue::Clear() {
  head_ = 0;
  count_ = 0;
  pendingPresses_ = 0;
  remaining_ = 0;
  looked_ = true;
}

}  // namespace quillor
