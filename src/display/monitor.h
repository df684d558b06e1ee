// The simulated monitor: brightness, contrast, tint and scan lines decide
// the eight colours the text screen's palette indices stand for, and three
// setting bars beside the monitor show and change them.
//
// Every effect is a change of palette entries 0-7 and one colour-table
// upload; no pixel is redrawn.
#pragma once

#include <array>
#include <cstdint>

#include "display/frame_surfaces.h"

namespace quillor {

inline constexpr int kSettingMax = 72;
inline constexpr int kAmberTint = -1;
inline constexpr int kBarHideFrames = 500;
inline constexpr int kBarScaleLeft = 24;

struct MonitorSettings {
  int Brightness = 72;  // 0-72, gain of the lit levels
  int Contrast = 72;    // 0-72, 72 - Contrast sets the background level
  int Color = 36;       // 0 green, 36 white, 72 cyan-white, -1 amber
  bool ScanLines = false;
  bool operator==(const MonitorSettings&) const = default;
};

enum class Skin { Solid, BwTv, Amber, Green, HighContrast };
enum class SettingBar { Brightness = 0, Contrast = 1, Color = 2 };

MonitorSettings SkinSettings(Skin skin);

class Monitor {
 public:
  Monitor(Surface& screen, std::array<Surface, kBarCount>& bars);

  MonitorSettings& Settings() { return settings_; }
  const MonitorSettings& Settings() const { return settings_; }

  // Bars, then palette entries 0-7 of the screen surface, applied.
  void SetColors();
  void RedrawBars();
  void ApplySkin(Skin skin);
  void ToggleScanLines();

  // A press at x on a bar: x - 24 in 0-72 becomes that setting (true is
  // returned and the colours are set); any press restarts the hide count.
  bool PressBar(SettingBar bar, int x);

  void ToggleMonitorBars();
  // One running frame of the hide countdown; true when it just ran out and
  // the bars were hidden.
  bool StepBarHide();
  bool BarsVisible() const { return barsVisible_; }
  int BarHideCountdown() const { return barHideCountdown_; }

 private:
  struct Ratio {
    int64_t num, den;
  };
  void UpdateWeights();

  Surface& screen_;
  std::array<Surface, kBarCount>& bars_;
  MonitorSettings settings_;
  std::array<Ratio, 3> weights_{{{1, 1}, {1, 1}, {1, 1}}};  // red, green, blue
  bool barsVisible_ = false;
  int barHideCountdown_ = 0;
};

// Rounds num / den (both >= 0, den > 0) to the nearest integer, ties to even.
int64_t RoundHalfEven(int64_t num, int64_t den);

}  // namespace quillor
