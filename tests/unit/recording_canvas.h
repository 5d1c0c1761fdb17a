// A printer canvas with fixed metrics that records what is drawn into a
// record that outlives it: every character is as wide as the font's size in
// points and twice as high.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "organiser/output/printing.h"

namespace tovik::testing {

class RecordingCanvas : public PrintCanvas {
 public:
  struct Drawn {
    int page, size, x, y;  // size in points
    std::string text;
  };
  struct Record {
    std::vector<Drawn> drawn;
    int page = 1;
    int ended = 0;
    // "page size x y text|" for each text drawn, then the pages and ends.
    std::string Listing() const {
      std::string listing;
      for (const Drawn& d : drawn) {
        for (const int n : {d.page, d.size, d.x, d.y}) listing += std::to_string(n) + ' ';
        listing += d.text + '|';
      }
      return listing + std::to_string(page) + " pages, ended " + std::to_string(ended);
    }
  };

  RecordingCanvas(int width, int height, Record& record)
      : width_(width), height_(height), record_(record) {}

  void SetFontSize(int points) override { size_ = points; }
  int TextWidth(std::string_view text) override {
    int characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters * size_;
  }
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
  int width_, height_;
  Record& record_;
  int size_ = 0;
};

}  // namespace tovik::testing
