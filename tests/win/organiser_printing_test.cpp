// locales: en_US.UTF-8 ru_RU.UTF-8
// Printing and the diary export in process: the printouts go to a recording
// page instead of a printer, the export to the program folder, named in the
// language that the locale settles (Russian under ru_RU).
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "calendar/date_format.h"
#include "organiser/output/diary_export.h"
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

class PrintingTest : public OrganiserWindowTest {
 protected:
  CalendarDate Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
  }
  void AddDayText(int32_t day, const std::string& text) {
    AppointmentEntry& slot = main_->Store().AppointmentSlots.emplace_back();
    slot.Day = static_cast<uint16_t>(day);
    slot.Text = text + '\0';
  }
  std::string ShortDate(int32_t day) {
    return FormatDate(main_->Dates(), DateFromDayNumber(day), "ddddd");
  }
  std::vector<std::string> PrintedTexts() {
    std::vector<std::string> texts;
    for (const RecordingCanvas::Drawn& d : printouts_.back().drawn) texts.push_back(d.text);
    return texts;
  }
  fs::path ExportPath() {
    return fs::path(Utf8ToWide(main_->Location().DataRoot +
                               std::string(DiaryFileName(main_->Store().Header.LanguageId))));
  }
};

// The export is written in the code page's bytes, dates in the short date
// format, with what is still being typed in the day's box; a failed export
// (the earlier file held open by another program) leaves that file whole,
// tells the user and is logged.
TEST_F(PrintingTest, ExportWritesTheDiaryAndReportsAFailure) {
  TTovikMain& main = Start();
  const HWND box = main.Appointments().DayNote();
  SetFocus(box);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"typed"));
  const bool russian = main.Store().Header.LanguageId == Language::Russian;
  EXPECT_EQ(russian, GetACP() == 1251);
  const std::string text =
      WideToAnsi(russian ? L"\u0417\u0443\u0431\u043d\u043e\u0439\r\n10:00" : L"Dentist\r\nat ten");
  const int32_t today = DayNumberFromDate(Today());
  AddDayText(today + 1, "later");
  AddDayText(today + 2, text);
  MessageBoxAnswerer success;
  Run(Command::SaveDiary);
  EXPECT_TRUE(success.Stop().empty());
  std::string expected;
  for (const auto& [day, dayText] :
       {std::pair{today, std::string("typed")}, std::pair{today + 1, std::string("later")},
        std::pair{today + 2, text}}) {
    expected += WideToAnsi(Utf8ToWide(ShortDate(day))) + "\r\n" + dayText + "\r\n\r\n";
  }
  EXPECT_EQ(ReadBytes(ExportPath()), expected);
  EXPECT_EQ(ExportPath().filename().wstring(),
            russian ? L"\u0415\u0436\u0435\u0434\u043d\u0435\u0432\u043d\u043e.txt" : L"Diary.txt");

  const HANDLE held = CreateFileW(ExportPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  AddDayText(today + 3, "never exported");
  MessageBoxAnswerer failure;
  Run(Command::SaveDiary);
  EXPECT_EQ(failure.Stop().size(), 1u);
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ExportPath()), expected);
  EXPECT_FALSE(fs::exists(fs::path(ExportPath().wstring() + L".tmp")));
  EXPECT_NE(ReadBytes(fs::current_path() / "Tovik.log").find("Sender: miSaveDiary"),
            std::string::npos);
}

// With the events page in front (as the calendar's double-click brings it),
// the day's print prints the grid's rows that have a day; a cancelled print
// dialog prints nothing.
TEST_F(PrintingTest, DayNotesOnTheEventsPagePrintTheGrid) {
  TTovikMain& main = Start();
  main.SelectPage(TTovikMain::kEventsPage);
  ui::StringGrid& grid = main.Events().Grid();
  const std::vector<std::array<std::wstring, 3>> rows = {
      {L"06", L"10", L"Anna"}, {L"07", L"", L"no day"}, {L"12", L"24", L"Christmas Eve"}};
  for (int row = 1; row <= 3; ++row) {
    for (int col = 0; col < 3; ++col) grid.SetCell(col, row, rows[row - 1][col]);
  }
  Run(Command::PrintDate);
  const std::vector<std::string> texts = PrintedTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2], "         06   10   Anna");
  EXPECT_EQ(texts[3], "         12   24   Christmas Eve");
  EXPECT_EQ(printouts_.back().ended, 1);

  printerCancels_ = true;
  Run(Command::PrintDate);
  Run(Command::PrintAll);
  EXPECT_EQ(printouts_.size(), 1u);
}

}  // namespace
}  // namespace tovik
