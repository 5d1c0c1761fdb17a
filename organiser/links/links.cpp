#include "organiser/links/links.h"

#include <array>

namespace tovik {
namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// The word of the text (between characters of code 32 and below) that holds
// the position `inside`, without the punctuation that closes a sentence.
std::string_view WordAt(std::string_view text, size_t inside) {
  size_t begin = inside;
  while (begin > 0 && !IsBlank(text[begin - 1])) --begin;
  size_t end = inside;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  std::string_view word = text.substr(begin, end - begin);
  while (!word.empty() && std::string_view(".,;:!?)").find(word.back()) != std::string_view::npos) {
    word.remove_suffix(1);
  }
  return word;
}

constexpr std::array<std::string_view, 2> kWebSchemes = {"http://", "https://"};
constexpr std::string_view kMailScheme = "mailto:";

}  // namespace

std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void RememberSelection(RememberedSelection& remembered, std::string_view selected) {
  if (Contains(selected, kWebSchemes[0]) || Contains(selected, kWebSchemes[1])) {
    remembered.Link = std::string(selected);
  } else if (Contains(selected, "@") && Contains(selected, ".")) {
    remembered.Link = std::string(kMailScheme) + std::string(selected);
  } else {
    remembered.Number = std::string(selected);
  }
}

LinkAction LinkToOpen(std::string_view rememberedLink) {
  const std::string_view t = TrimControls(rememberedLink);
  if (t.empty()) return {};
  for (const std::string_view scheme : kWebSchemes) {
    if (const size_t at = t.find(scheme); at != std::string_view::npos) {
      return {std::string(WordAt(t, at))};
    }
  }
  // A mail address is the word that holds the "@", with "mailto:" in front
  // unless it has it.
  const size_t at = t.find('@');
  if (at == std::string_view::npos) return {};
  std::string_view word = WordAt(t, at);
  if (word.starts_with(kMailScheme)) word.remove_prefix(kMailScheme.size());
  if (word.empty() || word.front() == '@') return {};
  return {std::string(kMailScheme) + std::string(word)};
}

DialAction NumberToDial(std::string_view rememberedNumber) {
  if (rememberedNumber.empty()) return {std::nullopt, Target::MsgNothingToDial};
  const std::string_view number = TrimControls(rememberedNumber);
  if (number.size() > kMaxDialledLength ||
      number.find_first_not_of(kDialableChars) != std::string_view::npos) {
    return {std::nullopt, Target::MsgIllegalNumber};
  }
  return {std::string(number)};
}

}  // namespace tovik
