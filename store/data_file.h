#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "base/language.h"

// The byte layout of Tovik.dat: packed little-endian records after a fixed
// header. Shared by the organiser's store and the reminder's reader.
namespace tovik {

constexpr size_t kHeaderSize = 18;      // rewritten in place on every setting change
constexpr size_t kSectionsOffset = 22;  // the appointment count
constexpr size_t kNewFileSize = 28;
constexpr int32_t kNewFileBackground = 0x00800000;                        // navy
constexpr int32_t kNewFileFont = 0x00FFFFFF;                              // white
constexpr int32_t kDefaultBackground = static_cast<int32_t>(0x8000000F);  // button face
constexpr int32_t kDefaultFont = static_cast<int32_t>(0x80000008);        // window text

// The first day of the week as stored; 0 and 3 mean unset.
enum class WeekStart : int32_t { Sunday = 1, Monday = 2 };
constexpr bool IsWeekStart(WeekStart start) {
  return start == WeekStart::Sunday || start == WeekStart::Monday;
}
// The calendar numbers weekdays from 0 = Sunday.
constexpr int CalendarStartOfWeek(WeekStart start) {
  return static_cast<int>(start) - 1;
}

// The settings packed into SettingsWord.
struct Settings {
  Language LanguageId = {};     // bits 0-3
  WeekStart WeekStartDay = {};  // bits 4-5
  int32_t FirstWeekRule = 0;    // bits 6-7
  uint16_t PreservedBits = 0;   // bits 8-12, kept for writing back
};
Settings SplitSettingsWord(uint16_t word);
uint16_t ComposeSettingsWord(const Settings& s);

// The 18 header bytes, the settings word split into its fields. It is the
// one copy of the settings that the organiser works with and writes back.
struct FileHeader : Settings {
  uint16_t CreatedDay = 0;
  uint16_t CreationStamp = 0;
  uint16_t Reserved6 = 0;
  uint16_t Reserved8 = 0;
  int32_t BackgroundColor = 0;
  int32_t FontColor = 0;
  uint16_t SettingsWord() const { return ComposeSettingsWord(*this); }
};

// Missing bytes (a file shorter than the header) read as 0.
FileHeader DecodeHeader(std::string_view bytes);
std::array<char, kHeaderSize> EncodeHeader(const FileHeader& header);
// The 28 bytes of a newly created file.
std::string NewFileImage(uint16_t createdDay, uint16_t creationStamp);

// Bounds-checked reading of records, from bytes in memory or streamed from a
// file through a buffer. Every read fails at the end of the data (or at a
// read error of the file) and then leaves the position where it was.
class RecordReader {
 public:
  RecordReader(std::string_view bytes, size_t position)
      : data_(bytes), pos_(position < bytes.size() ? position : bytes.size()) {}
  // Streams from `position` on; the file must stay open while reading.
  RecordReader(File& file, uint64_t position);

  // Inline: these run once per field of every record.
  std::optional<uint8_t> U8() {
    if (!Ensure(1)) return std::nullopt;
    return static_cast<uint8_t>(Take(1));
  }
  std::optional<uint16_t> U16() {
    if (!Ensure(2)) return std::nullopt;
    return static_cast<uint16_t>(Take(2));
  }
  std::optional<int32_t> I32() {
    if (!Ensure(4)) return std::nullopt;
    return static_cast<int32_t>(Take(4));
  }
  // A record's text of `length` bytes (after the length rule); nothing for
  // lengths of 0 or below; nullopt when the data ends first. The view is
  // valid until the next read.
  std::optional<std::string_view> Text(int32_t length) {
    if (length <= 0) return std::string_view{};
    const auto n = static_cast<size_t>(length);
    if (!Ensure(n)) return std::nullopt;
    const auto text = data_.substr(pos_, n);
    pos_ += n;
    return text;
  }
  // The next n bytes, valid until the next read; null when the data ends first.
  const unsigned char* Fixed(size_t n) {
    if (!Ensure(n)) return nullptr;
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    pos_ += n;
    return p;
  }
  uint64_t position() const { return base_ + pos_; }
  // True when reading stopped because the file could not be read.
  bool failed() const { return failed_; }

 private:
  // n bytes available from pos_, refilling from the file when needed.
  bool Ensure(size_t n) { return data_.size() - pos_ >= n || Refill(n); }
  bool Refill(size_t n);
  // The next width bytes, already Ensure'd, little-endian.
  uint32_t Take(size_t width) {
    uint32_t v = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    for (size_t i = 0; i < width; ++i) v |= uint32_t{p[i]} << (8 * i);
    pos_ += width;
    return v;
  }

  std::string_view data_;
  size_t pos_ = 0;
  uint64_t base_ = 0;  // file offset of data_[0]
  uint64_t size_ = 0;  // the file's size when reading began
  File* file_ = nullptr;
  std::string buffer_;
  bool end_ = false;
  bool failed_ = false;
};

}  // namespace tovik
