// Everything the emulator shows, in one object the Emulator owns: the
// surfaces, when they are presented, the text renderer, the colour board
// with the pixel overlay, and the monitor.
//
// The processor loop reaches it only through ColourBoard (ports and
// HiresWrite); the rest runs after a slice or from the user's commands.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "display/colour_board.h"
#include "display/frame_surfaces.h"
#include "display/monitor.h"
#include "display/panel_pictures.h"
#include "display/text_renderer.h"
#include "host/panel_presenter.h"

namespace quillor {

// The 64 KB memory image the renderers read.
using MachineMemory = std::span<const uint8_t, 65536>;

class Display {
 public:
  // Pictures come from the embedded resources unless a test gives its own.
  Display();
  explicit Display(PictureLookup pictures);
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // The display's share of start-up: the border pattern, the first
  // character generator, the recorder sheet and the setting bars.
  void Start();

  // After each running slice: the dirty cells (or the colour board
  // picture), then the presents that are due.
  void PresentRunningFrame(MachineMemory memory, std::span<uint8_t, kVideoBytes> videoDirtyMap,
                           PanelPresenter& host);
  // A paused tick: only the periodic repaint.
  void PresentPausedFrame(PanelPresenter& host);
  // Draws the cells written since the last running frame into the text
  // screen surface, as that frame would (nothing while the colour board
  // picture is shown): for taking the surface between frames.
  void RenderPendingCells(MachineMemory memory, std::span<uint8_t, kVideoBytes> videoDirtyMap);

  // Monitor palette; redraws the colour board picture while it is shown.
  void SetColors(MachineMemory memory, PanelPresenter& host);
  void ApplySkin(Skin skin, MachineMemory memory, PanelPresenter& host);
  void ToggleScanLines(MachineMemory memory, PanelPresenter& host);
  void PressBar(SettingBar bar, int x, MachineMemory memory, PanelPresenter& host);
  void ToggleMonitorBars(PanelPresenter& host);
  // Once per running frame.
  void StepBarHide(PanelPresenter& host);

  // "&Toggle" and "&Enabled" of the colour board. Enabling sets the
  // machine's UpperMemoryPresent; disabling leaves it.
  void ToggleColourBoardDisplay(MachineMemory memory, PanelPresenter& host);
  void ToggleColourBoardEnabled(MachineMemory memory, bool& upperMemoryPresent, PanelPresenter& host);
  void RedrawHires(MachineMemory memory, PanelPresenter& host);

  // "&Cut" and "&Page".
  void CutCommand(MachineMemory memory);
  void PageCommand(MachineMemory memory);
  // Full redraw of whichever picture is shown (after an autostart load).
  void RedrawScreen(MachineMemory memory, PanelPresenter& host);

  void DrawDriveLeds(const std::array<bool, kDrivePanelCount>& active, PanelPresenter& host);
  void ShowMediaPicture(int slot, bool mediaInserted, PanelPresenter& host);

  FrameSurfaces surfaces;
  PresentationState presentation;
  ColourBoard colourBoard;
  TextRenderer text;
  Monitor monitor;

 private:
  void PresentScreenPicture(PanelPresenter& host);
  void ReturnToTextScreen(MachineMemory memory, PanelPresenter& host);
  PictureLookup pictures_;
};

// The video memory inside the memory image.
inline VideoMemory VideoOf(MachineMemory memory) { return memory.subspan<kVideoBase, kVideoBytes>(); }

}  // namespace quillor
