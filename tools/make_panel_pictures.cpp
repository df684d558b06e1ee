// Build-time tool: draws the drive and recorder pictures of the main window.
//
//   quillor-make-panel-pictures SMALL_FONT OUT_DIR
//
// writes drive_empty.bmp and drive_loaded.bmp (100 x 57, the lamp's twelve
// pixels in their unlit colours), recorder_empty.bmp (100 x 112) and
// recorder_sheet.bmp (164 x 163: the recorder with a tape, its three key
// strips and sixteen frames of each turning reel).
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "art/canvas.h"
#include "art/picture_files.h"
#include "art/text.h"
#include "art/window_style.h"

namespace {

using namespace quillor::art;

// The lamp as the display draws it: these pixels in these unlit colours.
constexpr struct {
  int x, y;
  uint32_t colour;
} kLampPixels[] = {
    {8, 49, 0x716B87}, {9, 49, 0x6E728B},  {7, 50, 0x4B2D45}, {8, 50, 0xAE7FA9},
    {9, 50, 0xB5B2C7}, {10, 50, 0x653F56}, {7, 51, 0x59282C}, {8, 51, 0x8C1420},
    {9, 51, 0x801823}, {10, 51, 0x6F1B2B}, {8, 52, 0x8E2129}, {9, 52, 0x781E2A},
};

constexpr Rgb kLeverLight = Hex(0xC4CCDA);
constexpr Rgb kLeverDark = Hex(0x5A6274);

Canvas DrawDrive(const PixelFont& small, bool loaded) {
  Canvas c(100, 57, kWindow);
  DrawHousing(c, 0.5, 0.5, 99.5, 56.5, 4);
  // A groove splits the front into the door and the lower trim.
  c.Rect(4, 38, 95, 38, kHousingDark);
  c.Rect(4, 39, 95, 39, kHighlight);
  DrawRecess(c, 12, 14, 88, 26, 2, kRecess);
  if (loaded) {
    // The disk's jacket fills the slot; its label shows at the left.
    c.Fill(RoundRect(14, 17, 86, 23, 1), Hex(0x24262E), 12, 14, 89, 27);
    c.Fill(RoundRect(18, 18.5, 40, 21.5, 0.5), Hex(0xD8D0B4), 12, 14, 89, 27);
    c.Fill(RoundRect(46.5, 8, 53.5, 34, 3), kLeverDark, 40, 6, 60, 36);
    c.Fill(RoundRect(47.5, 8.5, 52.5, 33, 2.5), VerticalGradient(8, 33, kLeverLight, kHousingLight), 40, 6,
           60, 36);
  } else {
    c.Fill(RoundRect(36, 17, 64, 24, 3), kLeverDark, 34, 15, 66, 26);
    c.Fill(RoundRect(36.5, 17.5, 63.5, 23, 2.5), VerticalGradient(17, 23, kLeverLight, kHousingLight), 34, 15,
           66, 26);
  }
  c.Fill(Circle(50, 20.5, 3.2), kLeverDark, 45, 15, 56, 26);
  c.Fill(Circle(50, 20.2, 2.3), kHighlight, 45, 15, 56, 26);
  // Lamp: a dark bezel with the lamp's own pixels inside.
  c.Fill(Circle(9, 51, 3.7), kHousingEdge, 3, 45, 15, 57);
  for (const auto& p : kLampPixels) c.Set(p.x, p.y, Hex(p.colour));
  DrawText(c, small, "BUSY", 15, 49, kLegend);
  const char* brand = "QUILLOR";
  DrawText(c, small, brand, 93 - TextWidth(small, brand), 49, kHighlight);
  DrawText(c, small, "FD-40", 36, 49, kHousingDark);
  return c;
}

// Recorder geometry shared by the pictures and the sheet.
constexpr int kKeyX[4] = {14, 36, 58, 80};  // rewind, stop, play, record
constexpr int kKeyTop = 87, kKeyWidth = 15, kKeyHeight = 21;
constexpr double kLeftReelX = 35, kRightReelX = 65, kReelY = 33;

enum class Keys { Stopped, Playing, Recording };

void DrawKey(Canvas& c, int x, bool pressed) {
  const int travel = pressed ? 3 : 0;
  const double top = kKeyTop + travel, bottom = kKeyTop + kKeyHeight - 1;
  c.Fill(RoundRect(x, top, x + kKeyWidth, bottom + 1, 1.5), Hex(0x2A3042), x, kKeyTop, x + kKeyWidth,
         kKeyTop + kKeyHeight);
  const Rgb face = pressed ? Hex(0xA4AABA) : Hex(0xD4D9E2);
  c.Fill(RoundRect(x + 1, top + 1, x + kKeyWidth - 1, bottom - 3, 1),
         VerticalGradient(top, bottom, face, Mix(face, kHousingDark, 0.3)), x, kKeyTop, x + kKeyWidth,
         kKeyTop + kKeyHeight);
  c.Rect(x + 2, static_cast<int>(top) + 1, x + kKeyWidth - 3, static_cast<int>(top) + 1,
         pressed ? face : Hex(0xF0F2F6));
}

void DrawSpokes(Canvas& c, double cx, double cy, double angle, double r0, double r1, Rgb colour) {
  for (int k = 0; k < 3; ++k) {
    const double a = angle + k * 2 * std::numbers::pi / 3;
    c.Fill(Segment(cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a),
                   1.3),
           colour, int(cx) - 9, int(cy) - 9, int(cx) + 9, int(cy) + 9);
  }
}

void DrawReel(Canvas& c, double cx, double cy, double pack, int frame) {
  // Three spokes repeat every 120 degrees: sixteen frames of 7.5 degrees
  // make one seamless turn of the picture.
  const double angle = frame * (2 * std::numbers::pi / 3) / 16 - std::numbers::pi / 2;
  const int x0 = int(cx) - 8, y0 = int(cy) - 8;
  c.Fill(Circle(cx, cy, pack), Hex(0x3A2820), x0, y0, x0 + 16, y0 + 16);
  c.Fill(Circle(cx, cy, pack - 0.8), Hex(0x5A3E2E), x0, y0, x0 + 16, y0 + 16);
  c.Fill(Ring(cx, cy, pack - 2.2, pack - 1.6), Hex(0x4A3226), x0, y0, x0 + 16, y0 + 16);
  c.Fill(Circle(cx, cy, 4.4), Hex(0xE4E6EC), x0, y0, x0 + 16, y0 + 16);
  c.Fill(Circle(cx, cy, 2.0), Hex(0x1A1C22), x0, y0, x0 + 16, y0 + 16);
  DrawSpokes(c, cx, cy, angle, 2.2, 4.4, Hex(0x1A1C22));
  // A mark on the hub rim makes the turning easy to see.
  c.Fill(Circle(cx + 3.4 * std::cos(angle + std::numbers::pi / 3),
                cy + 3.4 * std::sin(angle + std::numbers::pi / 3), 0.9),
         Hex(0xD03030), x0, y0, x0 + 16, y0 + 16);
}

void DrawCassette(Canvas& c, const PixelFont& small, int frame) {
  c.Fill(RoundRect(11, 9, 88, 61, 2.5), Hex(0x16181E), 10, 8, 90, 63);
  c.Fill(RoundRect(12, 10, 87, 60, 2), Hex(0x30333C), 10, 8, 90, 63);
  c.Fill(RoundRect(16, 12.5, 83, 47, 1.5), Hex(0xE2DAC2), 10, 8, 90, 63);
  c.Rect(17, 20, 82, 20, Hex(0xC83C30));
  DrawText(c, small, "C-60", 19, 14, Hex(0x404858));
  DrawText(c, small, "QUILLOR", 81 - TextWidth(small, "QUILLOR"), 14, Hex(0x404858));
  // The window over the reels, smoked plastic.
  c.Fill(RoundRect(23, 23, 77, 43, 3), Hex(0x1E1612), 20, 20, 80, 46);
  c.Fill(RoundRect(24, 24, 76, 42, 2.5), Hex(0x2E221C), 20, 20, 80, 46);
  c.Rect(44, 38, 56, 38, Hex(0x5A3E2E));  // tape running under the window
  DrawReel(c, kLeftReelX, kReelY, 7.6, frame);
  DrawReel(c, kRightReelX, kReelY, 5.6, frame);
  // The head opening at the lower edge of the shell.
  c.Fill(RoundRect(30, 51, 70, 60, 1.5), Hex(0x24262E), 28, 50, 72, 61);
  c.Fill(Circle(37, 56, 1.6), Hex(0x0C0C10), 34, 53, 40, 59);
  c.Fill(Circle(63, 56, 1.6), Hex(0x0C0C10), 60, 53, 66, 59);
  c.Rect(46, 56, 54, 59, Hex(0x8A8E98));
}

void DrawEmptyCompartment(Canvas& c) {
  for (double x : {kLeftReelX, kRightReelX}) {
    c.Fill(Circle(x, kReelY, 3.6), Hex(0x6A7284), int(x) - 6, int(kReelY) - 6, int(x) + 6, int(kReelY) + 6);
    c.Fill(Circle(x, kReelY, 2.0), Hex(0xB4BAC8), int(x) - 6, int(kReelY) - 6, int(x) + 6, int(kReelY) + 6);
    DrawSpokes(c, x, kReelY, -std::numbers::pi / 2, 2.0, 3.9, Hex(0xB4BAC8));
  }
  // Tape head and pinch roller at the foot of the compartment.
  c.Fill(RoundRect(45, 55, 55, 61, 1), Hex(0x9AA0AC), 43, 53, 57, 62);
  c.Fill(Circle(63, 58, 2.4), Hex(0x202228), 59, 54, 67, 62);
}

Canvas DrawRecorder(const PixelFont& small, bool withTape, Keys keys, int frame) {
  Canvas c(100, 112, kWindow);
  DrawHousing(c, 0.5, 0.5, 99.5, 111.5, 5);
  DrawRecess(c, 8, 6, 91, 63, 3, kRecess);
  if (withTape) DrawCassette(c, small, frame);
  else DrawEmptyCompartment(c);
  DrawText(c, small, "QUILLOR", 10, 67, kLegend);
  DrawText(c, small, "DATA RECORDER", 10, 74, kHighlight);
  // Tape counter.
  c.Fill(RoundRect(72, 66, 90, 76, 1), kHousingEdge, 70, 64, 92, 78);
  c.Rect(74, 68, 88, 74, Hex(0x0A0C10));
  DrawText(c, small, "000", 76, 69, Hex(0xE8ECF4));
  // Symbols printed above the keys.
  const Rgb ink = kLegend;
  c.Fill(Triangle(21.5, 80, 21.5, 85, 18, 82.5), ink, 14, 79, 30, 86);
  c.Fill(Triangle(25, 80, 25, 85, 21.5, 82.5), ink, 14, 79, 30, 86);
  c.Rect(41, 80, 45, 84, ink);
  c.Fill(Triangle(63, 79.5, 63, 85.5, 68.5, 82.5), ink, 58, 78, 74, 87);
  c.Fill(Circle(87.5, 82.5, 2.6), Hex(0xE04030), 82, 78, 94, 87);
  // Key bed and keys.
  c.Rect(12, 86, 95, 108, kHousingEdge);
  for (int i = 0; i < 4; ++i) {
    const bool pressed = (i == 2 && keys != Keys::Stopped) || (i == 3 && keys == Keys::Recording);
    DrawKey(c, kKeyX[i], pressed);
  }
  // Running lamp: green while playing, red while recording.
  const Rgb lamp = keys == Keys::Recording ? Hex(0xFF4030)
                   : keys == Keys::Playing ? Hex(0x40E060)
                                           : Hex(0x303640);
  c.Fill(Circle(6.5, 96.5, 2.6), kHousingEdge, 2, 92, 12, 101);
  c.Fill(Circle(6.5, 96.5, 1.8), lamp, 2, 92, 12, 101);
  return c;
}

Canvas DrawRecorderSheet(const PixelFont& small) {
  Canvas sheet(164, 163, kWindow);
  const Canvas stopped = DrawRecorder(small, true, Keys::Stopped, 0);
  sheet.Paste(stopped, 0, 0, 100, 112, 0, 0);
  // Key strips: rows 87-111 of the recorder in each state. The last strip
  // runs one row past the sheet; its missing row is the housing's bottom
  // edge, the same in every strip, so what the panel keeps there is right.
  const Canvas playing = DrawRecorder(small, true, Keys::Playing, 0);
  const Canvas recording = DrawRecorder(small, true, Keys::Recording, 0);
  sheet.Paste(playing, 0, 87, 100, 25, 0, 113);
  sheet.Paste(recording, 0, 87, 100, 24, 0, 139);
  for (int frame = 0; frame < 16; ++frame) {
    const Canvas turned = DrawRecorder(small, true, Keys::Stopped, frame);
    const int column = frame < 8 ? 0 : 16, row = 16 * (frame & 7);
    sheet.Paste(turned, 27, 25, 16, 16, 100 + column, row);
    sheet.Paste(turned, 57, 25, 16, 16, 132 + column, row);
  }
  return sheet;
}

bool Save(const std::string& dir, const char* name, const Canvas& c) {
  if (WriteBitmapFile(dir + "/" + name, c)) return true;
  std::fprintf(stderr, "quillor-make-panel-pictures: cannot write %s/%s\n", dir.c_str(), name);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quillor-make-panel-pictures SMALL_FONT OUT_DIR\n");
    return 2;
  }
  PixelFont small;
  std::string error;
  if (!LoadSmallFont(argv[1], small, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::string dir = argv[2];
  const bool ok = Save(dir, "drive_empty.bmp", DrawDrive(small, false)) &&
                  Save(dir, "drive_loaded.bmp", DrawDrive(small, true)) &&
                  Save(dir, "recorder_empty.bmp", DrawRecorder(small, false, Keys::Stopped, 0)) &&
                  Save(dir, "recorder_sheet.bmp", DrawRecorderSheet(small));
  return ok ? 0 : 1;
}
