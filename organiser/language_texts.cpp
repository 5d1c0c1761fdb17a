#include "organiser/language_texts.h"

#include <array>

namespace tovik {
namespace {

using T = TextKind;

// English, the base layer: every language is applied on top of it.
constexpr std::array<LanguageRow, 69> kEnglishRows{{
    {Target::psAppointments, T::Text, "Calendar + Diary"},
    {Target::psEvents, T::Text, "Periodic Events"},
    {Target::psTodos, T::Text, "To-Do + Notes"},
    {Target::lblYear, T::Text, "Year"},
    {Target::lblMonth, T::Text, "Month"},
    {Target::lblAppointmentsDiary, T::Text, "Appointments/Diary"},
    {Target::lblWeek, T::Text, "Week"},
    {Target::lblEventsHead, T::Text, "Periodic Events"},
    {Target::sgEvents, T::GridHeading1, "Mon"},
    {Target::sgEvents, T::GridHeading2, "Day"},
    {Target::sgEvents, T::GridHeading3, "Who and What"},
    {Target::lblTodoNotesHead, T::Text, "To-Do Items and Notes "},
    {Target::lblWhenDoneExit, T::Text, "And when you are done"},
    {Target::btnExit, T::Text, "&Exit"},
    {Target::btnToday, T::Text, "&Today"},
    {Target::btnAppDial, T::Text, "&Dial"},
    {Target::lblUsedAppDay, T::Text, "\"Used Day\""},
    {Target::btnDown, T::Text, "Previous &-"},
    {Target::btnUp, T::Text, "&+ Next"},
    {Target::miFile, T::Text, "File"},
    {Target::miSaveDiary, T::Text, "Save the Diary as Diary.txt"},
    {Target::miPrintDate, T::Text, "Print Appointments on Selected Day..."},
    {Target::miPrintAll, T::Text, "Print All Appointments and Events from Today and Forward..."},
    {Target::miExit, T::Text, "Exit"},
    {Target::miOptions, T::Text, "Options"},
    {Target::miBackgroundColor, T::Text, "Background Color..."},
    {Target::miFontColor, T::Text, "Font Color..."},
    {Target::miSOW_S, T::Text, "Start Week Sunday"},
    {Target::miSOW_M, T::Text, "Start Week Monday"},
    {Target::miFWOY_1, T::Text, "Week 1 Starts 1/1"},
    {Target::miFWOY_H, T::Text, "Week 1 Starts First Full Week"},
    {Target::miFWOY_4, T::Text, "Week 1 Starts First Week With at Least 4 Days"},
    {Target::miHelp, T::Text, "Help"},
    {Target::miWhatIs, T::Text, "What Is.."},
    {Target::miContents, T::Text, "Contents.."},
    {Target::MsgNoUrl, T::Variable, "No URL"},
    {Target::MsgNothingToDial, T::Variable, "Nothing to dial"},
    {Target::MsgIllegalNumber, T::Variable, "Illegal phonenumber"},
    {Target::PrintTitle, T::Variable, "Appointments etc."},
    {Target::PrintColumnCaption, T::Variable, "Week,Date,Day"},
    {Target::PrintPageLabel, T::Variable, ", Page "},
    {Target::MsgTextTooLong, T::Variable, "This text is too long to be stored."},
    {Target::edtShowYear, T::Hint, "Select year"},
    {Target::udSelectYear, T::Hint, "Select year"},
    {Target::edtShowMonth, T::Hint, "Select month"},
    {Target::udSelectMonth, T::Hint, "Select month"},
    {Target::cdrCalender, T::Hint, "Select day"},
    {Target::memAppDiary, T::Hint, "Edit appointments and diary notes"},
    {Target::edtDiarySearch, T::Hint, "Enter a search text for Previous and Next"},
    {Target::sgEvents, T::Hint, "Edit events"},
    {Target::TFormAbout, T::Text, "About Tovik"},
    {Target::lblVisitUs, T::Text, "Visit us at"},
    {Target::lblDataPath_Root, T::Text, "Data path :"},
    {Target::lblDataPath_TovikDat, T::Text, "Tovik.dat :"},
    {Target::miResetColorsTolWindowsDefaults, T::Text, "Set Colors to Windows Defaults"},
    {Target::miRunCheckTovikOnStartup, T::Text, "Run CheckTovik on Windows Start"},
    {Target::miAlwaysMinimizeToSystray, T::Text, "Always Minimize to Systray"},
    {Target::miExtendLookAheadDays, T::Text, "Extended \"Look Ahead\" in CheckTovik"},
    {Target::miAbout, T::Text, "About..."},
    {Target::miVisitWebsite, T::Text, "Visit Website"},
    {Target::memTodoNotes, T::Hint,
     "Edit To-Do items and notes (paragraphs with \"$\" as first character are shown in "
     "CheckTovik)"},
    {Target::tbcTask, T::Hint,
     "Select topic (the title of tab is determined by first word on topmost line in memo)"},
    {Target::edtEventsSearch, T::Hint,
     "Enter a search text and hit the \"Enter\" key to start the search"},
    {Target::btnToday, T::Hint, "Sets calendar to today"},
    {Target::btnExit, T::Hint, "Closes down Tovik"},
    {Target::btnAppDial, T::Hint, "Dials the selected number"},
    {Target::btnTodoDial, T::Hint, "Dials the selected number"},
    {Target::btnUp, T::Hint, "Go to next appointment/diary note"},
    {Target::btnDown, T::Hint, "Go to previous appointment/diary note"},
}};

}  // namespace

std::span<const LanguageRow> LanguageRows(Language language) {
  if (language == Language::English) return kEnglishRows;
  return {};
}

bool HasLanguageTexts(Language language) {
  return !LanguageRows(language).empty();
}

std::vector<LanguageRow> ShownLanguageRows(Language language) {
  std::vector<LanguageRow> rows(kEnglishRows.begin(), kEnglishRows.end());
  if (language == Language::English) return rows;
  for (const LanguageRow& own : LanguageRows(language)) {
    for (LanguageRow& row : rows) {
      if (row.target == own.target && row.kind == own.kind) row.text = own.text;
    }
  }
  return rows;
}

HelpContexts HelpContextsOf(Language language) {
  switch (language) {
    case Language::Danish:
      return {4, 5, 6, 7};
    case Language::French:
      return {404, 405, 406, 407};
    default:
      return {104, 105, 106, 107};
  }
}

int ContentsHelpContext(Language language) {
  const bool ownPage = language == Language::Danish || language == Language::French;
  return 1000 + static_cast<int>(ownPage ? language : Language::English);
}

}  // namespace tovik
