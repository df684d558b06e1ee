// Build-time tool: draws the keyboard help picture (606 x 143) from the
// key layout in resources/pictures/keyboard_layout.txt.
//
//   quillor-make-keyboard-picture LAYOUT LEGEND_FONT SMALL_FONT OUT.bmp
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art/canvas.h"
#include "art/picture_files.h"
#include "art/text.h"
#include "art/window_style.h"

namespace {

using namespace quillor::art;

constexpr int kWidth = 606, kHeight = 143, kRowStart = 8, kGap = 2;

enum class Kind { Machine, Function, Joystick, Unused, Caption };

struct Key {
  int x = 0, y = 0, w = 0, h = 0;
  Kind kind = Kind::Unused;
  std::string host, big, small;
};

struct KeyStyle {
  Rgb side, face, host, legend;
};

KeyStyle StyleOf(Kind kind) {
  switch (kind) {
    case Kind::Machine: return {Hex(0x8C94A8), Hex(0xDDE1EA), Hex(0x6A7288), Hex(0x142038)};
    case Kind::Function: return {Hex(0x22305A), Hex(0x3A4C80), Hex(0xA8B6DA), kAccent};
    case Kind::Joystick: return {Hex(0x1E5650), Hex(0x2E7C72), Hex(0xA8E0D8), Hex(0xFFFFFF)};
    case Kind::Unused: return {Hex(0x2A3248), Hex(0x465068), Hex(0x98A2B8), Hex(0x98A2B8)};
    case Kind::Caption: break;
  }
  return {kWindow, kWindow, kLegend, kLegend};
}

bool ParseKind(const std::string& s, Kind& kind) {
  if (s == "machine") kind = Kind::Machine;
  else if (s == "function") kind = Kind::Function;
  else if (s == "joystick") kind = Kind::Joystick;
  else if (s == "unused") kind = Kind::Unused;
  else if (s == "caption") kind = Kind::Caption;
  else return false;
  return true;
}

std::string Legend(std::string text) {
  for (char& c : text)
    if (c == '_') c = ' ';
  return ExpandNames(text);
}

bool ReadLayout(const std::string& path, std::vector<Key>& keys, std::string& error) {
  std::ifstream in(path);
  if (!in) return error = "cannot open " + path, false;
  std::string line;
  int number = 0, x = kRowStart, y = 0, height = 0;
  while (std::getline(in, line)) {
    ++number;
    std::istringstream words(line);
    std::string verb;
    if (!(words >> verb) || verb[0] == '#') continue;
    auto fail = [&](const std::string& why) {
      error = path + ":" + std::to_string(number) + ": " + why;
      return false;
    };
    if (verb == "row") {
      if (!(words >> y >> height)) return fail("expected 'row Y H'");
      x = kRowStart;
    } else if (verb == "at") {
      if (!(words >> x)) return fail("expected 'at X'");
    } else if (verb == "skip") {
      int w = 0;
      if (!(words >> w)) return fail("expected 'skip W'");
      x += w;
    } else if (verb == "key") {
      Key key;
      std::string size, kind, field;
      if (!(words >> size >> kind) || !ParseKind(kind, key.kind)) return fail("expected 'key W KIND'");
      key.h = height;
      if (std::sscanf(size.c_str(), "%dx%d", &key.w, &key.h) < 1 || key.w <= 0) return fail("bad size");
      key.x = x, key.y = y;
      while (words >> field) {
        const auto colon = field.find(':');
        const std::string name = field.substr(0, colon), value = field.substr(colon + 1);
        if (colon == std::string::npos) return fail("expected NAME:TEXT, got " + field);
        if (name == "host") key.host = Legend(value);
        else if (name == "big") key.big = Legend(value);
        else if (name == "small") key.small = Legend(value);
        else return fail("unknown field " + name);
      }
      if (key.x + key.w > kWidth || key.y + key.h > kHeight) return fail("key outside the picture");
      keys.push_back(key);
      x += key.w + kGap;
    } else {
      return fail("unknown line " + verb);
    }
  }
  return true;
}

void DrawKey(Canvas& c, const Key& k, const PixelFont& legend, const PixelFont& small) {
  if (k.kind == Kind::Caption) {
    const int w = TextWidth(small, k.small);
    DrawText(c, small, k.small, k.x + (k.w - w) / 2, k.y + (k.h - 5) / 2, kLegend);
    c.Rect(k.x, k.y + k.h / 2, k.x + (k.w - w) / 2 - 4, k.y + k.h / 2, kHousing);
    c.Rect(k.x + (k.w + w) / 2 + 3, k.y + k.h / 2, k.x + k.w - 1, k.y + k.h / 2, kHousing);
    return;
  }
  const KeyStyle s = StyleOf(k.kind);
  const double x0 = k.x, y0 = k.y, x1 = k.x + k.w, y1 = k.y + k.h;
  c.Fill(RoundRect(x0, y0, x1, y1, 2.5), s.side, k.x, k.y, k.x + k.w, k.y + k.h);
  c.Fill(RoundRect(x0 + 2, y0 + 1, x1 - 2, y1 - 3, 2),
         VerticalGradient(y0, y1, Mix(s.face, Hex(0xFFFFFF), 0.12), s.face), k.x, k.y, k.x + k.w, k.y + k.h);
  const int faceTop = k.y + 2, faceBottom = k.y + k.h - 4;
  if (!k.host.empty()) DrawText(c, small, k.host, k.x + 3, faceTop, s.host);
  if (!k.small.empty()) {
    const int w = TextWidth(small, k.small);
    const int y = k.host.empty() ? (faceTop + faceBottom - 5) / 2 + 1 : faceBottom - 5;
    DrawText(c, small, k.small, k.x + (k.w - w) / 2, y, s.legend);
  }
  if (k.big.empty()) return;
  if (k.big.size() == 3 && k.big[1] == '/') {
    // Shifted sign above, unshifted below, as on the machine's keys.
    const std::string upper(1, k.big[0]), lower(1, k.big[2]);
    const int cx = k.x + (k.w - TextWidth(legend, "M")) / 2;
    DrawText(c, legend, upper, cx, faceTop, s.legend);
    DrawText(c, legend, lower, cx, faceTop + 8, s.legend);
    return;
  }
  const int w = TextWidth(legend, k.big);
  const int y = k.host.empty() ? (faceTop + faceBottom - 7) / 2 + 1 : faceBottom - 7;
  const int x =
      k.host.empty() || w + 6 > k.w - TextWidth(small, k.host) ? k.x + (k.w - w) / 2 : k.x + k.w - w - 4;
  DrawText(c, legend, k.big, x, k.host.empty() || x != k.x + (k.w - w) / 2 ? y : faceBottom - 7, s.legend);
}

Canvas DrawKeyboard(const std::vector<Key>& keys, const PixelFont& legend, const PixelFont& small) {
  Canvas c(kWidth, kHeight, kWindow);
  DrawHousing(c, 0.5, 0.5, kWidth - 0.5, kHeight - 0.5, 6);
  c.Fill(RoundRect(4, 25, 402, 139, 3), Hex(0x2E3850), 3, 24, 404, 141);
  c.Fill(RoundRect(404, 25, 490, 139, 3), Hex(0x2E3850), 403, 24, 492, 141);
  c.Fill(RoundRect(492, 25, 602, 139, 3), Hex(0x2E3850), 491, 24, 604, 141);
  for (const Key& k : keys) DrawKey(c, k, legend, small);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: quillor-make-keyboard-picture LAYOUT LEGEND_FONT SMALL_FONT OUT.bmp\n");
    return 2;
  }
  std::vector<Key> keys;
  PixelFont legend, small;
  std::string error;
  if (!ReadLayout(argv[1], keys, error) || !LoadLegendFont(argv[2], legend, error) ||
      !LoadSmallFont(argv[3], small, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  if (!WriteBitmapFile(argv[4], DrawKeyboard(keys, legend, small))) {
    std::fprintf(stderr, "quillor-make-keyboard-picture: cannot write %s\n", argv[4]);
    return 1;
  }
  return 0;
}
