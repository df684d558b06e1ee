// Drawing the recorder panel from the recorder picture sheet: the state
// strip, the pressed rewind button and the two turning reels.
#pragma once

#include "display/frame_surfaces.h"

namespace quillor {

// Strips of the sheet, in the order stopped, playing, recording.
inline constexpr int kRecorderStripCount = 3;
inline constexpr int kReelFrames = 16;

// state: 0 stopped, 1 playing, 2 recording; others are ignored.
void DrawRecorderStrip(FrameSurfaces& surfaces, int state);
void DrawRewindPressed(FrameSurfaces& surfaces);
// Frames 0-15 of each reel; out-of-range frames wrap.
void DrawRecorderReels(FrameSurfaces& surfaces, int leftFrame, int rightFrame);

}  // namespace quillor
