#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tovik {

// A fast running digest of bytes that arrive in pieces of any size, to tell
// one file content from another (not to resist a forger): eight bytes at a
// time, so that hashing a save costs a small part of writing it.
class ContentHash {
 public:
  void Update(std::string_view bytes) {
    size_ += bytes.size();
    for (; pending_ != 0 && !bytes.empty(); bytes.remove_prefix(1)) Take(bytes.front());
    for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
      uint64_t word;  // little-endian, as Take builds it
      std::memcpy(&word, bytes.data(), 8);
      Mix(word);
    }
    for (const char c : bytes) Take(c);
  }
  uint64_t Digest() const {
    uint64_t h = state_ ^ (partial_ * kMultiplier) ^ size_;
    h ^= h >> 29;
    h *= kMultiplier;
    return h ^ (h >> 32);
  }

 private:
  static constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  void Take(char c) {
    partial_ |= uint64_t{static_cast<unsigned char>(c)} << (8 * pending_);
    if (++pending_ == 8) {
      Mix(partial_);
      partial_ = 0;
      pending_ = 0;
    }
  }
  void Mix(uint64_t word) {
    state_ = (state_ ^ word) * kMultiplier;
    state_ ^= state_ >> 31;
  }

  uint64_t state_ = 0x243F6A8885A308D3ull;
  uint64_t partial_ = 0;
  unsigned pending_ = 0;
  uint64_t size_ = 0;
};

}  // namespace tovik
