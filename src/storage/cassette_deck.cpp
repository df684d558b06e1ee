#include "storage/cassette_deck.h"

#include <filesystem>
#include <utility>

#include "storage/file_bytes.h"

namespace quillor {

namespace {

constexpr std::array<uint8_t, 4> kOutputLevels{0x80, 0xC0, 0x40, 0x80};
constexpr uint8_t kPulseHigh = 0x80;
constexpr uint8_t kSyncByte = 0xA5;
constexpr uint8_t kBasicHeaderByte = 0xD3;
constexpr uint8_t kDiskBasicMarker = 0xFF;
constexpr uint8_t kDefaultBasicName = 'B';

}  // namespace

CassetteDeck::CassetteDeck() = default;

void CassetteDeck::CassettePortWrite(uint8_t value) {
  const bool wasOn = motor_;
  outputLevel_ = kOutputLevels[value & 3];
  lastOutput_ = value;
  motor_ = (value & 0x04) != 0;

  if (wasOn && !motor_) {
    panelState_ = CassettePanelState::Stopped;
    statusRedrawRequest_ = true;
  }
  if (!motor_) {
    if (recording_) FinishRecording();
    recording_ = false;
    pulsePending_ = false;
    inputLevel_ = 0;
  }
  if (!wasOn && motor_) {
    // The tape needs a moment to come up to speed: the silent steps.
    phaseAccumulator_ = 0;
    shiftByte_ = 0;
    bitsLeft_ = 0;
    phase_ = -kTapeSilentSteps;
    panelState_ = CassettePanelState::Playing;
    statusRedrawRequest_ = true;
  }
  if (motor_ && (value & 0x01) != 0) {
    if (!recording_) StartRecording();
    if (!pulsePending_) {
      pulsePending_ = true;
      pulseTimer_ = 0;
    }
  }
}

void CassetteDeck::RunMotorStep(int stepTStates) {
  // The timer only means something while a cell is open; counting it only
  // then keeps it from overflowing on a long run with the motor on.
  if (pulsePending_) pulseTimer_ += stepTStates;
  if (inserted_) CassettePlaybackStep(stepTStates);
  TapeMotionStep();
  if (recording_ && pulsePending_ && pulseTimer_ > kRecordSampleTStates) {
    CassetteRecordBit(lastOutput_ & 1);
  }
}

void CassetteDeck::AdvanceMotor(int tstates, int steps) {
  if (!motor_) return;
  if (pulsePending_) pulseTimer_ += tstates;
  if (inserted_) {
    // No step is longer than a playback phase, so step by step the phases
    // fell at the same T-states they fall here.
    phaseAccumulator_ += tstates;
    while (phaseAccumulator_ > kTapeStepTStates) {
      phaseAccumulator_ -= kTapeStepTStates;
      AdvancePlaybackPhase();
    }
  }
  TapeMotionSteps(steps);
  if (recording_ && pulsePending_ && pulseTimer_ > kRecordSampleTStates) {
    CassetteRecordBit(lastOutput_ & 1);
  }
}

void CassetteDeck::CassettePlaybackStep(int stepTStates) {
  phaseAccumulator_ += stepTStates;
  if (phaseAccumulator_ <= kTapeStepTStates) return;
  phaseAccumulator_ -= kTapeStepTStates;
  AdvancePlaybackPhase();
}

void CassetteDeck::AdvancePlaybackPhase() {
  ++phase_;
  if (phase_ < 0) {
    inputLevel_ = 0;
    return;
  }
  phase_ %= kTapeCellSteps;
  switch (phase_) {
    case 0:
      // Past the end of the tape there are no more clock pulses.
      inputLevel_ = (TapeAtEnd() && bitsLeft_ < 0) ? 0 : kPulseHigh;
      break;
    case 1:
    case 2:
    case 9:
    case 10:
    case 11: break;  // the pulse begun at step 0 or 8 goes on
    case kTapeDataPulseStep:
      if (bitsLeft_ < 1) FetchTapeByte();
      inputLevel_ = shiftByte_ & kPulseHigh;
      shiftByte_ = static_cast<uint8_t>(shiftByte_ << 1);
      --bitsLeft_;
      break;
    default: inputLevel_ = 0; break;
  }
}

void CassetteDeck::FetchTapeByte() {
  if (leaderActive_ && leaderPos_ < kTapeLeaderBytes) {
    shiftByte_ = leader_[leaderPos_++];
    bitsLeft_ = 8;
  } else if (!TapeAtEnd()) {
    shiftByte_ = tape_[tapeReadPos_++];
    bitsLeft_ = 8;
  } else {
    bitsLeft_ = 0;  // the cell still plays its clock pulse and a 0 bit
  }
}

void CassetteDeck::TapeMotionStep() { TapeMotionSteps(1); }

void CassetteDeck::TapeMotionSteps(int steps) {
  stepCounter_ += steps;
  while (stepCounter_ >= kReelTickSteps) {
    stepCounter_ -= kReelTickSteps;
    TurnReels();
  }
}

void CassetteDeck::TurnReels() {
  reelTick_ = (reelTick_ + 1) & 0x7FF;
  if ((reelTick_ & 0x7F) == 0) {
    rightReelFrame_ = (rightReelFrame_ + 1) & 15;
    reelsChanged_ = true;
    statusRedrawRequest_ = true;
  }
  if ((reelTick_ & 0x1FF) == 0) {
    leftReelFrame_ = (leftReelFrame_ + 1) & 15;
    reelsChanged_ = true;
    statusRedrawRequest_ = true;
  }
  if ((reelTick_ & 0xFF) == 0) tapePosition_ = (tapePosition_ + 1) % kTapePositions;
}

void CassetteDeck::StartRecording() {
  recording_ = true;
  recordLength_ = 0;
  recordBitCount_ = 0;
  output_.Close();
  outputOpen_ = false;
  savedTapePosition_ = tapePosition_;
  tapePosition_ = 0;
  reelTick_ = 0;
  saveRequest_ = CassetteSaveRequest::AskForName;
  panelState_ = CassettePanelState::Recording;
  statusRedrawRequest_ = true;
}

void CassetteDeck::CassetteRecordBit(int bit) {
  pulsePending_ = false;
  pulseTimer_ = 0;
  recordShift_ = static_cast<uint8_t>(recordShift_ << 1 | (bit & 1));
  if (++recordBitCount_ < 8) return;
  recordBuffer_[static_cast<std::size_t>(recordLength_++)] = recordShift_;
  recordBitCount_ = 0;
  if (recordLength_ == static_cast<int>(kRecordBufferBytes)) FlushCassetteBuffer();
}

void CassetteDeck::FlushCassetteBuffer() {
  if (!outputOpen_ && saveRequest_ == CassetteSaveRequest::FileCreated) {
    outputOpen_ = true;
    saveRequest_ = CassetteSaveRequest::None;
  }
  if (outputOpen_) {
    output_.Write(std::span<const uint8_t>(recordBuffer_.data(), static_cast<std::size_t>(recordLength_)));
  }
  recordLength_ = 0;  // without a file the bytes are dropped
}

void CassetteDeck::FinishRecording() {
  while (recordBitCount_ != 0) CassetteRecordBit(0);
  if (recordLength_ > 0) FlushCassetteBuffer();
  if (outputOpen_) {
    outputOpen_ = false;
    recording_ = false;
    tapePosition_ = savedTapePosition_;
    reelTick_ = 0;
    saveRequest_ = CassetteSaveRequest::Finished;
    statusRedrawRequest_ = true;
  }
  // A file that was created but never received a byte is closed too.
  output_.Close();
}

bool CassetteDeck::AcceptSaveFileName(const std::optional<std::string>& chosen, CassettePanelView& view) {
  if (!chosen || chosen->empty()) return false;
  std::string name = *chosen;
  if (!std::filesystem::path(name).filename().has_extension()) name += ".cas";
  view.ShowRecorderPicture(true);
  if (!output_.Create(name)) return false;
  saveRequest_ = CassetteSaveRequest::FileCreated;
  return true;
}

bool CassetteDeck::OpenMediaImage(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) {
    tape_.clear();
    tapeReadPos_ = 0;
    imageOpen_ = false;
    inserted_ = false;
    fileName_.clear();
    return false;
  }
  InsertTape(std::move(*bytes), path);
  return true;
}

void CassetteDeck::InsertTape(std::vector<uint8_t> bytes, std::string name) {
  tape_ = std::move(bytes);
  fileName_ = std::move(name);
  inserted_ = true;
  phaseAccumulator_ = 0;
  tapePosition_ = 0;
  leaderActive_ = false;
  leader_.fill(0);
  leaderPos_ = 0;
  tapeReadPos_ = 0;
  if (!tape_.empty()) SetLeader(tape_[0]);
  imageOpen_ = true;
}

// Files that start at a header instead of a leader get a synthetic leader and
// sync byte, so that the machine's tape routines find them.
void CassetteDeck::SetLeader(uint8_t firstByte) {
  if (firstByte == kBasicHeaderByte) {
    // A tape file without its leader: the first byte plays from the buffer.
    leaderActive_ = true;
    leader_[126] = kSyncByte;
    leader_[127] = kBasicHeaderByte;
    tapeReadPos_ = 1;
  } else if (firstByte == kDiskBasicMarker) {
    // A BASIC program as a disk system stores it: the marker is replaced by a
    // tape header naming the program "B".
    leaderActive_ = true;
    leader_[123] = kSyncByte;
    leader_[124] = leader_[125] = leader_[126] = kBasicHeaderByte;
    leader_[127] = kDefaultBasicName;
    tapeReadPos_ = 1;
  }
}

void CassetteDeck::RemoveCassette() {
  fileName_.clear();
  inserted_ = false;
  drawnPanelState_ = -1;
  statusRedrawRequest_ = true;
}

void CassetteDeck::Rewind(CassettePanelView& view) {
  if (!inserted_) return;
  tapeReadPos_ = leaderActive_ ? 1 : 0;
  leaderPos_ = 0;
  if (tapePosition_ > 0) {
    rewinding_ = true;
    view.DrawRewindPressed();
    view.PresentPanel();
    statusRedrawRequest_ = true;
  }
}

void CassetteDeck::StatusRedraw(CassettePanelView& view) {
  if (saveRequest_ == CassetteSaveRequest::Finished) {
    saveRequest_ = CassetteSaveRequest::None;
    if (!inserted_) {
      // The recording showed a tape; with none inserted show the empty deck.
      RemoveCassette();
      view.ShowRecorderPicture(false);
    }
  }
  if (static_cast<int>(panelState_) != drawnPanelState_) {
    drawnPanelState_ = static_cast<int>(panelState_);
    view.DrawStateStrip(panelState_);
    view.PresentPanel();
  }
  statusRedrawRequest_ = false;
  if (!recording_ && !inserted_) reelsChanged_ = false;
  if (rewinding_) {
    // One step of the rewind animation per frame: reels backwards.
    reelsChanged_ = true;
    rightReelFrame_ = (rightReelFrame_ - 1) & 15;
    if ((rightReelFrame_ & 3) == 0) leftReelFrame_ = (leftReelFrame_ - 1) & 15;
    if (tapePosition_ > 0) {
      --tapePosition_;
      statusRedrawRequest_ = true;
    } else {
      rewinding_ = false;
      // Releases the rewind button; the strip of the recorder's present state.
      view.DrawStateStrip(panelState_);
    }
  }
  if (reelsChanged_) {
    reelsChanged_ = false;
    view.DrawReels(leftReelFrame_, rightReelFrame_);
    view.PresentPanel();
  }
}

}  // namespace quillor
