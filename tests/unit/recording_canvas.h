// A printer canvas with fixed metrics that records what is drawn into a
// record that outlives it: every character is as wide as the font's size in
// points and twice as high.
#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "organiser/printing.h"

namespace tovik::testing {

class RecordingCanvas : public PrintCanvas {
 public:
  struct Drawn {
    int page;
    int size;  // points
    int x, y;
    std::string text;
    friend bool operator==(const Drawn&, const Drawn&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Drawn& d) {
      return out << "{" << d.page << ", " << d.size << ", " << d.x << ", " << d.y << ", \""
                 << d.text << "\"}";
    }
  };

  struct Record {
    std::vector<Drawn> drawn;
    int page = 1;
    int ended = 0;
  };

  RecordingCanvas(int width, int height, Record& record)
      : width_(width), height_(height), record_(record) {}

  void SetFontSize(int points) override { size_ = points; }
  int TextWidth(std::string_view text) override { return Characters(text) * size_; }
  int TextHeight(std::string_view) override { return CharHeight(); }
  int CharHeight() override { return 2 * size_; }
  int AverageCharWidth() override { return size_; }
  int PageWidth() override { return width_; }
  int PageHeight() override { return height_; }
  void DrawText(int x, int y, std::string_view text) override {
    record_.drawn.push_back({record_.page, size_, x, y, std::string(text)});
  }
  void NewPage() override { ++record_.page; }
  void EndDocument() override { ++record_.ended; }

 private:
  static int Characters(std::string_view text) {
    int count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
  }
  int width_;
  int height_;
  Record& record_;
  int size_ = 0;
};

}  // namespace tovik::testing
