// The organiser's frame in process: start-up against a fresh prefix, the
// registry options, the colours, the close and exit paths, the focus rules,
// help and the About box. Each test starts the real main window from the
// test's own empty program folder, where Tovik.dat and Tovik.log are written.
#include <windows.h>
// before commctrl.h, which needs its types
#include <commctrl.h>

#include "organiser/frame/help_topics.h"
#include "store/store_file.h"
#include "store/store_platform_win.h"
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

void SetRegistryValue(const wchar_t* key, const wchar_t* name, DWORD type, const void* data,
                      DWORD size) {
  HKEY handle;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(handle);
}

void SetString(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  SetRegistryValue(key, name, REG_SZ, text.c_str(),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SetDword(const wchar_t* key, const wchar_t* name, DWORD value) {
  SetRegistryValue(key, name, REG_DWORD, &value, sizeof value);
}

struct RegistryValue {
  bool present = false;
  DWORD type = 0;
  std::wstring text;
  DWORD number = 0;
};

RegistryValue ReadValue(const wchar_t* key, const wchar_t* name) {
  RegistryValue value;
  HKEY handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return value;
  BYTE data[1024] = {};
  DWORD size = sizeof data;
  if (RegQueryValueExW(handle, name, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
    value.present = true;
    if (value.type == REG_SZ) value.text = reinterpret_cast<const wchar_t*>(data);
    if (value.type == REG_DWORD) value.number = *reinterpret_cast<const DWORD*>(data);
  }
  RegCloseKey(handle);
  return value;
}

bool KeyExists(const wchar_t* key) {
  HKEY handle;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

class OrganiserFrame : public testing::OrganiserWindowTest {};

TEST_F(OrganiserFrame, WindowHasTheDesignedFrameAndPanels) {
  TTovikMain& main = Start();
  RECT client;
  GetClientRect(main.hwnd(), &client);
  EXPECT_EQ(client.right, 345);
  EXPECT_EQ(client.bottom, 413);
  const LONG style = GetWindowLongW(main.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  wchar_t title[32];
  GetWindowTextW(main.hwnd(), title, 32);
  EXPECT_STREQ(title, L"Tovik");

  RECT top, bottom;
  GetWindowRect(main.TopPanel().hwnd(), &top);
  GetWindowRect(main.BottomPanel().hwnd(), &bottom);
  EXPECT_EQ(top.bottom - top.top, 33);
  EXPECT_EQ(bottom.bottom - bottom.top, 26);

  // The calendar sits on the calendar page's panel at its designed place.
  RECT calendar;
  GetWindowRect(main.Appointments().Calendar().hwnd(), &calendar);
  MapWindowPoints(nullptr, main.Appointments().Panel().hwnd(), reinterpret_cast<POINT*>(&calendar),
                  2);
  EXPECT_EQ(calendar.left, 154);
  EXPECT_EQ(calendar.top, 48);
  EXPECT_EQ(calendar.right - calendar.left, 176);
  EXPECT_EQ(calendar.bottom - calendar.top, 93);
  // The panels answer to their names, which a log record gives as its sender.
  const std::pair<ui::Panel*, const char*> panels[] = {
      {&main.Appointments().Sheet(), "psAppointments"},
      {&main.Events().Sheet(), "psEvents"},
      {&main.Notes().Sheet(), "psTodos"},
      {&main.Appointments().Panel(), "pnlAftaleKalender"},
      {&main.Events().Panel(), "pnlBegivenheder"},
      {&main.Notes().Panel(), "pnlOpgaver"},
      {&main.Notes().InnerPanel(), "pnlTasksInner"},
      {&main.TopPanel(), "pnlTop"},
  };
  for (const auto& [panel, name] : panels) EXPECT_EQ(panel->Name(), name);
  EXPECT_EQ(main.ActivePage(), TTovikMain::kAppointmentsPage);
}

// What a window shows of its layout at one scale: the client area, the exit
// button, the calendar's place on its panel, the heading font, the events
// grid's rows and the page tabs.
struct Layout {
  int clientWidth, clientHeight, exitWidth, exitHeight;
  int calendarLeft, calendarTop, calendarRight, calendarBottom;
  int headingHeight, gridRow, tabWidth;
  bool operator==(const Layout&) const = default;
};

Layout LayoutOf(TTovikMain& main) {
  Layout layout{};
  RECT r;
  GetClientRect(main.hwnd(), &r);
  layout.clientWidth = r.right;
  layout.clientHeight = r.bottom;
  GetWindowRect(FindWindowExW(main.BottomPanel().hwnd(), nullptr, L"BUTTON", nullptr), &r);
  layout.exitWidth = r.right - r.left;
  layout.exitHeight = r.bottom - r.top;
  GetWindowRect(main.Appointments().Calendar().hwnd(), &r);
  MapWindowPoints(nullptr, main.Appointments().Panel().hwnd(), reinterpret_cast<POINT*>(&r), 2);
  layout.calendarLeft = r.left;
  layout.calendarTop = r.top;
  layout.calendarRight = r.right;
  layout.calendarBottom = r.bottom;
  LOGFONTW font{};
  GetObjectW(
      reinterpret_cast<HFONT>(SendMessageW(main.Appointments().ShownDateLabel(), WM_GETFONT, 0, 0)),
      sizeof font, &font);
  layout.headingHeight = font.lfHeight;
  layout.gridRow = main.Events().Grid().DefaultRowHeight();
  SendMessageW(FindWindowExW(main.hwnd(), nullptr, WC_TABCONTROLW, nullptr), TCM_GETITEMRECT, 0,
               reinterpret_cast<LPARAM>(&r));
  layout.tabWidth = r.right - r.left;
  return layout;
}

// Windows tells the window the new scale and a window rectangle for it.
void MoveToScale(TTovikMain& main, int dpi, SIZE client) {
  RECT now, inside;
  GetWindowRect(main.hwnd(), &now);
  GetClientRect(main.hwnd(), &inside);
  RECT suggested{now.left, now.top, now.right + client.cx - inside.right,
                 now.bottom + client.cy - inside.bottom};
  SendMessageW(main.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(OrganiserFrame, WindowScalesToAMonitorOfAnotherScaleAndBackWithoutDrift) {
  TTovikMain& main = Start();
  const Layout designed{345, 413, 81, 22, 154, 48, 330, 141, -13, 16, 113};
  EXPECT_EQ(LayoutOf(main), designed);

  // 150%: every designed length times 1.5, halves rounded up.
  MoveToScale(main, 144, {518, 620});
  EXPECT_EQ(LayoutOf(main), (Layout{518, 620, 122, 33, 231, 72, 495, 212, -20, 24, 170}));

  MoveToScale(main, 96, {345, 413});
  EXPECT_EQ(LayoutOf(main), designed);
}

TEST_F(OrganiserFrame, MenuShowsShortcutsWithEveryItemEnabledAtStart) {
  const MainMenuBar& menu = Start().Menu();
  EXPECT_EQ(menu.Caption(Command::SaveDiary), L"Save the Diary as Diary.txt\tCtrl+S");
  EXPECT_EQ(menu.Caption(Command::ExportICalendar), L"Export the Calendar as Tovik.ics");
  EXPECT_EQ(menu.Caption(Command::PrintDate), L"Print Appointments on Selected Day...\tCtrl+P");
  EXPECT_EQ(menu.Caption(Command::WhatIs), L"What Is..\tShift+F1");
  EXPECT_EQ(menu.Caption(Command::ExtendLookAheadDays), L"Extended \"Look Ahead\" in CheckTovik");
  EXPECT_EQ(menu.Caption(Command::LanRussian), L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439");
  for (Command command :
       {Command::SaveDiary, Command::ExportICalendar, Command::PrintDate, Command::PrintAll,
        Command::Exit, Command::LanEnglish, Command::BackgroundColor, Command::WeekOneFourDays,
        Command::Contents, Command::About}) {
    EXPECT_TRUE(menu.IsEnabled(command));
  }
}

// Every row of the language table reaches the control, menu item, tab,
// hint, grid heading or text it names, in the room that owns it: a name that
// has no control fails here instead of vanishing.
TEST_F(OrganiserFrame, EveryLanguageRowReachesItsTarget) {
  TTovikMain& main = Start();
  main.About();  // made on first use, with the texts applied so far
  for (const LanguageRow& row : LanguageRows(Language::English)) {
    const std::wstring text = Utf8ToWide(row.text);
    const std::string name(TargetName(row.target));
    const HWND control = main.ControlOf(row.target);
    switch (row.kind) {
      case TextKind::Text:
        if (OwnerOf(row.target) == TargetOwner::Menu) {
          EXPECT_EQ(main.Menu().CaptionOf(row.target), text) << name;
        } else if (row.target == Target::psAppointments || row.target == Target::psEvents ||
                   row.target == Target::psTodos) {
          const int page = static_cast<int>(row.target) - static_cast<int>(Target::psAppointments);
          EXPECT_EQ(main.PageCaption(page), text) << name;
        } else {
          ASSERT_NE(control, nullptr) << name;
          EXPECT_EQ(WindowText(control), text) << name;
        }
        break;
      case TextKind::Hint:
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(main.HintOf(control), text) << name;
        break;
      case TextKind::GridHeading1:
      case TextKind::GridHeading2:
      case TextKind::GridHeading3:
        EXPECT_EQ(row.target, Target::sgEvents);
        EXPECT_EQ(main.Events().Grid().Cell(
                      static_cast<int>(row.kind) - static_cast<int>(TextKind::GridHeading1), 0),
                  text);
        break;
      case TextKind::Variable:
        EXPECT_EQ(main.LanguageText(row.target), row.text) << name;
        break;
    }
  }
}

// A language command writes the header at once and brings in line every
// part that follows the language: ticks, texts, colours, date, feasts, help.
TEST_F(OrganiserFrame, LanguageCommandSavesTheHeaderAndRedoesWhatFollowsTheLanguage) {
  TTovikMain& main = Start();
  AppointmentsPage& page = main.Appointments();
  page.GoToDate({2025, 4, 20});
  const std::wstring date = WindowText(page.ShownDateLabel());
  struct {
    Command command;
    Language language;
    const wchar_t* exitText;
    const wchar_t* easter;  // the start of the feast label
    int dayNoteHelp;
  } cases[] = {
      {Command::LanGerman, Language::German, L"&Beenden", L"Ostersonntag", 104},
      {Command::LanFrench, Language::French, L"&Quitter", L"P\u00e2que", 404},
      {Command::LanDanish, Language::Danish, L"&Luk", L"P\u00e5skedag", 4},
      {Command::LanPortuguese, Language::Portuguese, L"&Sair", L"", 104},
  };
  int32_t color = 0x00102030;
  for (const auto& c : cases) {
    SetWindowTextW(page.ShownDateLabel(), L"");
    main.Store().Header.BackgroundColor = ++color;  // shown only when the colours are applied again
    Run(c.command);
    const uint16_t settings = DecodeHeader(ReadBytes(DataFile())).SettingsWord();
    EXPECT_EQ(SplitSettingsWord(settings).LanguageId, c.language);
    for (int id = 1; id <= kLanguageCount; ++id) {
      const auto each = static_cast<Language>(id);
      EXPECT_EQ(main.Menu().IsTicked(LanguageCommand(each)), each == c.language) << id;
    }
    EXPECT_EQ(WindowText(main.ControlOf(Target::btnExit)), c.exitText);
    EXPECT_EQ(WindowText(page.ShownDateLabel()), date);
    const std::wstring feasts = WindowText(page.FeastLabel());
    EXPECT_EQ(feasts.substr(0, wcslen(c.easter)), c.easter);
    EXPECT_EQ(feasts.empty(), *c.easter == 0);  // Portuguese names no feasts
    EXPECT_EQ(main.Events().Panel().Color(), color);
    EXPECT_EQ(static_cast<int>(GetWindowContextHelpId(page.DayNote())), c.dayNoteHelp);
    EXPECT_EQ(static_cast<int>(GetWindowContextHelpId(main.Events().Grid().hwnd())),
              c.dayNoteHelp + 1);
    EXPECT_EQ(static_cast<int>(GetWindowContextHelpId(page.SearchBox())), c.dayNoteHelp + 3);
    EXPECT_EQ(static_cast<int>(GetWindowContextHelpId(main.Notes().NoteBox())), c.dayNoteHelp + 2);
  }
  // Portuguese leaves the look-ahead item to English, not to the Danish before it.
  EXPECT_EQ(main.Menu().CaptionOf(Target::miExtendLookAheadDays),
            L"Extended \"Look Ahead\" in CheckTovik");
  EXPECT_EQ(WindowText(main.ControlOf(Target::btnTodoDial)), L"&Marcar");
}

// One copy of the data file a day, as it stood before the day's first
// rewrite; the newest fourteen stay. A copy that cannot be made is logged,
// and the save goes on.
TEST_F(OrganiserFrame, DailyBackupsKeepTheNewestFourteenAndNeverStopASave) {
  const int32_t first = DayNumberFromDate({2026, 12, 20});
  CalendarDate today{};
  today_ = [&today] { return today; };
  TTovikMain& main = Start();
  const fs::path folder = fs::current_path() / "Backup";
  auto rewrite = [&main](const std::string& note) {
    main.Store().StoreNotePage(1, note);
    main.SaveChanges();
  };
  for (int day = 0; day < 16; ++day) {
    today = DateFromDayNumber(first + day);
    const std::string before = ReadBytes(DataFile());
    rewrite("first rewrite of day " + std::to_string(day));
    rewrite("second rewrite of day " + std::to_string(day));
    EXPECT_EQ(ReadBytes(folder / DailyBackup::NameFor(today)), before) << day;
  }
  std::vector<std::string> kept;
  for (const auto& entry : fs::directory_iterator(folder))
    kept.push_back(entry.path().filename().string());
  std::sort(kept.begin(), kept.end());
  ASSERT_EQ(kept.size(), 14u);
  EXPECT_EQ(kept.front(), DailyBackup::NameFor(DateFromDayNumber(first + 2)));

  fs::remove_all(folder);
  std::ofstream(folder) << "a file where the folder should be";
  today = DateFromDayNumber(first + 16);
  rewrite("saved without a backup");
  EXPECT_NE(ReadBytes(DataFile()).find("saved without a backup"), std::string::npos);
  EXPECT_NE(ReadBytes(fs::current_path() / "Tovik.log").find("Sender: DailyBackup"),
            std::string::npos);
}

// A file that another program changed is never written over unasked, and
// its version is kept in the backup folder whatever the answer: keeping
// ours writes over it, taking theirs loads it.
TEST_F(OrganiserFrame, FileChangedByAnotherProgramIsKeptAndTheUserDecides) {
  std::vector<bool> answers{true, false};
  size_t asked = 0;
  keepMyChanges_ = [&] { return answers.at(asked++); };
  TTovikMain& main = Start();
  auto otherProgramWrites = [](const std::string& note) {
    Win32FileSystem fs;
    Win32StorePlatform platform;
    StoreFile file(fs, DataFile().string());
    const auto store = file.Load(platform);
    store->StoreNotePage(1, note);
    file.SaveSections(*store);
  };
  auto changedCopies = [] {
    std::vector<std::string> copies;
    for (const auto& entry : fs::directory_iterator(fs::current_path() / "Backup")) {
      if (entry.path().filename().string().rfind("Tovik-changed-", 0) == 0) {
        copies.push_back(ReadBytes(entry.path()));
      }
    }
    return copies;
  };
  main.Store().StoreNotePage(1, "mine");
  main.SaveChanges();
  otherProgramWrites("theirs");
  main.Store().StoreNotePage(2, "mine again");
  main.SaveChanges();
  EXPECT_EQ(asked, 1u);
  EXPECT_NE(ReadBytes(DataFile()).find("mine again"), std::string::npos);
  EXPECT_EQ(ReadBytes(DataFile()).find("theirs"), std::string::npos);
  ASSERT_EQ(changedCopies().size(), 1u);
  EXPECT_NE(changedCopies()[0].find("theirs"), std::string::npos);
  main.Store().StoreNotePage(3, "our own file again");
  main.SaveChanges();
  EXPECT_EQ(asked, 1u);

  otherProgramWrites("theirs once more");
  main.Store().StoreNotePage(2, "dropped");
  main.SaveChanges();
  Pump();  // the reload
  EXPECT_EQ(asked, 2u);
  const std::string file = ReadBytes(DataFile());
  EXPECT_NE(file.find("theirs once more"), std::string::npos);
  EXPECT_EQ(file.find("dropped"), std::string::npos);
  EXPECT_EQ(main.Store().NotePages[0].Text, std::string("theirs once more", 17));
}

TEST_F(OrganiserFrame, FirstStartCreatesTheKeysAndShowsNavyWithWhite) {
  TTovikMain& main = Start();
  EXPECT_TRUE(KeyExists(kRunKey));
  EXPECT_TRUE(KeyExists(kOptionsKey));
  EXPECT_FALSE(ReadValue(kOptionsKey, kMinToTrayValue).present);
  EXPECT_FALSE(main.Menu().IsTicked(Command::RunCheckTovikOnStartup));
  EXPECT_FALSE(main.Menu().IsTicked(Command::AlwaysMinimizeToSystray));
  EXPECT_FALSE(main.Menu().IsTicked(Command::ExtendLookAheadDays));
  // A new file is navy with white labels.
  EXPECT_EQ(main.TopPanel().Color(), kNewFileBackground);
  EXPECT_EQ(main.Notes().Panel().FontColor(), kNewFileFont);
}

TEST_F(OrganiserFrame, SettingsWordA3LoadsWithoutAHeaderWriteAtLoad) {
  std::string image = NewFileImage(40000, 0);
  image[0] = static_cast<char>(0xA3);
  std::ofstream(DataFile(), std::ios::binary) << image;
  TTovikMain& main = Start();
  EXPECT_EQ(main.Store().Header.LanguageId, Language::German);
  EXPECT_EQ(main.Store().Header.WeekStartDay, WeekStart::Monday);
  EXPECT_EQ(main.Store().Header.FirstWeekRule, 2);
  EXPECT_EQ(counts_->headerWrites, 1);  // the one at the end of start-up
  EXPECT_TRUE(main.Menu().IsTicked(Command::LanGerman));
  EXPECT_TRUE(main.Menu().IsTicked(Command::StartWeekMonday));
  EXPECT_TRUE(main.Menu().IsTicked(Command::WeekOneFirstFullWeek));
  EXPECT_FALSE(main.Menu().IsTicked(Command::WeekOneFourDays));
  EXPECT_EQ(main.Menu().Caption(Command::Exit), L"Beenden");
}

struct TickCase {
  const char* what;
  std::function<void()> prepare;
  bool run, minToTray, lookAhead;
};

TEST_F(OrganiserFrame, TicksFollowTheStoredValues) {
  const TickCase cases[] = {
      {"absent values", [] {}, false, false, false},
      {"any path counts", [] { SetString(kRunKey, kRunValue, L"C:\\nowhere\\x.exe"); }, true, false,
       false},
      {"empty text", [] { SetString(kRunKey, kRunValue, L""); }, false, false, false},
      {"a Run value that is no text keeps the designed tick",
       [] { SetDword(kRunKey, kRunValue, 1); }, true, false, false},
      {"integers other than 0",
       [] {
         SetDword(kOptionsKey, kMinToTrayValue, 7);
         SetDword(kOptionsKey, kExtendedLookAheadValue, 1);
       },
       false, true, true},
      {"wrong types are off",
       [] {
         SetString(kOptionsKey, kMinToTrayValue, L"1");
         const BYTE garbage[] = {1, 0, 0, 0, 9};
         SetRegistryValue(kOptionsKey, kExtendedLookAheadValue, REG_BINARY, garbage,
                          sizeof garbage);
       },
       false, false, false},
  };
  for (const TickCase& c : cases) {
    DeleteRegistryOptions();
    c.prepare();
    TTovikMain& main = Start();
    EXPECT_EQ(main.Menu().IsTicked(Command::RunCheckTovikOnStartup), c.run) << c.what;
    EXPECT_EQ(main.Menu().IsTicked(Command::AlwaysMinimizeToSystray), c.minToTray) << c.what;
    EXPECT_EQ(main.Menu().IsTicked(Command::ExtendLookAheadDays), c.lookAhead) << c.what;
    main_.reset();
    Pump();
  }
}

TEST_F(OrganiserFrame, EachToggleRewritesAllThreeValues) {
  SetString(kRunKey, kRunValue, L"C:\\old place\\ChkTovik.exe");
  Start();
  Run(Command::ExtendLookAheadDays);
  EXPECT_EQ(ReadValue(kRunKey, kRunValue).text, ReminderPath());
  EXPECT_EQ(ReadValue(kOptionsKey, kMinToTrayValue).number, 0u);
  EXPECT_EQ(ReadValue(kOptionsKey, kMinToTrayValue).type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(ReadValue(kOptionsKey, kExtendedLookAheadValue).number, 1u);

  Run(Command::RunCheckTovikOnStartup);
  EXPECT_FALSE(ReadValue(kRunKey, kRunValue).present);
  EXPECT_FALSE(main_->Menu().IsTicked(Command::RunCheckTovikOnStartup));

  Run(Command::AlwaysMinimizeToSystray);
  EXPECT_TRUE(main_->Menu().IsTicked(Command::AlwaysMinimizeToSystray));
  EXPECT_EQ(ReadValue(kOptionsKey, kMinToTrayValue).number, 1u);
  EXPECT_EQ(ReadValue(kOptionsKey, kExtendedLookAheadValue).number, 1u);
  EXPECT_FALSE(ReadValue(kRunKey, kRunValue).present);

  Run(Command::RunCheckTovikOnStartup);
  EXPECT_EQ(ReadValue(kRunKey, kRunValue).text, ReminderPath());
}

TEST_F(OrganiserFrame, ResetColorsWritesTheWindowsDefaultsAtOnce) {
  TTovikMain& main = Start();
  Run(Command::ResetColorsToWindowsDefaults);
  const std::string file = ReadBytes(DataFile());
  EXPECT_EQ(HeaderInt32(file, 10), static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(HeaderInt32(file, 14), static_cast<int32_t>(0x80000008));
  EXPECT_EQ(main.Events().Panel().Color(), static_cast<int32_t>(0x8000000F));
}

TEST_F(OrganiserFrame, ColourDialogsWriteOnlyWhatIsConfirmed) {
  TTovikMain& main = Start();
  const std::string before = ReadBytes(DataFile());
  chosenColor_.reset();
  Run(Command::BackgroundColor);
  Run(Command::FontColor);
  EXPECT_EQ(ReadBytes(DataFile()), before);
  EXPECT_EQ(main.TopPanel().Color(), kNewFileBackground);
  ASSERT_EQ(dialogKinds_.size(), 2u);
  EXPECT_EQ(dialogKinds_[0], TTovikMain::ColorDialogKind::Background);
  EXPECT_EQ(dialogInitial_, static_cast<COLORREF>(kNewFileFont));

  chosenColor_ = RGB(0x12, 0x34, 0x56);
  Run(Command::BackgroundColor);
  const std::string after = ReadBytes(DataFile());
  EXPECT_EQ(HeaderInt32(after, 10), 0x00563412);
  EXPECT_EQ(HeaderInt32(after, 14), kNewFileFont);
  EXPECT_EQ(main.Notes().InnerPanel().Color(), 0x00563412);
}

TEST_F(OrganiserFrame, WeekSettingsTickTheirGroupAndSaveTheHeader) {
  TTovikMain& main = Start();
  Run(Command::StartWeekSunday);
  EXPECT_EQ(main.Appointments().Calendar().StartOfWeek(), 0);
  EXPECT_TRUE(main.Menu().IsTicked(Command::StartWeekSunday));
  EXPECT_FALSE(main.Menu().IsTicked(Command::StartWeekMonday));
  Run(Command::WeekOneFourDays);
  EXPECT_TRUE(main.Menu().IsTicked(Command::WeekOneFourDays));
  EXPECT_FALSE(main.Menu().IsTicked(Command::WeekOneFirstJanuary));
  const Settings saved = SplitSettingsWord(DecodeHeader(ReadBytes(DataFile())).SettingsWord());
  EXPECT_EQ(saved.WeekStartDay, WeekStart::Sunday);
  EXPECT_EQ(saved.FirstWeekRule, 3);
}

TEST_F(OrganiserFrame, ExitSavesTheSectionsBeforeTheWindowCloses) {
  TTovikMain& main = Start();
  main.Store().NotePages[0].Text = std::string("Shopping", 9);
  main.Store().DataModified = true;
  Run(Command::Exit);
  EXPECT_EQ(counts_->sectionSaves, 1);
  EXPECT_TRUE(counts_->windowAliveAtSave);
  EXPECT_FALSE(IsWindow(counts_->window));
}

// The pages' editors commit through exit handlers; closing the window moves
// the focus to the year box first, so the focused editor stores its edit.
TEST_F(OrganiserFrame, CloseBoxMovesTheFocusToTheYearBoxFirst) {
  TTovikMain& main = Start();
  const HWND editor = PanelEditor(main.Appointments().Panel());
  const HWND yearBox = main.Appointments().YearBox();
  HWND focusAtCommit = nullptr;
  main.Focus().SetExitHandler(editor, "memAppDiary", [&] { focusAtCommit = GetFocus(); });
  main.SelectPage(TTovikMain::kNotesPage);
  SetFocus(editor);
  SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(focusAtCommit, yearBox);
  EXPECT_FALSE(IsWindow(counts_->window));
}

TEST_F(OrganiserFrame, ExitHandlersRunOnlyForFocusMovesInsideTheWindow) {
  TTovikMain& main = Start();
  const HWND editor = PanelEditor(main.Appointments().Panel());
  int commits = 0;
  main.Focus().SetExitHandler(editor, "memAppDiary", [&] { ++commits; });
  SetFocus(editor);
  // Another top-level window (as a message box would be) takes the focus.
  const HWND other = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                                     nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  SetFocus(other);
  Pump();
  EXPECT_EQ(commits, 0);
  DestroyWindow(other);
  Pump();
  SetFocus(editor);
  const int before = commits;
  SetFocus(main.Appointments().Calendar().hwnd());
  EXPECT_EQ(commits, before + 1);
}

TEST_F(OrganiserFrame, ReturnFromTheAboutBoxRunsTheActivationSteps) {
  TTovikMain& main = Start();
  const HWND noteBox = PanelEditor(main.Notes().Panel(), 6, 30);
  int commits = 0;
  main.Focus().SetExitHandler(noteBox, "memTodoNotes", [&] { ++commits; });
  main.SelectPage(TTovikMain::kNotesPage);
  SetFocus(noteBox);
  PostMessageW(main.About().hwnd(), WM_COMMAND, IDOK, 0);
  Run(Command::About);
  EXPECT_FALSE(IsWindowVisible(main.About().hwnd()));
  EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
  // The note box committed before the pages were refilled, and the calendar
  // page is in front again.
  EXPECT_GE(commits, 1);
  EXPECT_EQ(main.ActivePage(), TTovikMain::kAppointmentsPage);
}

TEST_F(OrganiserFrame, AboutBoxShowsTheDataPathsAndKeepsItsSizeLimits) {
  TTovikMain& main = Start();
  TFormAbout& about = main.About();
  wchar_t text[MAX_PATH] = {};
  GetWindowTextW(about.DataRootBox(), text, MAX_PATH);
  EXPECT_EQ(WideToUtf8(text), main.Location().DataRoot);
  GetWindowTextW(about.DataFileBox(), text, MAX_PATH);
  EXPECT_EQ(WideToUtf8(text), main.Location().DataFilePath);
  EXPECT_TRUE(GetWindowLongW(about.DataRootBox(), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongW(about.OkButton(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongW(about.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(about.hwnd(), GWL_STYLE) & WS_SYSMENU);
  GetWindowTextW(about.hwnd(), text, MAX_PATH);
  EXPECT_STREQ(text, L"About Tovik");
  MINMAXINFO limits{};
  SendMessageW(about.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 300);
  EXPECT_EQ(limits.ptMinTrackSize.y, 290);
  EXPECT_EQ(limits.ptMaxTrackSize.x, 600);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 300);
  // The link label opens the maker's address.
  SendMessageW(about.LinkLabel(), WM_LBUTTONDOWN, 0, 0);
  SendMessageW(about.LinkLabel(), WM_LBUTTONUP, 0, 0);
  Pump();
  ASSERT_FALSE(opened_.empty());
  EXPECT_EQ(opened_.back(), Utf8ToWide(kMakerWebsite));
}

std::wstring EndOf(const std::wstring& text, size_t count) {
  return text.size() < count ? text : text.substr(text.size() - count);
}

TEST_F(OrganiserFrame, HelpOpensTheTopicOfTheLanguageAndTheFocusedControl) {
  TTovikMain& main = Start();
  struct {
    uint16_t language;
    const wchar_t* topic;
  } contents[] = {{1, L"help/Tovik_da.html#context-1001"},
                  {4, L"help/Tovik_fr.html#context-1004"},
                  {5, L"help/Tovik_en.html#context-1002"},
                  {7, L"help/Tovik_en.html#context-1002"}};
  for (const auto& c : contents) {
    main.Store().Header.LanguageId = static_cast<Language>(c.language);
    Run(Command::Contents);
    ASSERT_FALSE(opened_.empty());
    EXPECT_EQ(EndOf(opened_.back(), wcslen(c.topic)), c.topic) << c.language;
    EXPECT_EQ(opened_.back().rfind(L"file:///", 0), 0u);
  }
  // F1 on a control with a help context, as the pages will set them.
  const HWND editor = PanelEditor(main.Appointments().Panel());
  SetWindowContextHelpId(editor, 104);
  SetFocus(editor);
  Run(Command::HelpOnFocus);
  const std::wstring topic = L"help/Tovik_en.html#context-104";
  EXPECT_EQ(EndOf(opened_.back(), topic.size()), topic);

  Run(Command::VisitWebsite);
  EXPECT_EQ(opened_.back(), Utf8ToWide(kMakerWebsite));
}

TEST_F(OrganiserFrame, WhatIsOpensTheTopicOfTheNextClickedControl) {
  TTovikMain& main = Start();
  // The day note carries the help context of the language (English here).
  const HWND editor = main.Appointments().DayNote();
  Run(Command::WhatIs);
  EXPECT_EQ(GetCapture(), main.hwnd());
  EXPECT_TRUE(opened_.empty());
  // The click lands on the captured main window at the editor's place.
  POINT point{20, 20};
  MapWindowPoints(editor, main.hwnd(), &point, 1);
  SendMessageW(main.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(opened_.size(), 1u);
  const std::wstring topic = L"help/Tovik_en.html#context-104";
  EXPECT_EQ(EndOf(opened_.back(), topic.size()), topic);
}

// A save that fails is told in the user's language, once until a save
// succeeds again, and logged; the file is as it was, the change stays in
// memory, and the next save writes it.
TEST_F(OrganiserFrame, AFailedSaveIsToldAndLoggedAndTheNextSaveWritesIt) {
  TTovikMain& main = Start();
  const std::string before = ReadBytes(DataFile());
  // Another program holds the data file, so nothing can be written.
  const HANDLE held = CreateFileW(DataFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::vector<std::wstring> titles;
  {
    MessageBoxAnswerer answerer;
    // The command returns once its box has been answered.
    Run(Command::ResetColorsToWindowsDefaults);
    main.Store().StoreNotePage(1, "kept for later");
    main.SaveChanges();
    titles = answerer.Stop();
  }
  EXPECT_EQ(titles, std::vector<std::wstring>{L"Tovik"});
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(DataFile()), before);
  EXPECT_TRUE(main.Store().DataModified);
  const std::string log = ReadBytes(fs::path(Utf8ToWide(main.Location().DataRoot)) / "Tovik.log");
  EXPECT_NE(log.find("Sender: StoreFile\r\n"), std::string::npos) << log;
  main.SaveChanges();
  EXPECT_NE(ReadBytes(DataFile()).find("kept for later"), std::string::npos);
  EXPECT_TRUE(IsWindow(main.hwnd()));
}

TEST_F(OrganiserFrame, SecondStartRaisesTheMinimisedFirstAndEnds) {
  TTovikMain& main = Start();
  ShowWindow(main.hwnd(), SW_MINIMIZE);
  Pump();
  ASSERT_TRUE(IsIconic(main.hwnd()));

  // The helper is a second organiser of this program folder and data file.
  std::wstring command = L"organiser_second_start_helper.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  // The first instance answers the second one's messages while it waits.
  const DWORD deadline = GetTickCount() + 60000;
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 1000, QS_ALLINPUT) !=
             WAIT_OBJECT_0 &&
         GetTickCount() < deadline) {
    Pump();
  }
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  Pump();
  EXPECT_EQ(exitCode, 0u);
  EXPECT_FALSE(IsIconic(main.hwnd()));
  EXPECT_TRUE(IsWindowVisible(main.hwnd()));
}

}  // namespace
}  // namespace tovik
