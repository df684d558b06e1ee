#include "display/text_renderer.h"

#include <bit>
#include <cassert>
#include <cstring>

#include "resources/embedded_resources.h"

namespace quillor {
namespace {

static_assert(std::endian::native == std::endian::little,
              "glyph words keep the leftmost pixel in their lowest byte");

// Lifts levels 0-3 of all eight pixels to entries 4-7 of the upper line.
constexpr uint64_t kUpperLine = 0x0404040404040404;

void Store(uint8_t* at, uint64_t pixels) { std::memcpy(at, &pixels, sizeof pixels); }

}  // namespace

TextRenderer::TextRenderer(Surface& screen, PresentationState& presentation, const PixelOverlay& overlay)
    : screen_(screen), presentation_(presentation), overlay_(overlay) {}

bool TextRenderer::LoadCharacterGenerator(std::string_view name, GeneratorVariant variant) {
  return LoadCharacterGenerator(FindEmbeddedResource(name), variant);
}

bool TextRenderer::LoadCharacterGenerator(std::span<const uint8_t> generator, GeneratorVariant variant) {
  return glyphs_.Load(generator, variant);
}

void TextRenderer::RenderCell(uint16_t address, VideoMemory video) {
  assert(screen_.Width() == kScreenWidth && screen_.Height() == kScreenHeight && screen_.Bits() == 8);
  int column = address & 0x3F;
  int row = (address >> 6) & 0x0F;
  if (characterWidth_ == 16) {
    if ((column >= 32) != (halfPage_ == 1)) return;
    column &= 31;
  }
  uint8_t code = video[address & 0x3FF];
  int x = kTextLeft + column * characterWidth_;
  int y = kTextTop + kCellHeight * row;
  if (characterWidth_ == 8) {
    bool overlay = overlay_.OverlayEnabled();
    for (int g = 0; g < kGlyphRows; ++g) {
      uint64_t pixels = glyphs_.Narrow(code, g);
      if (overlay) pixels ^= overlay_.Pattern(column, kGlyphRows * row + g);
      Store(screen_.Row(y + 2 * g) + x, pixels + kUpperLine);
      Store(screen_.Row(y + 2 * g + 1) + x, pixels);
    }
  } else {
    // The overlay has no 32-column form; it is left out here.
    for (int g = 0; g < kGlyphRows; ++g) {
      const auto& wide = glyphs_.Wide(code, g);
      uint8_t* upper = screen_.Row(y + 2 * g) + x;
      uint8_t* lower = screen_.Row(y + 2 * g + 1) + x;
      Store(upper, wide[0] + kUpperLine);
      Store(upper + 8, wide[1] + kUpperLine);
      Store(lower, wide[0]);
      Store(lower + 8, wide[1]);
    }
  }
  presentation_.ScreenChanged = true;
}

void TextRenderer::RedrawTextScreen(VideoMemory video) {
  for (uint16_t a = kVideoBase; a < kVideoBase + kVideoBytes; ++a) RenderCell(a, video);
  presentation_.ScreenChanged = true;
}

void TextRenderer::RenderDirtyCells(VideoMemory video, VideoDirtyFlags dirty) {
  for (size_t i = 0; i < kVideoBytes; ++i) {
    if (!dirty[i]) continue;
    RenderCell(static_cast<uint16_t>(kVideoBase + i), video);
    dirty[i] = 0;
  }
}

void TextRenderer::ClearScreenSurface() {
  for (int y = 0; y < screen_.Height(); ++y)
    std::memset(screen_.Row(y), y % 2 == 0 ? 0 : 4, static_cast<size_t>(screen_.Stride()));
}

void TextRenderer::CutCommand(bool colourBoardDisplay, VideoMemory video) {
  if (overlay_.OverlayEnabled()) return;
  characterWidth_ = characterWidth_ == 8 ? 16 : 8;
  if (!colourBoardDisplay) RedrawTextScreen(video);
}

void TextRenderer::PageCommand(bool colourBoardDisplay, VideoMemory video) {
  halfPage_ ^= 1;
  if (!colourBoardDisplay && CutChecked()) RedrawTextScreen(video);
}

}  // namespace quillor
