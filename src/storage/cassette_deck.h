// The cassette recorder on port 0xFF.
//
// Port 0xFF, written: bits 0-1 the output level (0 -> 0x80, 1 -> 0xC0,
// 2 -> 0x40, 3 -> 0x80, centred on the sound output's silence), bit 2 the
// motor. Read: 0x80 while a pulse is being played, else 0x00; no other bit.
//
// Playback timing, in T-states of the 1 774 000 Hz clock. The tape advances in
// steps of 218 T-states; every bit is a cell of 21 steps (4578 T-states):
//
//   step  0-2    clock pulse, input 0x80 (654 T-states)
//   step  8-11   data pulse for a 1 bit, input 0x80 (872 T-states), starting
//                8 steps (1744 T-states) after the clock pulse
//   all others   input 0x00
//
// Bytes play most significant bit first. After the motor starts the input
// stays 0x00 for 16 steps (about 3488 T-states) before the first clock pulse,
// and the first cell carries the top bit of the first byte. After the last
// byte, one more cell plays a clock pulse with a 0 bit; then the tape falls
// silent (no clock pulses) until it is rewound or replaced. A reader should
// therefore look for a pulse, wait past the clock pulse and sample the input
// somewhere inside steps 8-11 (1744-2616 T-states after the clock pulse rose).
//
// Recording timing. With the motor on, a write with bit 0 set starts a pulse.
// The first such write while no bit cell is open opens one; when more than
// 1800 T-states have passed since then, the cell's bit is bit 0 of the value
// last written at that moment, and the cell closes. So a writer sends each bit
// as: clock pulse (write 01, then 10 and 00 to end it), and for a 1 a data
// pulse that starts before 1800 T-states and still has bit 0 set just after
// 1800 (for example write 01 at about 1744 and end it at 2100 or later); for a
// 0 it keeps bit 0 clear past 1800. The next cell opens with the next write of
// bit 0. Switching the motor off ends the recording, padding a partly recorded
// byte with 0 bits. Cells of the same 4578 T-states as playback are safe.
//
// The first pulse written with the motor on starts a recording and asks the
// host for a file name (SaveRequested); bytes recorded while no file is chosen
// are dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/cassette_panel_view.h"
#include "storage/tape_file_writer.h"

namespace quillor {

// The title of the save dialog a new recording asks its file name with.
inline constexpr std::string_view kCassetteSaveTitle = "Save cassette image";

inline constexpr int kTapeStepTStates = 218;
inline constexpr int kTapeCellSteps = 21;
inline constexpr int kTapeSilentSteps = 16;
inline constexpr int kTapeDataPulseStep = 8;
inline constexpr int kRecordSampleTStates = 1800;
inline constexpr std::size_t kTapeLeaderBytes = 128;
inline constexpr std::size_t kRecordBufferBytes = 512;
inline constexpr int kReelTickSteps = 219;  // processor steps per reel tick
inline constexpr int kTapePositions = 6000;

// The rewind button on the cassette panel picture (inclusive bounds).
inline constexpr int kRewindLeft = 15, kRewindRight = 28, kRewindTop = 87, kRewindBottom = 107;

// Where a recording's file name stands. 0 -> AskForName when a recording
// starts -> None once the host was asked -> FileCreated when a file was made
// -> None at the first flush, which opens it -> Finished when the motor stops
// -> None at the next status redraw.
enum class CassetteSaveRequest { None = 0, AskForName = 1, FileCreated = 2, Finished = 4 };

class CassetteDeck {
 public:
  CassetteDeck();

  // ---- The port, the processor loop ----
  void CassettePortWrite(uint8_t value);
  uint8_t CassettePortRead() const { return inputLevel_; }

  // After every processor step, with that step's T-states. Nothing happens
  // while the motor is off: a recording and its pending pulse end with the
  // motor, and playback and the reels only run with it.
  void AfterStep(int stepTStates) {
    if (motor_) RunMotorStep(stepTStates);
  }
  // The same work for `steps` processor steps of `tstates` T-states in all,
  // done at once. Equal to AfterStep for each of them provided nothing read
  // or wrote the recorder in between: the playback phases fall as they
  // would, the reels count steps, and a recorded pulse that closed during
  // the steps records the same bit and leaves its timer at 0.
  void AdvanceMotor(int tstates, int steps);
  // True while the motor runs and a new recording waits for its file name;
  // the scheduler then runs CassetteSaveDialog.
  bool SaveRequested() const { return motor_ && saveRequest_ == CassetteSaveRequest::AskForName; }

  // The pieces AfterStep runs, public for tests and the debugger's view.
  void CassettePlaybackStep(int stepTStates);
  void AdvancePlaybackPhase();
  void TapeMotionStep();
  void TapeMotionSteps(int steps);
  void CassetteRecordBit(int bit);
  void FlushCassetteBuffer();

  // ---- Media (slot 4) ----
  // Inserts the tape image at path. False when it cannot be read; the
  // recorder is then empty and the file name cleared.
  bool OpenMediaImage(const std::string& path);
  // Inserts tape bytes directly (the image a file holds). name becomes the
  // file name.
  void InsertTape(std::vector<uint8_t> bytes, std::string name);
  // Takes the cassette out; the next redraw shows the empty recorder.
  void RemoveCassette();
  // Restarts the tape from its beginning and, if it was not there already,
  // animates the rewind on the panel.
  void Rewind(CassettePanelView& view);
  static bool HitsRewindButton(int x, int y) {
    return x >= kRewindLeft && x <= kRewindRight && y >= kRewindTop && y <= kRewindBottom;
  }

  // ---- The save-name exchange (see cassette_save_dialog.h) ----
  // Marks the host as asked: called as the dialog opens.
  void BeginSaveDialog() { saveRequest_ = CassetteSaveRequest::None; }
  // The host's answer: a path to create, or nothing when cancelled. A name
  // without an extension gets ".cas". True when the file was created.
  bool AcceptSaveFileName(const std::optional<std::string>& chosen, CassettePanelView& view);

  // ---- The panel ----
  // Once per frame when a redraw was requested: strips, reels, rewind.
  void StatusRedraw(CassettePanelView& view);
  bool StatusRedrawRequested() const { return statusRedrawRequest_; }
  void RequestStatusRedraw() { statusRedrawRequest_ = true; }
  // Forces the state strip to be drawn at the next redraw.
  void ForcePanelStateRedraw() { drawnPanelState_ = -1; }

  // ---- State, for the debugger, the sound output and the panel ----
  bool Motor() const { return motor_; }
  bool Inserted() const { return inserted_; }
  bool Recording() const { return recording_; }
  bool PulsePending() const { return pulsePending_; }
  int PulseTimer() const { return pulseTimer_; }
  uint8_t LastOutput() const { return lastOutput_; }
  uint8_t OutputLevel() const { return outputLevel_; }
  const std::string& FileName() const { return fileName_; }
  CassetteSaveRequest SaveRequest() const { return saveRequest_; }
  bool OutputOpen() const { return outputOpen_; }
  CassettePanelState PanelState() const { return panelState_; }
  int TapePosition() const { return tapePosition_; }
  int ReelTick() const { return reelTick_; }
  int LeftReelFrame() const { return leftReelFrame_; }
  int RightReelFrame() const { return rightReelFrame_; }
  bool Rewinding() const { return rewinding_; }
  int Phase() const { return phase_; }
  int BitsLeft() const { return bitsLeft_; }
  bool LeaderActive() const { return leaderActive_; }
  int RecordLength() const { return recordLength_; }
  int RecordBitCount() const { return recordBitCount_; }

 private:
  // One tick of the reels: every 219 processor steps while the motor runs.
  void TurnReels();
  void RunMotorStep(int stepTStates);
  void FetchTapeByte();
  bool TapeAtEnd() const { return tapeReadPos_ >= tape_.size(); }
  void StartRecording();
  void FinishRecording();
  void SetLeader(uint8_t firstByte);

  // The inserted tape and the read position in it.
  std::vector<uint8_t> tape_;
  std::size_t tapeReadPos_ = 0;
  bool imageOpen_ = false;
  bool inserted_ = false;
  std::string fileName_;

  // Port state.
  bool motor_ = false;
  uint8_t lastOutput_ = 0;
  uint8_t outputLevel_ = 0x80;
  uint8_t inputLevel_ = 0;

  // Playback.
  int phaseAccumulator_ = 0;
  int phase_ = 0;
  uint8_t shiftByte_ = 0;
  int bitsLeft_ = 0;
  bool leaderActive_ = false;
  std::array<uint8_t, kTapeLeaderBytes> leader_{};
  std::size_t leaderPos_ = 0;

  // Recording.
  bool recording_ = false;
  bool pulsePending_ = false;
  int pulseTimer_ = 0;
  uint8_t recordShift_ = 0;
  int recordBitCount_ = 0;
  std::array<uint8_t, kRecordBufferBytes> recordBuffer_{};
  int recordLength_ = 0;
  TapeFileWriter output_;
  bool outputOpen_ = false;
  CassetteSaveRequest saveRequest_ = CassetteSaveRequest::None;

  // Reels and panel.
  int stepCounter_ = 0;
  int reelTick_ = 0;
  int tapePosition_ = 0;
  int savedTapePosition_ = 0;
  int leftReelFrame_ = 0;
  int rightReelFrame_ = 0;
  bool reelsChanged_ = true;
  bool rewinding_ = false;
  CassettePanelState panelState_ = CassettePanelState::Stopped;
  int drawnPanelState_ = -1;
  bool statusRedrawRequest_ = true;
};

}  // namespace quillor
