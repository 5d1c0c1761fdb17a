#pragma once
#include <cstdint>

namespace tovik {

// The interface languages by their stored number; 0 and 9 to 15 mean unset.
enum class Language : uint16_t {
  Danish = 1,
  English,
  German,
  French,
  Spanish,
  Dutch,
  Russian,
  Portuguese,
};
constexpr int kLanguageCount = 8;
constexpr bool IsLanguage(Language language) {
  return static_cast<uint16_t>(language) >= 1 && static_cast<uint16_t>(language) <= kLanguageCount;
}
// The language that a stored value shows in: English where it is unset.
constexpr Language ShownLanguage(Language stored) {
  return IsLanguage(stored) ? stored : Language::English;
}

}  // namespace tovik
