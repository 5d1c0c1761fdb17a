#pragma once
#include <memory>

#include "organiser/pages/diary_search.h"

namespace tovik {

// The user's locale's lower-casing of stored texts: a table of the 256 bytes,
// made once, where the ANSI code page has one byte a character; otherwise
// each text is converted through the system.
std::unique_ptr<TextLowering> UserLocaleLowering();

}  // namespace tovik
