#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tovik::testing {

// Builds Tovik.dat images byte by byte for tests, independent of the writer.
class DataFileBuilder {
 public:
  explicit DataFileBuilder(uint16_t settingsWord = 0x00A3, int32_t background = 0x00800000,
                           int32_t font = 0x00FFFFFF) {
    U16(settingsWord).U16(40000).U16(1234).U16(0).U16(0).I32(background).I32(font).I32(0);
  }
  DataFileBuilder& U8(uint8_t v) {
    bytes_.push_back(static_cast<char>(v));
    return *this;
  }
  DataFileBuilder& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
  DataFileBuilder& I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return U16(u & 0xFFFF).U16(u >> 16);
  }
  DataFileBuilder& Raw(std::string_view b) {
    bytes_.append(b);
    return *this;
  }
  // A text with its closing NUL, and the Length that counts it.
  DataFileBuilder& Text(std::string_view t) {
    return I32(static_cast<int32_t>(t.size() + 1)).Raw(t).Raw({"\0", 1});
  }
  DataFileBuilder& Appointment(uint16_t day, std::string_view t) { return U16(day).Text(t); }
  DataFileBuilder& Event(uint8_t month, uint8_t day, std::string_view t) {
    return U8(month).U8(day).Text(t);
  }
  DataFileBuilder& EmptyNotes(int n) {
    for (int i = 0; i < n; ++i) I32(0);
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tovik::testing
