// Cost of drawing a whole screen: every text cell, and the whole colour
// board picture.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "display/colour_board.h"
#include "display/text_renderer.h"

namespace quillor {
namespace {

std::vector<uint8_t> BenchGenerator() {
  std::vector<uint8_t> g(kGeneratorBytes);
  for (size_t i = 0; i < g.size(); ++i) g[i] = static_cast<uint8_t>((i * 37) & 0xFC);
  return g;
}

void BM_RedrawTextScreen(benchmark::State& state, bool overlayOn) {
  FrameSurfaces surfaces;
  PresentationState presentation;
  ColourBoard board(surfaces.HiresSurface, presentation);
  TextRenderer text(surfaces.ScreenSurface, presentation, board.Overlay());
  text.LoadCharacterGenerator(BenchGenerator(), GeneratorVariant::SeriesOne);
  std::array<uint8_t, kVideoBytes> video{}, dirty{};
  for (size_t i = 0; i < video.size(); ++i) video[i] = static_cast<uint8_t>(i * 7);
  if (overlayOn) board.WritePort(0xEF, 1, dirty);
  for (auto _ : state) {
    text.RedrawTextScreen(video);
    benchmark::DoNotOptimize(surfaces.ScreenSurface.Row(200)[100]);
  }
  state.SetItemsProcessed(state.iterations() * kVideoBytes);
}
BENCHMARK_CAPTURE(BM_RedrawTextScreen, plain, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawTextScreen, overlay, true)->Unit(benchmark::kMicrosecond);

void BM_RedrawHires(benchmark::State& state) {
  FrameSurfaces surfaces;
  PresentationState presentation;
  ColourBoard board(surfaces.HiresSurface, presentation);
  std::vector<uint8_t> memory(65536);
  for (size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 13 + (i >> 8));
  for (auto _ : state) {
    board.RedrawHires(memory.data());
    benchmark::DoNotOptimize(surfaces.HiresSurface.Row(100)[100]);
  }
}
BENCHMARK(BM_RedrawHires)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillor
