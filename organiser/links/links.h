#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "organiser/languages/targets.h"

// The portable rules of links and telephone dialling: what a selection
// becomes, what may be opened, and what may be dialled. Texts are the stored
// bytes of the ANSI code page.
namespace tovik {

// The last selection of a note box taken as a web or mail address, and the
// last other one, taken as a number to dial.
struct RememberedSelection {
  std::string Link;
  std::string Number;
};

// Files the selected text away as a link (it holds "http://" or "https://"),
// a mail address (it holds an "@" and a "."; remembered with "mailto:" in
// front) or a number; the other of the two keeps what it held.
void RememberSelection(RememberedSelection& remembered, std::string_view selected);

// What opening the remembered link hands to the shell, or the message that
// tells the user why nothing opens.
struct LinkAction {
  std::string Address;  // empty when nothing is opened
  Target Message = Target::MsgNoUrl;
};
// Only an address that begins with "http://", "https://" or "mailto:" is
// opened, so that a selection never starts a program or opens a local file.
// An address inside a longer selection is cut out of it; a web address is
// opened as it stands, even when it holds an "@".
LinkAction LinkToOpen(std::string_view rememberedLink);

// The characters a dialled number may hold.
inline constexpr std::string_view kDialableChars = " #&*,-0123456789ABCDRW";
constexpr size_t kMaxDialledLength = 30;

// What dialling the remembered number does: the number as trimmed, or the
// message that tells the user why nothing is dialled.
struct DialAction {
  std::optional<std::string> Number;
  Target Message = Target::MsgNothingToDial;
};
DialAction NumberToDial(std::string_view rememberedNumber);

// Characters of code 32 and below removed from both ends.
std::string_view TrimControls(std::string_view text);

}  // namespace tovik
