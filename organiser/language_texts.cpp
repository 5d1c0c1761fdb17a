#include "organiser/language_texts.h"

#include <array>

namespace tovik {
namespace {

using T = TextKind;

// English, the base layer: every language is applied on top of it.
constexpr std::array<LanguageRow, 68> kEnglishRows{{
    {"psAppointments", T::Text, "Calendar + Diary"},
    {"psEvents", T::Text, "Periodic Events"},
    {"psTodos", T::Text, "To-Do + Notes"},
    {"lblYear", T::Text, "Year"},
    {"lblMonth", T::Text, "Month"},
    {"lblAppointmentsDiary", T::Text, "Appointments/Diary"},
    {"lblWeek", T::Text, "Week"},
    {"lblEventsHead", T::Text, "Periodic Events"},
    {"sgEvents", T::GridHeading1, "Mon"},
    {"sgEvents", T::GridHeading2, "Day"},
    {"sgEvents", T::GridHeading3, "Who and What"},
    {"lblTodoNotesHead", T::Text, "To-Do Items and Notes "},
    {"lblWhenDoneExit", T::Text, "And when you are done"},
    {"btnExit", T::Text, "&Exit"},
    {"btnToday", T::Text, "&Today"},
    {"btnAppDial", T::Text, "&Dial"},
    {"lblUsedAppDay", T::Text, "\"Used Day\""},
    {"btnDown", T::Text, "Previous &-"},
    {"btnUp", T::Text, "&+ Next"},
    {"miFile", T::Text, "File"},
    {"miSaveDiary", T::Text, "Save the Diary as Diary.txt"},
    {"miPrintDate", T::Text, "Print Appointments on Selected Day..."},
    {"miPrintAll", T::Text, "Print All Appointments and Events from Today and Forward..."},
    {"miExit", T::Text, "Exit"},
    {"miOptions", T::Text, "Options"},
    {"miBackgroundColor", T::Text, "Background Color..."},
    {"miFontColor", T::Text, "Font Color..."},
    {"miSOW_S", T::Text, "Start Week Sunday"},
    {"miSOW_M", T::Text, "Start Week Monday"},
    {"miFWOY_1", T::Text, "Week 1 Starts 1/1"},
    {"miFWOY_H", T::Text, "Week 1 Starts First Full Week"},
    {"miFWOY_4", T::Text, "Week 1 Starts First Week With at Least 4 Days"},
    {"miHelp", T::Text, "Help"},
    {"miWhatIs", T::Text, "What Is.."},
    {"miContents", T::Text, "Contents.."},
    {"MsgNoUrl", T::Variable, "No URL"},
    {"MsgNothingToDial", T::Variable, "Nothing to dial"},
    {"MsgIllegalNumber", T::Variable, "Illegal phonenumber"},
    {"PrintTitle", T::Variable, "Appointments etc."},
    {"PrintColumnCaption", T::Variable, "Week,Date,Day"},
    {"PrintPageLabel", T::Variable, ", Page "},
    {"edtShowYear", T::Hint, "Select year"},
    {"udSelectYear", T::Hint, "Select year"},
    {"edtShowMonth", T::Hint, "Select month"},
    {"udSelectMonth", T::Hint, "Select month"},
    {"cdrCalender", T::Hint, "Select day"},
    {"memAppDiary", T::Hint, "Edit appointments and diary notes"},
    {"edtDiarySearch", T::Hint, "Enter a search text for Previous and Next"},
    {"sgEvents", T::Hint, "Edit events"},
    {"TFormAbout", T::Text, "About Tovik"},
    {"lblVisitUs", T::Text, "Visit us at"},
    {"lblDataPath_Root", T::Text, "Data path :"},
    {"lblDataPath_TovikDat", T::Text, "Tovik.dat :"},
    {"miResetColorsTolWindowsDefaults", T::Text, "Set Colors to Windows Defaults"},
    {"miRunCheckTovikOnStartup", T::Text, "Run CheckTovik on Windows Start"},
    {"miAlwaysMinimizeToSystray", T::Text, "Always Minimize to Systray"},
    {"miExtendLookAheadDays", T::Text, "Extended \"Look Ahead\" in CheckTovik"},
    {"miAbout", T::Text, "About..."},
    {"miVisitWebsite", T::Text, "Visit Website"},
    {"memTodoNotes", T::Hint,
     "Edit To-Do items and notes (paragraphs with \"$\" as first character are shown in "
     "CheckTovik)"},
    {"tbcTask", T::Hint,
     "Select topic (the title of tab is determined by first word on topmost line in memo)"},
    {"edtEventsSearch", T::Hint,
     "Enter a search text and hit the \"Enter\" key to start the search"},
    {"btnToday", T::Hint, "Sets calendar to today"},
    {"btnExit", T::Hint, "Closes down Tovik"},
    {"btnAppDial", T::Hint, "Dials the selected number"},
    {"btnTodoDial", T::Hint, "Dials the selected number"},
    {"btnUp", T::Hint, "Go to next appointment/diary note"},
    {"btnDown", T::Hint, "Go to previous appointment/diary note"},
}};

}  // namespace

std::span<const LanguageRow> LanguageRows(Language language) {
  if (language == Language::English) return kEnglishRows;
  return {};
}

bool HasLanguageTexts(Language language) {
  return !LanguageRows(language).empty();
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
