// Turns the 64 x 16 bytes of video memory into pixels of the screen surface.
//
// Cell (c, r) sits at x = 12 + 8c, y = 9 + 24r and is 8 x 24 pixels (16 x 24
// in 32-column mode). Each glyph row is drawn on two lines: the upper (odd)
// line in palette entries 4-7, the lower (even) one in entries 0-3, which
// is how the monitor's scan lines cost no drawing at all.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "display/frame_surfaces.h"
#include "display/glyph_tables.h"
#include "display/pixel_overlay.h"

namespace quillor {

inline constexpr uint16_t kVideoBase = 0x3C00;
inline constexpr int kTextColumns = 64;
inline constexpr int kTextRows = 16;
inline constexpr int kTextLeft = 12;
inline constexpr int kTextTop = 9;
inline constexpr int kCellHeight = 24;

using VideoMemory = std::span<const uint8_t, kVideoBytes>;
using VideoDirtyFlags = std::span<uint8_t, kVideoBytes>;

class TextRenderer {
 public:
  TextRenderer(Surface& screen, PresentationState& presentation, const PixelOverlay& overlay);

  // Loads "CHRGENS1", "CHRGENS2" or "CHRGENS3" from the embedded resources;
  // false when the build carries no complete image of that name.
  bool LoadCharacterGenerator(std::string_view name, GeneratorVariant variant);
  bool LoadCharacterGenerator(std::span<const uint8_t> generator, GeneratorVariant variant);

  // address 0x3C00-0x3FFF; sets ScreenChanged unless the cell is off the
  // page shown in 32-column mode.
  void RenderCell(uint16_t address, VideoMemory video);
  void RedrawTextScreen(VideoMemory video);
  // Renders and clears every set flag, in address order.
  void RenderDirtyCells(VideoMemory video, VideoDirtyFlags dirty);
  // Border pattern everywhere: index 0 on even lines, 4 on odd ones.
  void ClearScreenSurface();

  // "&Cut": 32-column mode. Ignored while the pixel overlay is on.
  void CutCommand(bool colourBoardDisplay, VideoMemory video);
  // "&Page": which half of the 64 columns 32-column mode shows.
  void PageCommand(bool colourBoardDisplay, VideoMemory video);
  bool CutChecked() const { return characterWidth_ == 16; }
  bool PageChecked() const { return halfPage_ == 1; }
  int CharacterWidth() const { return characterWidth_; }
  int HalfPage() const { return halfPage_; }

  const GlyphTables& Glyphs() const { return glyphs_; }

 private:
  Surface& screen_;
  PresentationState& presentation_;
  const PixelOverlay& overlay_;
  GlyphTables glyphs_;
  int characterWidth_ = 8;  // CharacterWidth
  int halfPage_ = 0;        // HalfPage
};

}  // namespace quillor
