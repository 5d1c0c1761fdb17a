#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tovik {

// The rooms of the organiser that own what a language row names.
enum class TargetOwner {
  Frame,
  AppointmentsPage,
  EventsPage,
  NotesPage,
  Menu,
  About,
  Texts,  // messages and print texts that no control shows
};

// Every part of the organiser that a language row names, with the room that
// owns it. The owner resolves a target to its control.
// clang-format off
#define TOVIK_TARGETS(X) \
  X(lblWhenDoneExit, Frame) \
  X(btnExit, Frame) \
  X(psAppointments, Frame) \
  X(psEvents, Frame) \
  X(psTodos, Frame) \
  X(lblUsedAppDay, AppointmentsPage) \
  X(btnToday, AppointmentsPage) \
  X(btnDown, AppointmentsPage) \
  X(btnUp, AppointmentsPage) \
  X(cdrCalender, AppointmentsPage) \
  X(lblYear, AppointmentsPage) \
  X(edtShowYear, AppointmentsPage) \
  X(udSelectYear, AppointmentsPage) \
  X(lblMonth, AppointmentsPage) \
  X(edtShowMonth, AppointmentsPage) \
  X(udSelectMonth, AppointmentsPage) \
  X(lblWeek, AppointmentsPage) \
  X(edtDiarySearch, AppointmentsPage) \
  X(lblAppointmentsDiary, AppointmentsPage) \
  X(btnAppDial, AppointmentsPage) \
  X(memAppDiary, AppointmentsPage) \
  X(lblEventsHead, EventsPage) \
  X(sgEvents, EventsPage) \
  X(edtEventsSearch, EventsPage) \
  X(lblTodoNotesHead, NotesPage) \
  X(btnTodoDial, NotesPage) \
  X(tbcTask, NotesPage) \
  X(memTodoNotes, NotesPage) \
  X(miFile, Menu) \
  X(miSaveDiary, Menu) \
  X(miExportICalendar, Menu) \
  X(miPrintDate, Menu) \
  X(miPrintAll, Menu) \
  X(miExit, Menu) \
  X(miLingua, Menu) \
  X(miLanDanish, Menu) \
  X(miLanEnglish, Menu) \
  X(miLanGerman, Menu) \
  X(miLanFrench, Menu) \
  X(miLanSpanish, Menu) \
  X(miLanNederlands, Menu) \
  X(miLanRussian, Menu) \
  X(miLanPortuguese, Menu) \
  X(miOptions, Menu) \
  X(miRunCheckTovikOnStartup, Menu) \
  X(miAlwaysMinimizeToSystray, Menu) \
  X(miExtendLookAheadDays, Menu) \
  X(miResetColorsTolWindowsDefaults, Menu) \
  X(miBackgroundColor, Menu) \
  X(miFontColor, Menu) \
  X(miSOW_S, Menu) \
  X(miSOW_M, Menu) \
  X(miFWOY_1, Menu) \
  X(miFWOY_H, Menu) \
  X(miFWOY_4, Menu) \
  X(miCalendarServer, Menu) \
  X(miHelp, Menu) \
  X(miWhatIs, Menu) \
  X(miContents, Menu) \
  X(miVisitWebsite, Menu) \
  X(miAbout, Menu) \
  X(TFormAbout, About) \
  X(lblVisitUs, About) \
  X(lblDataPath_Root, About) \
  X(lblDataPath_TovikDat, About) \
  X(MsgNoUrl, Texts) \
  X(MsgNothingToDial, Texts) \
  X(MsgIllegalNumber, Texts) \
  X(PrintTitle, Texts) \
  X(PrintColumnCaption, Texts) \
  X(PrintPageLabel, Texts) \
  X(MsgTextTooLong, Texts) \
  X(MsgExportFailed, Texts) \
  X(MsgICalendarExportFailed, Texts) \
  X(MsgChangedOnDisk, Texts) \
  X(MsgSaveFailed, Texts) \
  X(MsgCloseUnsaved, Texts) \
  X(MsgCharacterNotStored, Texts) \
  X(MsgCharactersLeftOut, Texts) \
  X(MsgInvalidInput, Texts) \
  X(CalendarServerCaption, Texts) \
  X(CalendarAddressLabel, Texts) \
  X(CalendarUserLabel, Texts) \
  X(CalendarPasswordLabel, Texts) \
  X(CalendarPublishCheck, Texts) \
  X(CalendarTestButton, Texts) \
  X(CalendarCancelButton, Texts) \
  X(MsgNothingPublished, Texts) \
  X(MsgPublishing, Texts) \
  X(MsgPublished, Texts) \
  X(MsgNotPublished, Texts) \
  X(MsgTesting, Texts) \
  X(MsgCalendarFound, Texts) \
  X(MsgNotACalendar, Texts) \
  X(MsgTestFailed, Texts) \
  X(MsgNotAnAddress, Texts)
// clang-format on

#define TOVIK_TARGET_ENUMERATOR(name, owner) name,
enum class Target : uint8_t { TOVIK_TARGETS(TOVIK_TARGET_ENUMERATOR) };
#undef TOVIK_TARGET_ENUMERATOR

struct TargetInfo {
  std::string_view name;  // as the window names it ("lblYear", "miExit")
  TargetOwner owner;
};

// In the order of the enumeration.
#define TOVIK_TARGET_INFO(name, owner) TargetInfo{#name, TargetOwner::owner},
inline constexpr std::array kTargetInfos{TOVIK_TARGETS(TOVIK_TARGET_INFO)};
#undef TOVIK_TARGET_INFO

constexpr TargetOwner OwnerOf(Target target) {
  return kTargetInfos[static_cast<size_t>(target)].owner;
}

constexpr std::string_view TargetName(Target target) {
  return kTargetInfos[static_cast<size_t>(target)].name;
}

constexpr std::optional<Target> TargetNamed(std::string_view name) {
  for (size_t i = 0; i < kTargetInfos.size(); ++i) {
    if (kTargetInfos[i].name == name) return static_cast<Target>(i);
  }
  return std::nullopt;
}

}  // namespace tovik
