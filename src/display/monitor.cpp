#include "display/monitor.h"

#include <algorithm>

namespace quillor {
namespace {

constexpr std::array<int, 3> kLitLevels = {128, 192, 255};
constexpr int kBarTop = 4, kBarBottom = 11, kBarScaleRight = 96;

uint8_t Channel(int64_t num, int64_t den) {
  if (num <= 0) return 0;
  return static_cast<uint8_t>(std::min<int64_t>(RoundHalfEven(num, den), 255));
}

void FillBar(Surface& bar, int left, int right, uint32_t colour) {
  for (int y = kBarTop; y <= kBarBottom; ++y)
    for (int x = std::max(left, 0); x <= std::min(right, bar.Width() - 1); ++x) bar.SetPixel(x, y, colour);
}

}  // namespace

int64_t RoundHalfEven(int64_t num, int64_t den) {
  int64_t q = num / den, r = num % den;
  if (2 * r > den || (2 * r == den && (q & 1))) ++q;
  return q;
}

MonitorSettings SkinSettings(Skin skin) {
  switch (skin) {
    case Skin::Solid: return {72, 36, 36, false};
    case Skin::BwTv: return {72, 0, 48, true};
    case Skin::Amber: return {72, 48, kAmberTint, true};
    case Skin::Green: return {72, 48, 0, true};
    case Skin::HighContrast: return {72, 72, 36, false};
  }
  return {};
}

Monitor::Monitor(Surface& screen, std::array<Surface, kBarCount>& bars) : screen_(screen), bars_(bars) {}

// The weights are kept as exact fractions so that the rounding of a channel
// that lands on a half (B/W TV's background red is 42.5) is decided by the
// rule, not by the last bit of a floating-point product.
void Monitor::UpdateWeights() {
  int k = settings_.Color;
  if (k == kAmberTint) weights_ = {{{1, 1}, {152, 255}, {26, 255}}};
  else if (k >= 0 && k <= 36) weights_ = {{{k, 36}, {1, 1}, {k, 36}}};
  else if (k >= 37 && k <= 72) weights_ = {{{108 - k, 72}, {1, 1}, {1, 1}}};  // (72 - k) / 72 + 1/2
}

void Monitor::SetColors() {
  RedrawBars();
  UpdateWeights();
  // a = Brightness / 180 + 0.6; the upper line takes 90 % of it with scan lines.
  const int64_t aNum = settings_.Brightness + 108, aDen = 180;
  const int64_t dNum = settings_.ScanLines ? 9 * aNum : aNum;
  const int64_t dDen = settings_.ScanLines ? 10 * aDen : aDen;
  auto entry = [&](int64_t num, int64_t den) {
    std::array<uint8_t, 3> c{};
    for (int i = 0; i < 3; ++i) c[i] = Channel(num * weights_[i].num, den * weights_[i].den);
    return c;
  };
  for (int n = 1; n <= 3; ++n) {
    auto lower = entry(kLitLevels[n - 1] * aNum, aDen);
    auto upper = entry(kLitLevels[n - 1] * dNum, dDen);
    screen_.SetPaletteEntry(n, lower[0], lower[1], lower[2]);
    screen_.SetPaletteEntry(n + 4, upper[0], upper[1], upper[2]);
  }
  // Background level (72 - Contrast) * 17 / 24; brightness does not act on it.
  auto bg = entry(int64_t{kSettingMax - settings_.Contrast} * 17, 24);
  screen_.SetPaletteEntry(0, bg[0], bg[1], bg[2]);
  if (settings_.ScanLines) screen_.SetPaletteEntry(4, bg[0] / 2, bg[1] / 2, bg[2] / 2);
  else screen_.SetPaletteEntry(4, bg[0], bg[1], bg[2]);
  screen_.ApplyPalette();
}

void Monitor::RedrawBars() {
  std::array<int, kBarCount> values = {settings_.Brightness, settings_.Contrast, settings_.Color};
  for (int i = 0; i < kBarCount; ++i) {
    // While the tint is amber the colour bar keeps its last drawing.
    if (i == static_cast<int>(SettingBar::Color) && values[i] < 0) continue;
    Surface& bar = bars_[i];
    if (bar.Empty()) continue;
    uint32_t filled = bar.PixelColour(0, 0), empty = bar.PixelColour(1, 1);
    FillBar(bar, kBarScaleLeft, values[i] + kBarScaleLeft, filled);
    FillBar(bar, values[i] + kBarScaleLeft + 1, kBarScaleRight, empty);
  }
}

void Monitor::ApplySkin(Skin skin) {
  settings_ = SkinSettings(skin);
  SetColors();
}

void Monitor::ToggleScanLines() {
  settings_.ScanLines = !settings_.ScanLines;
  SetColors();
}

bool Monitor::PressBar(SettingBar bar, int x) {
  barHideCountdown_ = kBarHideFrames;
  int value = x - kBarScaleLeft;
  if (value < 0 || value > kSettingMax) return false;
  switch (bar) {
    case SettingBar::Brightness: settings_.Brightness = value; break;
    case SettingBar::Contrast: settings_.Contrast = value; break;
    case SettingBar::Color: settings_.Color = value; break;
  }
  SetColors();
  return true;
}

void Monitor::ToggleMonitorBars() {
  barsVisible_ = !barsVisible_;
  barHideCountdown_ = kBarHideFrames;
}

bool Monitor::StepBarHide() {
  if (barHideCountdown_ <= 0) return false;
  if (--barHideCountdown_ > 0) return false;
  barsVisible_ = false;
  return true;
}

}  // namespace quillor
