#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tovik {

// A fast running digest of bytes that arrive in pieces of any size, to tell
// one file content from another (not to resist a forger). Blocks of 32
// bytes go through four independent lanes, so that hashing a save costs a
// small part of writing it.
class ContentHash {
 public:
  void Update(std::string_view bytes) {
    size_ += bytes.size();
    if (pending_ != 0) {
      const size_t n = std::min(bytes.size(), kBlock - pending_);
      std::memcpy(block_.data() + pending_, bytes.data(), n);
      pending_ += n;
      bytes.remove_prefix(n);
      if (pending_ < kBlock) return;
      MixBlock(block_.data());
      pending_ = 0;
    }
    for (; bytes.size() >= kBlock; bytes.remove_prefix(kBlock)) MixBlock(bytes.data());
    std::memcpy(block_.data(), bytes.data(), bytes.size());
    pending_ = bytes.size();
  }

  uint64_t Digest() const {
    std::array<char, kBlock> last{};
    std::memcpy(last.data(), block_.data(), pending_);
    ContentHash tail = *this;
    tail.MixBlock(last.data());
    uint64_t h = size_;
    for (const uint64_t lane : tail.lanes_) h = Mix(h ^ lane);
    return h ^ (h >> 32);
  }

 private:
  static constexpr size_t kBlock = 32;
  static constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  static uint64_t Mix(uint64_t v) {
    v *= kMultiplier;
    return v ^ (v >> 31);
  }
  void MixBlock(const char* block) {
    for (size_t lane = 0; lane < lanes_.size(); ++lane) {
      uint64_t word;  // little-endian, whatever the pieces were
      std::memcpy(&word, block + 8 * lane, 8);
      lanes_[lane] = Mix(lanes_[lane] ^ word);
    }
  }

  std::array<uint64_t, 4> lanes_{0x243F6A8885A308D3ull, 0x13198A2E03707344ull,
                                 0xA4093822299F31D0ull, 0x082EFA98EC4E6C89ull};
  std::array<char, kBlock> block_{};
  size_t pending_ = 0;
  uint64_t size_ = 0;
};

// FNV-1a over bytes, continued from `hash`: a short, stable name for a
// text (an identifier that must not change between versions).
constexpr uint64_t Fnv1a(std::string_view bytes, uint64_t hash = 14695981039346656037ull) {
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

}  // namespace tovik
