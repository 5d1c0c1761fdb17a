#include "store/data_file.h"

#include <algorithm>

namespace tovik {

namespace {
uint32_t LoadLE(std::string_view bytes, size_t at, size_t width) {
  uint32_t v = 0;
  for (size_t i = 0; i < width; ++i) {
    const uint8_t b = at + i < bytes.size() ? static_cast<uint8_t>(bytes[at + i]) : 0;
    v |= uint32_t{b} << (8 * i);
  }
  return v;
}

void StoreLE(char* out, uint32_t v, size_t width) {
  for (size_t i = 0; i < width; ++i) out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
}  // namespace

FileHeader DecodeHeader(std::string_view bytes) {
  FileHeader h;
  static_cast<Settings&>(h) = SplitSettingsWord(static_cast<uint16_t>(LoadLE(bytes, 0, 2)));
  h.CreatedDay = static_cast<uint16_t>(LoadLE(bytes, 2, 2));
  h.CreationStamp = static_cast<uint16_t>(LoadLE(bytes, 4, 2));
  h.Reserved6 = static_cast<uint16_t>(LoadLE(bytes, 6, 2));
  h.Reserved8 = static_cast<uint16_t>(LoadLE(bytes, 8, 2));
  h.BackgroundColor = static_cast<int32_t>(LoadLE(bytes, 10, 4));
  h.FontColor = static_cast<int32_t>(LoadLE(bytes, 14, 4));
  return h;
}

std::array<char, kHeaderSize> EncodeHeader(const FileHeader& h) {
  std::array<char, kHeaderSize> out{};
  StoreLE(&out[0], h.SettingsWord(), 2);
  StoreLE(&out[2], h.CreatedDay, 2);
  StoreLE(&out[4], h.CreationStamp, 2);
  StoreLE(&out[6], h.Reserved6, 2);
  StoreLE(&out[8], h.Reserved8, 2);
  StoreLE(&out[10], static_cast<uint32_t>(h.BackgroundColor), 4);
  StoreLE(&out[14], static_cast<uint32_t>(h.FontColor), 4);
  return out;
}

std::string NewFileImage(uint16_t createdDay, uint16_t creationStamp) {
  FileHeader h;
  h.CreatedDay = createdDay;
  h.CreationStamp = creationStamp;
  h.BackgroundColor = kNewFileBackground;
  h.FontColor = kNewFileFont;
  const auto head = EncodeHeader(h);
  std::string image(head.begin(), head.end());
  image.append(kNewFileSize - kHeaderSize, '\0');  // reserved, then three zero counts
  return image;
}

Settings SplitSettingsWord(uint16_t word) {
  Settings s;
  s.LanguageId = static_cast<Language>(word & 0x0F);
  s.WeekStartDay = static_cast<WeekStart>((word >> 4) & 0x03);
  s.FirstWeekRule = (word >> 6) & 0x03;
  s.PreservedBits = (word >> 8) & 0x1F;
  return s;
}

uint16_t ComposeSettingsWord(const Settings& s) {
  const auto language = static_cast<uint16_t>(s.LanguageId);
  const auto weekStart = static_cast<int32_t>(s.WeekStartDay);
  return static_cast<uint16_t>((language & 0x0F) | ((weekStart & 0x03) << 4) |
                               ((s.FirstWeekRule & 0x03) << 6) | ((s.PreservedBits & 0x1F) << 8));
}

RecordReader::RecordReader(File& file, uint64_t position) : base_(position), file_(&file) {
  try {
    size_ = file.Size();
    file.Seek(position);
  } catch (const IoError&) {
    end_ = failed_ = true;
  }
}

bool RecordReader::Refill(size_t n) {
  if (file_ == nullptr || end_) return false;
  // Keep what is left, then fill the buffer behind it in one go.
  constexpr size_t kChunk = 256 * 1024;
  const size_t kept = data_.size() - pos_;
  // A small file gets a buffer of its own size; a file that grows while it is
  // read is still read on, a chunk at a time.
  const uint64_t left = size_ > base_ + pos_ ? size_ - base_ - pos_ : 0;
  const size_t want =
      std::max(n, static_cast<size_t>(std::min<uint64_t>(kChunk, std::max<uint64_t>(left, 64))));
  if (buffer_.size() < want) {
    std::string bigger(want, '\0');
    std::copy(data_.begin() + static_cast<ptrdiff_t>(pos_), data_.end(), bigger.begin());
    buffer_.swap(bigger);
  } else {
    std::copy(data_.begin() + static_cast<ptrdiff_t>(pos_), data_.end(), buffer_.begin());
  }
  base_ += pos_;
  pos_ = 0;
  size_t have = kept;
  try {
    while (have < buffer_.size()) {
      const size_t got = file_->Read(buffer_.data() + have, buffer_.size() - have);
      if (got == 0) {
        end_ = true;
        break;
      }
      have += got;
    }
  } catch (const IoError&) {
    end_ = failed_ = true;
  }
  data_ = std::string_view(buffer_.data(), have);
  return have >= n;
}

}  // namespace tovik
