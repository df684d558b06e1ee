#include "font_source.h"

#include <fstream>
#include <sstream>

namespace quillor::tools {
namespace {

bool IsComment(const std::string& line) { return line.empty() || line.rfind("# ", 0) == 0; }

bool IsPixelRow(const std::string& line) {
  return !line.empty() && line.find_first_not_of("#.") == std::string::npos && !IsComment(line);
}

bool ParseCode(const std::string& text, int& code) {
  if (text.size() < 3 || text.compare(0, 2, "0x") != 0) return false;
  size_t used = 0;
  try {
    code = std::stoi(text.substr(2), &used, 16);
  } catch (...) {
    return false;
  }
  return used == text.size() - 2 && code >= 0 && code <= 0xFF;
}

class SourceReader {
 public:
  SourceReader(const std::string& path, const FontShape& shape, GlyphSet& glyphs)
      : path_(path), shape_(shape), glyphs_(glyphs) {}

  bool Read(std::string& error) {
    std::ifstream in(path_);
    if (!in) return Fail("cannot open", error);
    std::string line;
    while (std::getline(in, line)) {
      ++lineNumber_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!Take(line, error)) return false;
    }
    return Finish(error);
  }

 private:
  bool Take(const std::string& line, std::string& error) {
    if (inGlyph_ && IsPixelRow(line)) return AddRow(line, error);
    if (!Finish(error)) return false;
    if (IsComment(line)) return true;
    if (line.rfind("@copy ", 0) == 0) return Copy(line, error);
    std::istringstream words(line);
    std::string codeText;
    words >> codeText;
    if (!ParseCode(codeText, code_)) return Fail("expected '0xNN name', '@copy' or a comment", error);
    if (definedHere_.count(code_)) return Fail("code " + codeText + " defined twice", error);
    definedHere_[code_] = true;
    current_ = Glyph{};
    inGlyph_ = true;
    return true;
  }

  bool AddRow(const std::string& line, std::string& error) {
    const int width = static_cast<int>(line.size());
    if (current_.rows.empty()) current_.width = width;
    if (width != current_.width) return Fail("row width differs from the glyph's first row", error);
    if (shape_.width && width != shape_.width)
      return Fail("rows must be " + std::to_string(shape_.width) + " pixels wide", error);
    std::vector<bool> row;
    for (char c : line) row.push_back(c == '#');
    current_.rows.push_back(std::move(row));
    return true;
  }

  bool Finish(std::string& error) {
    if (!inGlyph_) return true;
    inGlyph_ = false;
    if (static_cast<int>(current_.rows.size()) != shape_.height)
      return Fail("glyph needs " + std::to_string(shape_.height) + " rows", error);
    glyphs_[code_] = current_;
    return true;
  }

  bool Copy(const std::string& line, std::string& error) {
    std::istringstream words(line.substr(6));
    std::string src, dst;
    int count = 0, from = 0, to = 0;
    if (!(words >> src >> dst >> count) || !ParseCode(src, from) || !ParseCode(dst, to) || count <= 0 ||
        from + count > 256 || to + count > 256)
      return Fail("expected '@copy 0xSRC 0xDST COUNT'", error);
    pendingCopies_.push_back({from, to, count});
    return true;
  }

  bool Fail(const std::string& reason, std::string& error) {
    error = path_ + ":" + std::to_string(lineNumber_) + ": " + reason;
    return false;
  }

 public:
  // Copies run once the whole file is read, so they may name codes that
  // are defined further down.
  bool RunCopies(std::string& error) {
    for (const auto& c : pendingCopies_)
      for (int i = 0; i < c.count; ++i) {
        auto it = glyphs_.find(c.from + i);
        if (it == glyphs_.end())
          return Fail("@copy names undefined code " + std::to_string(c.from + i), error);
        glyphs_[c.to + i] = it->second;
      }
    return true;
  }

 private:
  struct PendingCopy {
    int from, to, count;
  };
  std::string path_;
  FontShape shape_;
  GlyphSet& glyphs_;
  int lineNumber_ = 0;
  bool inGlyph_ = false;
  int code_ = 0;
  Glyph current_;
  std::map<int, bool> definedHere_;
  std::vector<PendingCopy> pendingCopies_;
};

}  // namespace

bool ReadFontSource(const std::string& path, const FontShape& shape, GlyphSet& glyphs, std::string& error) {
  SourceReader reader(path, shape, glyphs);
  return reader.Read(error) && reader.RunCopies(error);
}

}  // namespace quillor::tools
