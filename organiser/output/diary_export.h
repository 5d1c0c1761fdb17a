#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "store/organiser_store.h"

namespace tovik {

// The exported diary's file name in a language, UTF-8 ("Ежедневно.txt" in
// Russian); English's for a number that is no language.
std::string_view DiaryFileName(Language language);

// The diary's days in date order, each its first slot in slot order; days
// up to 1 and days whose first slot is empty are left out.
std::vector<const AppointmentEntry*> DiaryDays(const std::vector<AppointmentEntry>& slots);

// The day's date as the export writes it, in the bytes of the file.
using DiaryDateText = std::function<std::string(int32_t day)>;

// The whole diary as text, CR LF lines: for each day in date order its
// date, its text as stored and an empty line.
void WriteDiaryText(BufferedFileWriter& out, const std::vector<AppointmentEntry>& slots,
                    const DiaryDateText& dateText);

// Writes the diary to `path` through a file beside it, so that a failure
// (thrown as IoError) leaves the earlier export whole.
void ExportDiary(FileSystem& fs, const std::string& path,
                 const std::vector<AppointmentEntry>& slots, const DiaryDateText& dateText);

}  // namespace tovik
