// What the recorder's status redraw asks of the cassette panel. The recorder
// decides what changed; the view copies the pictures (state strips, reel
// frames, pressed rewind button) from the recorder sheet and shows the panel.
// Called at most once per frame, never from the processor loop.
#pragma once

namespace quillor {

// What the panel's state strip shows; also the recorder state a user sees.
enum class CassettePanelState { Stopped = 0, Playing = 1, Recording = 2 };

class CassettePanelView {
 public:
  virtual ~CassettePanelView() = default;
  // Reloads the whole panel picture: the recorder with a tape, or empty.
  virtual void ShowRecorderPicture(bool withTape) { (void)withTape; }
  virtual void DrawStateStrip(CassettePanelState state) { (void)state; }
  virtual void DrawRewindPressed() {}
  // Reel animation frames, 0..15 each.
  virtual void DrawReels(int leftFrame, int rightFrame) { (void)leftFrame, (void)rightFrame; }
  virtual void PresentPanel() {}
};

}  // namespace quillor
