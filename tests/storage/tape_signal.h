// Test helpers: drive a CassetteDeck through emulated time and read its
// port 0xFF back the way a tape routine would.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/cassette_deck.h"

namespace quillor::testing {

struct Edge {
  long time;      // T-states since the motor started
  uint8_t level;  // the port value from then on
};

// Starts the motor and runs `steps` processor steps of stepTStates each,
// recording every change of the port 0xFF value with its time (the time at
// the end of the step that changed it).
inline std::vector<Edge> RecordPulseTrain(CassetteDeck& deck, long totalTStates, int stepTStates) {
  deck.CassettePortWrite(0x04);
  std::vector<Edge> edges;
  uint8_t level = deck.CassettePortRead();
  for (long t = stepTStates; t <= totalTStates; t += stepTStates) {
    deck.AfterStep(stepTStates);
    if (deck.CassettePortRead() != level) {
      level = deck.CassettePortRead();
      edges.push_back({t, level});
    }
  }
  return edges;
}

// Decodes a pulse train as the machine's tape reader does: a rising edge
// starts a cell, the input sampled 2000 T-states later is the bit, and the
// next cell is looked for from 3000 T-states after the cell's start.
inline std::vector<uint8_t> DecodePulseTrain(const std::vector<Edge>& edges) {
  std::vector<uint8_t> bytes;
  auto levelAt = [&](long t) {
    uint8_t level = 0;
    for (const Edge& e : edges) {
      if (e.time > t) break;
      level = e.level;
    }
    return level;
  };
  uint8_t shift = 0;
  int bits = 0;
  long searchFrom = 0;
  for (const Edge& e : edges) {
    if (e.level == 0 || e.time < searchFrom) continue;
    shift = static_cast<uint8_t>(shift << 1 | (levelAt(e.time + 2000) != 0 ? 1 : 0));
    if (++bits == 8) {
      bytes.push_back(shift);
      bits = 0;
    }
    searchFrom = e.time + 3000;
  }
  return bytes;
}

}  // namespace quillor::testing
