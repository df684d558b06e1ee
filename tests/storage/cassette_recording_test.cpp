#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/cassette_deck.h"
#include "storage/file_bytes.h"

namespace quillor {
namespace {

// Writes bits the way the machine's tape output does: a clock pulse at the
// start of every 4578-T-state cell and, for a 1, a data pulse 1744 later.
class PulseWriter {
 public:
  explicit PulseWriter(CassetteDeck& deck) : deck_(deck) {}

  void Write(uint8_t value) { deck_.CassettePortWrite(value); }
  void Run(int tstates) {
    for (; tstates > 0; tstates -= 4) deck_.AfterStep(4);
  }
  void Pulse(int length) {
    Write(0x05);  // motor on, positive half
    Run(length / 2);
    Write(0x06);  // negative half
    Run(length / 2);
    Write(0x04);
  }
  void Bit(int bit) {
    Pulse(200);
    Run(1744 - 200);
    if (bit) {
      Pulse(600);
      Run(4578 - 1744 - 600);
    } else {
      Run(4578 - 1744);
    }
  }
  void Byte(uint8_t byte) {
    for (int i = 7; i >= 0; --i) Bit(byte >> i & 1);
  }

 private:
  CassetteDeck& deck_;
};

class RecordingView : public CassettePanelView {
 public:
  void ShowRecorderPicture(bool withTape) override { pictures.push_back(withTape); }
  std::vector<bool> pictures;
};

std::string TempPath(const std::string& name) {
  std::filesystem::create_directories(QUILLOR_TEST_TMP);
  return std::string(QUILLOR_TEST_TMP) + "/" + name;
}

TEST(CassetteRecording, PulsesBecomeBytesAndAPartByteIsPadded) {
  const std::string path = TempPath("recorded");
  std::filesystem::remove(path + ".cas");
  CassetteDeck deck;
  RecordingView view;
  PulseWriter out(deck);
  out.Write(0x04);
  EXPECT_FALSE(deck.SaveRequested());
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 600; ++i) bytes.push_back(static_cast<uint8_t>(i * 37 + 11));
  out.Pulse(200);  // the first pulse starts the recording and asks for a name
  EXPECT_TRUE(deck.Recording());
  EXPECT_EQ(deck.PanelState(), CassettePanelState::Recording);
  ASSERT_TRUE(deck.SaveRequested());
  deck.BeginSaveDialog();
  EXPECT_TRUE(deck.AcceptSaveFileName(path, view));  // ".cas" is added
  EXPECT_EQ(view.pictures, std::vector<bool>{true});
  out.Run(4578 - 200);  // that pulse's cell is a 0 bit
  for (int i = 1; i < 8; ++i) out.Bit(0);
  for (uint8_t b : bytes) out.Byte(b);
  out.Bit(1);  // three bits of a last byte: 101, padded to 1010 0000
  out.Bit(0);
  out.Bit(1);
  out.Write(0x00);
  EXPECT_FALSE(deck.Recording());
  EXPECT_EQ(deck.SaveRequest(), CassetteSaveRequest::Finished);

  const auto written = ReadFileBytes(path + ".cas");
  ASSERT_TRUE(written);
  std::vector<uint8_t> expected{0x00};
  expected.insert(expected.end(), bytes.begin(), bytes.end());
  expected.push_back(0xA0);
  EXPECT_EQ(*written, expected);

  deck.StatusRedraw(view);  // no tape inserted: back to the empty recorder
  EXPECT_EQ(deck.SaveRequest(), CassetteSaveRequest::None);
  EXPECT_EQ(view.pictures, (std::vector<bool>{true, false}));
}

TEST(CassetteRecording, CancelledDialogDropsTheBytesAndTheNextRecordingAsksAgain) {
  CassetteDeck deck;
  RecordingView view;
  PulseWriter out(deck);
  out.Write(0x04);
  out.Bit(1);
  ASSERT_TRUE(deck.SaveRequested());
  deck.BeginSaveDialog();
  EXPECT_FALSE(deck.AcceptSaveFileName(std::nullopt, view));
  for (int i = 0; i < 8 * 700; ++i) out.Bit(i & 1);
  EXPECT_FALSE(deck.OutputOpen());
  EXPECT_LT(deck.RecordLength(), 512);
  out.Write(0x00);
  EXPECT_EQ(deck.SaveRequest(), CassetteSaveRequest::None);
  out.Write(0x04);
  out.Bit(1);
  EXPECT_TRUE(deck.SaveRequested());
}

TEST(CassetteRecording, UncreatableFileDropsTheRecordingSilently) {
  CassetteDeck deck;
  RecordingView view;
  PulseWriter out(deck);
  out.Write(0x04);
  out.Bit(1);
  deck.BeginSaveDialog();
  EXPECT_FALSE(deck.AcceptSaveFileName(TempPath("no/such/dir/x.cas"), view));
  EXPECT_EQ(deck.SaveRequest(), CassetteSaveRequest::None);
  for (int i = 0; i < 8 * 10; ++i) out.Bit(1);
  out.Write(0x00);
  EXPECT_FALSE(deck.Recording());
}

TEST(CassettePanel, ReelsTurnWithTheMotorAndRewindAnimatesBack) {
  CassetteDeck deck;
  deck.InsertTape({0x00}, "t.cas");
  deck.CassettePortWrite(0x04);
  for (int i = 0; i < 219 * 512; ++i) deck.AfterStep(4);
  EXPECT_EQ(deck.ReelTick(), 512);
  EXPECT_EQ(deck.RightReelFrame(), 4);
  EXPECT_EQ(deck.LeftReelFrame(), 1);
  EXPECT_EQ(deck.TapePosition(), 2);
  deck.CassettePortWrite(0x00);

  class Counting : public CassettePanelView {
   public:
    void DrawRewindPressed() override { ++pressed; }
    void DrawReels(int, int) override { ++reels; }
    int pressed = 0, reels = 0;
  } view;
  deck.Rewind(view);
  EXPECT_EQ(view.pressed, 1);
  int frames = 0;
  while (deck.StatusRedrawRequested() && frames < 100) {
    deck.StatusRedraw(view);
    ++frames;
  }
  EXPECT_EQ(frames, 3);  // two positions back, then the frame that ends it
  EXPECT_FALSE(deck.Rewinding());
  EXPECT_EQ(deck.TapePosition(), 0);

  // At position 0 a rewind only restarts the tape.
  deck.Rewind(view);
  EXPECT_EQ(view.pressed, 1);
  EXPECT_FALSE(deck.Rewinding());
}

}  // namespace
}  // namespace quillor
