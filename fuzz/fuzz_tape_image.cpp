// A tape image played and a tape recorded. Playback: the input port shows
// only 0x00 or 0x80, the tape falls silent after its last byte, and the bits
// read at the data pulses end with every byte of the file after its first
// (the first may be replaced by a leader). Recording: the bits written come
// out in the file, padded to a whole byte, and nothing else.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "storage/cassette_deck.h"

namespace {

void Play(const std::vector<uint8_t>& tape, const std::string& path) {
  using namespace quillor;
  CassetteDeck deck;
  FUZZ_CHECK(deck.OpenMediaImage(path));
  deck.CassettePortWrite(0x04);  // motor on
  std::vector<uint8_t> bytes;
  int bits = 0;
  uint8_t shift = 0;
  int silentCells = 0;
  const size_t limit = (tape.size() + 2 * kTapeLeaderBytes + 4) * 8 * kTapeCellSteps + 100;
  for (size_t step = 0; step < limit && silentCells < 3; ++step) {
    deck.CassettePlaybackStep(kTapeStepTStates + 1);
    const uint8_t level = deck.CassettePortRead();
    FUZZ_CHECK(level == 0x00 || level == 0x80);
    if (deck.Phase() == 0) silentCells = level == 0 ? silentCells + 1 : 0;
    if (deck.Phase() != kTapeDataPulseStep) continue;
    shift = static_cast<uint8_t>(shift << 1 | (level ? 1 : 0));
    if (++bits == 8) {
      bytes.push_back(shift);
      bits = 0;
    }
  }
  FUZZ_CHECK(silentCells >= 3);  // the tape ended within its length
  if (tape.size() > 1) {
    // The last played byte is the trailing 0 cell's byte when it completed.
    std::vector<uint8_t> played(bytes.begin(), bytes.end());
    while (played.size() >= tape.size() &&
           !std::equal(tape.begin() + 1, tape.end(), played.end() - (tape.size() - 1)))
      played.pop_back();
    FUZZ_CHECK(played.size() >= tape.size() - 1);
  }
}

void Record(const std::vector<uint8_t>& data) {
  using namespace quillor;
  CassetteDeck deck;
  CassettePanelView view;
  const std::string path = (fuzz::Scratch() / "recorded.cas").string();
  std::filesystem::remove(path);
  deck.CassettePortWrite(0x05);  // motor on with a pulse: recording starts
  FUZZ_CHECK(deck.SaveRequested());
  deck.BeginSaveDialog();
  FUZZ_CHECK(deck.AcceptSaveFileName(path, view));
  const size_t bitCount = data.empty() ? 0 : data.size() * 8 - data[0] % 8;
  for (size_t i = 0; i < bitCount; ++i) deck.CassetteRecordBit((data[i / 8] >> (7 - i % 8)) & 1);
  deck.CassettePortWrite(0x00);  // motor off: the recording ends
  std::vector<uint8_t> expected((bitCount + 7) / 8, 0);
  for (size_t i = 0; i < bitCount; ++i)
    expected[i / 8] |= static_cast<uint8_t>(((data[i / 8] >> (7 - i % 8)) & 1) << (7 - i % 8));
  FUZZ_CHECK(fuzz::ReadFile(path) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;  // a long tape only costs time here
  const std::vector<uint8_t> tape(data, data + size);
  const std::string path = quillor::fuzz::WriteFile("tape.cas", tape);
  if (!tape.empty()) Play(tape, path);
  FUZZ_CHECK(quillor::fuzz::ReadFile(path) == tape);
  Record(tape);
  return 0;
}
