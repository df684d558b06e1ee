#include <gtest/gtest.h>

#include <vector>

#include "storage/cassette_deck.h"
#include "tape_signal.h"

namespace quillor {
namespace {

using testing::DecodePulseTrain;
using testing::Edge;
using testing::RecordPulseTrain;

constexpr long kCell = kTapeStepTStates * kTapeCellSteps;

// With one-T-state steps the first tape step comes at T 219 and then every
// 218 T-states, so step k ends at 218 k + 1.
long StepTime(long k) { return 218 * k + 1; }

TEST(CassettePlayback, ExactPulseTrainOfKnownBytes) {
  const std::vector<uint8_t> tape{0x00, 0xA5, 0x81};
  CassetteDeck deck;
  deck.InsertTape(tape, "t.cas");
  const long cells = 8 * static_cast<long>(tape.size()) + 1;
  const auto edges = RecordPulseTrain(deck, StepTime(16) + (cells + 3) * kCell, 1);

  std::vector<Edge> expected;
  for (long cell = 0; cell < cells; ++cell) {
    const long first = 16 + cell * kTapeCellSteps;
    expected.push_back({StepTime(first), 0x80});
    expected.push_back({StepTime(first + 3), 0x00});
    const bool one = cell < 8 * static_cast<long>(tape.size()) && (tape[cell / 8] << (cell % 8) & 0x80) != 0;
    if (one) {
      expected.push_back({StepTime(first + 8), 0x80});
      expected.push_back({StepTime(first + 12), 0x00});
    }
  }
  ASSERT_EQ(edges.size(), expected.size());
  for (std::size_t i = 0; i < edges.size(); ++i) {
    EXPECT_EQ(edges[i].time, expected[i].time) << "edge " << i;
    EXPECT_EQ(edges[i].level, expected[i].level) << "edge " << i;
  }
  // The 16 silent steps: nothing before step 16, about 3488 T-states.
  EXPECT_EQ(edges.front().time, 3489);
}

TEST(CassettePlayback, RealisticStepsDecodeAndFallSilentAtTheEnd) {
  const std::vector<uint8_t> tape{0x00, 0x00, 0xA5, 0x55, 0x3C, 0xFF, 0x01};
  CassetteDeck deck;
  deck.InsertTape(tape, "t.cas");
  const long length = 4000 + (8 * static_cast<long>(tape.size()) + 40) * kCell;
  const auto edges = RecordPulseTrain(deck, length, 11);
  EXPECT_EQ(DecodePulseTrain(edges), tape);
  // After the trailing clock pulse of the end cell, silence for good.
  ASSERT_FALSE(edges.empty());
  EXPECT_LT(edges.back().time, 4000 + (8 * static_cast<long>(tape.size()) + 2) * kCell);
  EXPECT_EQ(edges.back().level, 0);
  EXPECT_EQ(deck.BitsLeft(), -1);
}

std::vector<uint8_t> PlayedBytes(const std::vector<uint8_t>& tape) {
  CassetteDeck deck;
  deck.InsertTape(tape, "t.cas");
  const long length = 4000 + (8 * static_cast<long>(tape.size() + 128) + 8) * kCell;
  return DecodePulseTrain(RecordPulseTrain(deck, length, 10));
}

TEST(CassettePlayback, LeaderIsSynthesisedForHeaderAndDiskBasicFiles) {
  // A file starting at the BASIC header: 126 zeros, sync, then the whole file.
  const std::vector<uint8_t> header{0xD3, 0xD3, 0xD3, 0x41, 0x12, 0x34};
  std::vector<uint8_t> expected(126, 0x00);
  expected.push_back(0xA5);
  expected.insert(expected.end(), header.begin(), header.end());
  EXPECT_EQ(PlayedBytes(header), expected);

  // A disk BASIC file: 123 zeros, sync, a header naming it "B", the rest.
  const std::vector<uint8_t> disk{0xFF, 0x10, 0x20, 0x30};
  expected.assign(123, 0x00);
  expected.insert(expected.end(), {0xA5, 0xD3, 0xD3, 0xD3, 0x42, 0x10, 0x20, 0x30});
  EXPECT_EQ(PlayedBytes(disk), expected);

  // Anything else plays exactly as stored.
  const std::vector<uint8_t> plain{0x00, 0x00, 0xA5, 0x55, 0x41};
  EXPECT_EQ(PlayedBytes(plain), plain);
}

TEST(CassettePlayback, MotorOffSilencesAndRewindRestartsTheTape) {
  const std::vector<uint8_t> tape{0xD3, 0x77};
  CassetteDeck deck;
  deck.InsertTape(tape, "t.cas");
  deck.CassettePortWrite(0x04);
  while (deck.CassettePortRead() == 0) deck.AfterStep(10);
  deck.CassettePortWrite(0x00);
  EXPECT_EQ(deck.CassettePortRead(), 0);
  for (int i = 0; i < 1000; ++i) deck.AfterStep(10);
  EXPECT_EQ(deck.CassettePortRead(), 0);

  // Play it all, rewind, and it plays from the beginning again, leader too.
  auto first = DecodePulseTrain(RecordPulseTrain(deck, 200 * kCell * 8, 10));
  CassettePanelView view;
  deck.Rewind(view);
  deck.CassettePortWrite(0x00);
  auto second = DecodePulseTrain(RecordPulseTrain(deck, 200 * kCell * 8, 10));
  ASSERT_EQ(first.size(), 129u);
  EXPECT_EQ(first, second);
}

TEST(CassettePlayback, UnreadableImageLeavesTheRecorderEmpty) {
  CassetteDeck deck;
  deck.InsertTape({0x01}, "old.cas");
  EXPECT_FALSE(deck.OpenMediaImage(QUILLOR_TEST_TMP "/does/not/exist.cas"));
  EXPECT_FALSE(deck.Inserted());
  EXPECT_TRUE(deck.FileName().empty());
}

}  // namespace
}  // namespace quillor
