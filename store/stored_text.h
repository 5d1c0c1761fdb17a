#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tovik {

// Bytes read from the data file in one go. The store keeps them, and the
// texts it loads view into them rather than each taking a copy, which keeps
// start-up close to the cost of the read itself.
struct SharedBytes {
  std::shared_ptr<const char[]> data;
  size_t size = 0;

  std::string_view view() const { return {data.get(), size}; }
};

// A stored text's bytes, its closing NUL included. Inside the store a
// loaded text is a view into the bytes the store keeps; whatever is copied
// or moved out of it owns its bytes, so no text ever outlives what it views.
class StoredText {
 public:
  StoredText() = default;
  // Implicit, so a new text is stored by plain assignment.
  StoredText(std::string_view bytes) { Own(bytes); }
  StoredText(const std::string& bytes) { Own(bytes); }
  StoredText(const StoredText& other) { Own(other.bytes_); }
  // A loaded text takes its bytes along; an owned one hands them over.
  StoredText(StoredText&& other) { Take(other); }
  StoredText& operator=(const StoredText& other) {
    if (this != &other) Own(other.bytes_);
    return *this;
  }
  StoredText& operator=(StoredText&& other) {
    if (this != &other) Take(other);
    return *this;
  }

  // Makes this text a view of loaded bytes; only the store that keeps those
  // bytes does this, on its own entries.
  void ViewLoaded(std::string_view bytes) {
    owned_.reset();
    bytes_ = bytes;
  }

  std::string_view bytes() const { return bytes_; }
  operator std::string_view() const { return bytes_; }
  size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  friend bool operator==(const StoredText& a, const StoredText& b) { return a.bytes_ == b.bytes_; }

 private:
  void Own(std::string_view bytes) {
    std::unique_ptr<char[]> copy;
    if (!bytes.empty()) {
      copy.reset(new char[bytes.size()]);
      bytes.copy(copy.get(), bytes.size());
    }
    bytes_ = {copy.get(), bytes.size()};
    owned_ = std::move(copy);
  }
  void Take(StoredText& other) {
    if (other.owned_) {
      owned_ = std::move(other.owned_);
      bytes_ = other.bytes_;
    } else {
      Own(other.bytes_);
    }
    other.bytes_ = {};
  }

  std::string_view bytes_;  // into owned_, or into the store's loaded bytes
  std::unique_ptr<char[]> owned_;
};

}  // namespace tovik
