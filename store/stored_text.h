#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tovik {

// Bytes read from the data file in one go. Texts loaded from them view into
// them rather than each taking a copy, which keeps start-up close to the cost
// of the read itself; every copy of the store shares them.
struct SharedBytes {
  std::shared_ptr<const char[]> data;
  size_t size = 0;

  std::string_view view() const { return {data.get(), size}; }
};

// A stored text's bytes, its closing NUL included: a view into the store's
// loaded bytes, or, once the text is stored anew, bytes of its own. A loaded
// text is valid for as long as the store it came from (or a copy of it) lives.
class StoredText {
 public:
  StoredText() = default;
  // Implicit, so a new text is stored by plain assignment.
  StoredText(std::string bytes) : owned_(std::move(bytes)) {}
  static StoredText Loaded(std::string_view bytes) {
    StoredText t;
    t.loaded_ = bytes;
    return t;
  }

  // An empty loaded text reads the same as an empty owned one.
  std::string_view bytes() const { return loaded_.data() ? loaded_ : std::string_view(owned_); }
  operator std::string_view() const { return bytes(); }
  size_t size() const { return bytes().size(); }
  bool empty() const { return size() == 0; }
  friend bool operator==(const StoredText& a, const StoredText& b) {
    return a.bytes() == b.bytes();
  }

 private:
  std::string_view loaded_;
  std::string owned_;
};

}  // namespace tovik
