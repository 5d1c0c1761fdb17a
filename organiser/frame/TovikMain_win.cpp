#include "organiser/frame/TovikMain_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "app/data_location_win.h"
#include "base/day_number.h"
#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "calendar/day_marks_win.h"
#include "organiser/frame/color_dialog_win.h"
#include "organiser/frame/help_topics.h"
#include "organiser/pages/locale_lowering_win.h"
#include "store/store_file.h"
#include "store/store_platform_win.h"
#include "ui/dpi_win.h"
#include "ui/fonts_win.h"

namespace tovik {

namespace {

constexpr wchar_t kTitle[] = L"Tovik";
constexpr wchar_t kTrayHint[] = L"Click to close/open Tovik";  // the same in every language
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kTabWidth = 113;
constexpr int kTabHeight = 20;
constexpr int kExitButtonId = static_cast<int>(Command::ExitButton);
// Posted to itself once the window first shows.
constexpr UINT kMsgFinishStart = WM_APP + 1;
// Posted when the user takes another program's version of the data file.
constexpr UINT kMsgReloadStore = WM_APP + 2;

// The window's fonts: the pages' three, in the order of FontKind, then the
// title's.
enum WindowFont : size_t { kNormalFont, kBoldFont, kHeadingFont, kTitleFont };
static_assert(kHeadingFont == static_cast<size_t>(FontKind::Heading));

// The window rectangle whose client area has the designed size, centred on
// the screen.
RECT CentredWindowRect() {
  RECT r{0, 0, ui::Scaled(TTovikMain::kClientWidth), ui::Scaled(TTovikMain::kClientHeight)};
  AdjustWindowRectEx(&r, kStyle, TRUE, 0);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return ui::Bounds(left, top, width, height);
}

bool IsOwnProcessWindow(HWND window) {
  if (window == nullptr) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

void ShellOpen(const std::wstring& address) {
  // The result is not examined: the shell tells the user itself.
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TTovikMain::TTovikMain(Seams seams)
    : seams_(std::move(seams)),
      fonts_({{}, {.bold = true}, {.pixels = 13, .bold = true}, {.points = 14, .bold = true}}) {
  if (!seams_.fileSystem) seams_.fileSystem = std::make_unique<Win32FileSystem>();
  links_ = std::make_unique<LinksAndDialling>(LinksAndDialling::Seams{
      .telephony = std::move(seams_.telephony),
      .openAddress =
          [this](const std::string& address) {
            const std::wstring wide = AnsiToWide(address);
            if (seams_.openAddress) return seams_.openAddress(wide);
            // The result is not examined: the shell tells the user itself.
            ShellExecuteW(hwnd(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
          },
      .showMessage = [this](Target message) { ShowMessage(Utf8ToWide(LanguageText(message))); },
      .showFixedMessage = [this](const wchar_t* text) { ShowMessage(text); }});
  if (!seams_.openAddress) seams_.openAddress = ShellOpen;
  const RECT bounds = CentredWindowRect();
  CreateOwnWindow({.className = L"TTovikMain",
                   .name = "TovikMain",
                   .style = kStyle,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .bounds = bounds,
                   .text = kTitle,
                   .menu = menu_.Handle()});
  FitClientHeight();
  focus_ = std::make_unique<ui::FocusTracker>(hwnd());
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1))));
  CreateControls();
}

TTovikMain::~TTovikMain() {
  // Destroyed while the members that its destruction uses still exist.
  if (hwnd()) DestroyWindow(hwnd());
}

// A menu bar that wraps takes more than one line; the client area keeps its size.
void TTovikMain::FitClientHeight() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int missing = ui::Scaled(kClientHeight) - client.bottom;
  if (missing == 0) return;
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTovikMain::CreateControls() {
  tooltips_ = std::make_unique<ui::Tooltips>(hwnd());
  pnlTop_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlTop",
                            .parent = hwnd(),
                            .bounds = ui::Scaled(ui::Bounds(0, 0, kClientWidth, kTopPanelHeight)),
                            .font = fonts_[kNormalFont]});
  lblTovikNameVersion_ = pnlTop_->AddLabel(
      {.text = L"Tovik 5.63", .bounds = ui::Bounds(8, 4, 240, 25), .font = fonts_[kTitleFont]});

  const RECT pages = ui::Scaled(ui::Bounds(0, kTopPanelHeight, kClientWidth,
                                           kClientHeight - kTopPanelHeight - kBottomPanelHeight));
  pgcTop_ = CreateWindowExW(
      0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_FIXEDWIDTH,
      pages.left, pages.top, pages.right - pages.left, pages.bottom - pages.top, hwnd(), nullptr,
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(pgcTop_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[kNormalFont]), FALSE);
  SendMessageW(pgcTop_, TCM_SETITEMSIZE, 0,
               MAKELPARAM(ui::Scaled(kTabWidth), ui::Scaled(kTabHeight)));
  CreatePages();

  pnlBottom_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlBottom",
                            .parent = hwnd(),
                            .bounds = ui::Scaled(ui::Bounds(0, kClientHeight - kBottomPanelHeight,
                                                            kClientWidth, kBottomPanelHeight)),
                            .font = fonts_[kNormalFont]});
  lblWhenDoneExit_ =
      pnlBottom_->AddLabel({.text = L"", .bounds = ui::Bounds(8, 6, 240, 14), .style = SS_RIGHT});
  btnExit_ = pnlBottom_->AddControl(L"BUTTON", L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                    ui::Bounds(256, 2, 81, 22), kExitButtonId);
}

// Each page is a tab of pgcTop with its own sheet above the tab control. The
// calendar page is made with the window; the other two, which the first
// showing does not show, follow when asked for.
void TTovikMain::CreatePages() {
  for (int i = 0; i < 3; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    wchar_t empty[] = L"";
    item.pszText = empty;
    SendMessageW(pgcTop_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT area;
  GetClientRect(pgcTop_, &area);
  SendMessageW(pgcTop_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  OffsetRect(&area, 0, ui::Scaled(kTopPanelHeight));
  pageArgs_ = {
      .window = hwnd(), .bounds = area, .fonts = &fonts_, .focus = focus_.get(), .host = this};
  appointments_ = std::make_unique<AppointmentsPage>(pageArgs_);
}

EventsPage& TTovikMain::Events() {
  if (!events_) {
    events_ = std::make_unique<EventsPage>(pageArgs_);
    PreparePage(*events_, TargetOwner::EventsPage);
  }
  return *events_;
}

NotesPage& TTovikMain::Notes() {
  if (!notes_) {
    notes_ = std::make_unique<NotesPage>(pageArgs_);
    notes_->InnerPanel().SetColors(store_->BackgroundColor, store_->FontColor);
    notes_->ShowDialButton(lineOpen_);
    PreparePage(*notes_, TargetOwner::NotesPage);
  }
  return *notes_;
}

// A page made after the window: it takes the colours, texts and help contexts
// the window has applied, and shows what the activation steps would have
// shown in it.
void TTovikMain::PreparePage(OrganiserPage& page, TargetOwner owner) {
  page.Panel().SetColors(store_->BackgroundColor, store_->FontColor);
  for (const LanguageRow& row : ShownLanguageRows(store_->LanguageId)) {
    if (OwnerOf(row.target) == owner) SetRowText(row);
  }
  if (owner == TargetOwner::NotesPage) CopyDialCaption();
  page.ApplyHelpContexts(HelpContextsOf(store_->LanguageId));
  if (activated_) page.RunActivationSteps();
  UpdatePageVisibility();
}

// What the first showing did not need: the other two pages and the tooltips.
void TTovikMain::FinishStart() {
  CreateTrayIcon();
  // The shell's library is loaded only now, after the window shows.
  tray_->Loaded();
  ApplyTrayOption();
  Events();
  Notes();
  tooltips_->Create();
}

// The window, its taskbar button and the tray show the same picture; the
// tray's is drawn for the small size of the screen's scale. The icon object
// waits for the first showing: nothing of it shows before.
void TTovikMain::CreateTrayIcon() {
  trayIcon_ = ui::SmallIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
  tray_ = std::make_unique<TCoolTrayIcon>(
      TCoolTrayIcon::CreateArgs{.mainWindow = hwnd(),
                                .icon = trayIcon_.get(),
                                .hint = kTrayHint,
                                .notify = seams_.notifyIcon,
                                .onMouseDown = [this](TrayButton) { ToggleFromTray(); }});
}

OrganiserPage* TTovikMain::PageAt(int page) const {
  switch (page) {
    case kEventsPage:
      return events_.get();
    case kNotesPage:
      return notes_.get();
    default:
      return appointments_.get();
  }
}

int TTovikMain::ActivePage() const {
  return static_cast<int>(SendMessageW(pgcTop_, TCM_GETCURSEL, 0, 0));
}

void TTovikMain::SelectPage(int page) {
  if (page == kEventsPage) Events();
  if (page == kNotesPage) Notes();
  SendMessageW(pgcTop_, TCM_SETCURSEL, page, 0);
  UpdatePageVisibility();
}

std::wstring TTovikMain::PageCaption(int page) const {
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(pgcTop_, TCM_GETITEMW, page, reinterpret_cast<LPARAM>(&item));
  return text;
}

void TTovikMain::UpdatePageVisibility() {
  const int active = ActivePage();
  for (int i = 0; i < 3; ++i) {
    if (OrganiserPage* page = PageAt(i)) {
      ShowWindow(page->Sheet().hwnd(), i == active ? SW_SHOW : SW_HIDE);
    }
  }
}

// The window is shown once its texts and colours are applied, so that
// nothing is painted with the design-time texts.
std::unique_ptr<TTovikMain> TTovikMain::Start(Seams seams, int showCommand) {
  std::unique_ptr<TTovikMain> main;
  try {
    main.reset(new TTovikMain(std::move(seams)));
    if (!main->RunCreationSteps()) return nullptr;
  } catch (...) {
    // Without its window or its data the program cannot go on: the error is
    // shown (and logged when the log exists), and the program ends.
    HandleUnhandledError("TovikMain");
    return nullptr;
  }
  try {
    main->ApplyLanguage();
    main->store_->SaveHeader();
  } catch (...) {
    HandleUnhandledError("TovikMain");
  }
  // A second organiser shows nothing; it ends when its message loop begins.
  if (main->MayRun()) {
    ShowWindow(main->hwnd(), showCommand);
    UpdateWindow(main->hwnd());
    PostMessageW(main->hwnd(), kMsgFinishStart, 0, 0);
  }
  return main;
}

// Its path boxes take the paths of this run; its texts and colours are those
// that the language and colours of the main window have applied.
TFormAbout& TTovikMain::About() {
  if (about_) return *about_;
  about_ = std::make_unique<TFormAbout>(
      TFormAbout::CreateArgs{.owner = hwnd(),
                             .font = fonts_[kNormalFont],
                             .dataRoot = Utf8ToWide(location_.DataRoot),
                             .dataFilePath = Utf8ToWide(location_.DataFilePath),
                             .website = Utf8ToWide(kMakerWebsite),
                             .onLinkClick = [this] { OpenAddress(Utf8ToWide(kMakerWebsite)); }});
  about_->SetColors(store_->BackgroundColor, store_->FontColor);
  for (const LanguageRow& row : ShownLanguageRows(store_->LanguageId)) {
    if (OwnerOf(row.target) == TargetOwner::About) SetRowText(row);
  }
  return *about_;
}

// A copy of the data file a day, made before the day's first rewrite. A copy
// that cannot be made is logged; the save goes on, for the typing matters
// more than the copy.
void TTovikMain::KeepDailyBackups() {
  backup_ = std::make_unique<DailyBackup>(*seams_.fileSystem, location_.DataFilePath,
                                          location_.DataRoot + "Backup\\",
                                          seams_.today ? seams_.today : LocalToday);
  HookStore();
}

void TTovikMain::HookStore() {
  store_->BeforeSaveSections = [this] {
    try {
      backup_->BeforeSave();
    } catch (const IoError& e) {
      log_.Log({.Sender = "DailyBackup", .Error = DescribeError(e), .Message = e.what()});
    }
  };
  store_->ConfirmOverwrite = [this] { return OnDataFileChangedElsewhere(); };
}

// Another program wrote the data file after this one read or saved it. Its
// version is copied into the backup folder whatever the user answers; then
// the user keeps their changes (written over it) or takes the other version
// (loaded once the save that asked has returned). Saves that come while the
// question is open or the reload is pending write nothing.
bool TTovikMain::OnDataFileChangedElsewhere() {
  if (askingAboutChange_ || reloadPending_) return false;
  try {
    backup_->CopyAs(DailyBackup::ChangedNameFor(LocalNow()));
  } catch (const IoError& e) {
    log_.Log({.Sender = "DailyBackup", .Error = DescribeError(e), .Message = e.what()});
  }
  askingAboutChange_ = true;
  const bool keepMine =
      seams_.keepMyChanges
          ? seams_.keepMyChanges()
          : MessageBoxW(hwnd(), Utf8ToWide(LanguageText(Target::MsgChangedOnDisk)).c_str(), kTitle,
                        MB_YESNO | MB_ICONWARNING) == IDYES;
  askingAboutChange_ = false;
  if (keepMine) return true;
  reloadPending_ = true;
  PostMessageW(hwnd(), kMsgReloadStore, 0, 0);
  return false;
}

// The other program's file replaces the store; the window shows it as it
// does after an activation, but without committing the editors, whose text
// is the version the user let go.
void TTovikMain::ReloadStore() {
  reloadPending_ = false;
  Win32StorePlatform storePlatform;
  store_ = LoadStoreInPlace(location_.DataFilePath, *seams_.fileSystem, storePlatform);
  HookStore();
  ApplyLanguage();
  ShowTheStore();
}

// The creation steps, in the order each relies on the one before.
bool TTovikMain::RunCreationSteps() {
  Win32DataLocationPlatform locationPlatform(kTitle);
  location_ = ResolveDataLocation(ExecutablePath(), *seams_.fileSystem, locationPlatform);
  Win32StorePlatform storePlatform;
  try {
    store_ = LoadStoreInPlace(location_.DataFilePath, *seams_.fileSystem, storePlatform);
  } catch (const StartupFailure& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
    return false;
  }
  appointments_->RunCreationSteps();
  log_.SetLogFile(location_.DataRoot + "Tovik.log");
  KeepDailyBackups();
  installMutex_ = std::make_unique<InstallMutex>();
  guard_ = std::make_unique<TzqWinFormInstanceControl>(hwnd(), kOrganiserInstanceCaption, true);
  guard_->SetInstanceKey(Utf8ToWide(ExecutablePath()));
  guard_->SetMaxInstances(0);
  guard_->CheckInstances();
  options_ = ReadRegistryOptions(options_);
  ShowRegistryTicks();
  lineOpen_ = links_->OpenTelephonyLine();
  appointments_->ShowDialButton(lineOpen_);
  if (notes_) notes_->ShowDialButton(lineOpen_);
  return true;
}

// Runs in full at the first showing and whenever the window comes back from
// another window of the organiser. The focused editor commits first, so that
// nothing typed is lost when the pages are refilled from the store.
void TTovikMain::RunActivationSteps() {
  focus_->CommitActiveControl();
  activated_ = true;
  ShowTheStore();
}

void TTovikMain::ShowTheStore() {
  appointments_->RunActivationSteps();
  if (events_) events_->RunActivationSteps();
  if (notes_) notes_->RunActivationSteps();
  if (IsWeekStart(store_->WeekStartDay)) {
    appointments_->Calendar().SetStartOfWeek(CalendarStartOfWeek(store_->WeekStartDay));
  }
  ShowWeekSettingTicks();
  SelectPage(kAppointmentsPage);
  links_->ClearRemembered();
  SetFocus(appointments_->FocusControl());
}

void TTovikMain::OnActivate(WPARAM wParam, LPARAM lParam) {
  const bool active = LOWORD(wParam) != WA_INACTIVE;
  focus_->WindowActivation(active);
  // Minimised windows wait for their restore; nothing runs before the store is loaded.
  if (!active || HIWORD(wParam) != 0 || !store_) return;
  if (activation_.WindowActivated(IsOwnProcessWindow(reinterpret_cast<HWND>(lParam)))) {
    RunActivationSteps();
  }
}

// The focused editor stores its edit as the focus moves to the year box; the
// window is then released, which ends the program.
void TTovikMain::OnClose() {
  SelectPage(kAppointmentsPage);
  SetFocus(appointments_->YearBox());
  DestroyWindow(hwnd());
}

void TTovikMain::OnDestroy() {
  LeaveContextHelpMode();
  links_->CloseTelephonyLine();
  tray_.reset();  // the icon leaves the notification area with the window
  if (store_) {
    try {
      store_->CloseStore();
    } catch (...) {
      HandleUnhandledError("TTovikMain");
    }
  }
  PostQuitMessage(0);
}

bool TTovikMain::PreTranslate(MSG& message) {
  if (about_ && about_->IsShowing()) return false;  // the About box runs its own loop
  if (TranslateAcceleratorW(hwnd(), menu_.Accelerators(), &message)) return true;
  return IsDialogMessageW(hwnd(), &message) != FALSE;
}

LRESULT TTovikMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_) tray_->SeeMainWindowMessage(message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATEAPP:
      activation_.ApplicationActivated(wParam != FALSE);
      break;
    case WM_ACTIVATE:
      OnActivate(wParam, lParam);
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const Command command = CommandFromId(id);
      if (command == Command::None) break;
      try {
        OnCommand(command);
      } catch (...) {
        HandleUnhandledError(CommandName(command));
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == pgcTop_ && header->code == TCN_SELCHANGE) OnPageChange();
      break;
    }
    case WM_HELP:
      OpenHelpFor(static_cast<HWND>(reinterpret_cast<HELPINFO*>(lParam)->hItemHandle));
      return TRUE;
    case WM_SETCURSOR:
      if (contextHelpMode_) {
        SetCursor(LoadCursorW(nullptr, IDC_HELP));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if (contextHelpMode_) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd(), &point);
        LeaveContextHelpMode();
        const HWND target = WindowFromPoint(point);
        if (GetAncestor(target, GA_ROOT) == hwnd()) OpenHelpFor(target);
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (contextHelpMode_ && wParam == VK_ESCAPE) LeaveContextHelpMode();
      break;
    case WM_CAPTURECHANGED:
      contextHelpMode_ = false;
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case kMsgReloadStore:
      try {
        ReloadStore();
      } catch (...) {
        HandleUnhandledError("TTovikMain");
      }
      return 0;
    case kMsgFinishStart:
      FinishStart();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

// Moved to a monitor of another scale: everything is laid out and lettered
// anew for it. The About box is made again when next asked for.
void TTovikMain::OnDpiChanged(int dpi, const RECT& suggested) {
  fonts_.FollowScale(hwnd(), dpi, suggested);
  FitClientHeight();
  if (about_ && !about_->IsShowing()) about_.reset();
}

// pgcTopChange: the user picked another tab. Its page is made if it is still
// to come, the File menu's items follow it, and the calendar page gives the
// focus to the day's note (psAppointmentsEnter).
void TTovikMain::OnPageChange() {
  const int page = ActivePage();
  SelectPage(page);
  EnableFileItems(page);
  if (page == kAppointmentsPage) SetFocus(appointments_->FocusControl());
}

void TTovikMain::EnableFileItems(int page) {
  for (const Command command :
       {Command::SaveDiary, Command::ExportICalendar, Command::PrintDate, Command::PrintAll}) {
    menu_.SetEnabled(command, IsFileItemEnabledOn(command, page));
  }
}

const TextLowering& TTovikMain::Lowering() {
  if (!lowering_) lowering_ = UserLocaleLowering();
  return *lowering_;
}

void TTovikMain::ShowEventRow(int row) {
  SelectPage(kEventsPage);
  Events().ShowRow(row);
}

void TTovikMain::UpdateDayMarks() {
  tovik::UpdateDayMarks(appointments_->Calendar(), *store_);
}

void TTovikMain::Beep() {
  if (seams_.beep) return seams_.beep();
  MessageBeep(MB_OK);
}

void TTovikMain::ShowMessage(const std::wstring& text) {
  MessageBoxW(hwnd(), text.c_str(), kTitle, MB_OK);
}

void TTovikMain::OnCommand(Command command) {
  switch (command) {
    case Command::Exit:
      store_->SaveSections();
      SendMessageW(hwnd(), WM_CLOSE, 0, 0);
      return;
    case Command::ExitButton:
      SendMessageW(hwnd(), WM_CLOSE, 0, 0);
      return;
    case Command::RunCheckTovikOnStartup:
      ToggleOption(&RegistryOptions::RunCheckTovikOnStartup);
      return;
    case Command::AlwaysMinimizeToSystray:
      ToggleOption(&RegistryOptions::AlwaysMinimizeToSystray);
      return;
    case Command::ExtendLookAheadDays:
      ToggleOption(&RegistryOptions::ExtendLookAheadDays);
      return;
    case Command::ResetColorsToWindowsDefaults:
      ResetColors();
      return;
    // The exports and the printed calendar read the store: what was just
    // typed is stored first.
    case Command::SaveDiary:
      focus_->CommitActiveControl();
      printing_.ExportDiary(*this);
      return;
    case Command::ExportICalendar:
      focus_->CommitActiveControl();
      printing_.ExportICalendar(*this);
      return;
    case Command::PrintDate:
      printing_.PrintDayNotes(*this);
      return;
    case Command::PrintAll:
      focus_->CommitActiveControl();
      printing_.PrintCalendar(*this);
      return;
    case Command::BackgroundColor:
      ChooseColor(ColorDialogKind::Background);
      return;
    case Command::FontColor:
      ChooseColor(ColorDialogKind::Font);
      return;
    case Command::StartWeekSunday:
      SetStartOfWeek(WeekStart::Sunday);
      return;
    case Command::StartWeekMonday:
      SetStartOfWeek(WeekStart::Monday);
      return;
    case Command::WeekOneFirstJanuary:
      SetWeekRule(1);
      return;
    case Command::WeekOneFirstFullWeek:
      SetWeekRule(2);
      return;
    case Command::WeekOneFourDays:
      SetWeekRule(3);
      return;
    case Command::WhatIs:
      EnterContextHelpMode();
      return;
    case Command::Contents:
      OpenHelp(ContentsHelpContext(store_->LanguageId));
      return;
    case Command::HelpOnFocus:
      OpenHelpFor(GetFocus());
      return;
    case Command::VisitWebsite:
      OpenAddress(Utf8ToWide(kMakerWebsite));
      return;
    case Command::About:
      ShowAbout();
      return;
    default:
      break;
  }
  if (const auto language = LanguageOfCommand(command)) ChooseLanguage(*language);
}

void TTovikMain::ChooseLanguage(Language language) {
  store_->LanguageId = language;
  store_->SaveHeader();
  ApplyLanguage();
}

// Every toggle writes all three options again, so a wrong Run path is put
// right by the next toggle of any of them.
void TTovikMain::ToggleOption(bool RegistryOptions::*option) {
  options_.*option = !(options_.*option);
  ShowRegistryTicks();
  if (option == &RegistryOptions::AlwaysMinimizeToSystray) ApplyTrayOption();
  WriteRegistryOptions(options_, Utf8ToWide(location_.ProgramFolder + location_.ReminderExeName));
}

// Any press on the icon hides a shown window and shows a hidden one.
void TTovikMain::ToggleFromTray() {
  if (IsWindowVisible(hwnd())) {
    tray_->HideMainForm();
  } else {
    tray_->ShowMainForm();
  }
}

void TTovikMain::ApplyTrayOption() {
  if (!tray_) return;  // the first showing applies it
  tray_->SetMinimizeToTray(options_.AlwaysMinimizeToSystray);
  tray_->SetIconVisible(options_.AlwaysMinimizeToSystray);
}

void TTovikMain::ShowRegistryTicks() {
  menu_.SetTicked(Command::RunCheckTovikOnStartup, options_.RunCheckTovikOnStartup);
  menu_.SetTicked(Command::AlwaysMinimizeToSystray, options_.AlwaysMinimizeToSystray);
  menu_.SetTicked(Command::ExtendLookAheadDays, options_.ExtendLookAheadDays);
}

// The dialog opens with the colour the panels (or the labels) show now; a
// cancelled dialog changes nothing and writes nothing.
void TTovikMain::ChooseColor(ColorDialogKind kind) {
  const bool background = kind == ColorDialogKind::Background;
  int32_t& setting = background ? store_->BackgroundColor : store_->FontColor;
  setting = background ? pnlTop_->Color() : pnlTop_->FontColor();
  const COLORREF initial = ui::ResolveColor(setting);
  std::optional<COLORREF> chosen;
  if (seams_.chooseColor) {
    chosen = seams_.chooseColor(kind, initial);
  } else {
    chosen = background ? RunColorDialog({.owner = hwnd(),
                                          .initial = initial,
                                          .customColors = customBackgrounds_.data(),
                                          .fullOpen = true})
                        : RunColorDialog({.owner = hwnd(),
                                          .initial = initial,
                                          .customColors = customFontColors_.data(),
                                          .fullOpen = false});
  }
  if (!chosen) return;
  setting = static_cast<int32_t>(*chosen);
  store_->SaveHeader();
  ApplyLanguage();
}

void TTovikMain::ResetColors() {
  store_->BackgroundColor = kDefaultBackground;
  store_->FontColor = kDefaultFont;
  store_->SaveHeader();
  ApplyLanguage();
}

// The calendar lays the month out again at once; the week label keeps its
// number until another day is shown.
void TTovikMain::SetStartOfWeek(WeekStart start) {
  appointments_->Calendar().SetStartOfWeek(CalendarStartOfWeek(start));
  store_->WeekStartDay = start;
  ShowWeekSettingTicks();
  store_->SaveHeader();
}

void TTovikMain::SetWeekRule(int rule) {
  store_->FirstWeekRule = rule;
  ShowWeekSettingTicks();
  store_->SaveHeader();
  appointments_->ShowWeekNumber();
}

void TTovikMain::ShowWeekSettingTicks() {
  menu_.SetTicked(Command::StartWeekSunday, store_->WeekStartDay == WeekStart::Sunday);
  menu_.SetTicked(Command::StartWeekMonday, store_->WeekStartDay == WeekStart::Monday);
  menu_.SetTicked(Command::WeekOneFirstJanuary, store_->FirstWeekRule == 1);
  menu_.SetTicked(Command::WeekOneFirstFullWeek, store_->FirstWeekRule == 2);
  menu_.SetTicked(Command::WeekOneFourDays, store_->FirstWeekRule == 3);
}

void TTovikMain::OpenAddress(const std::wstring& address) {
  seams_.openAddress(address);
}

void TTovikMain::OpenHelp(int context) {
  OpenAddress(Utf8ToWide(HelpAddress(location_.ProgramFolder, context)));
}

// The topic of the nearest window, from the control outwards, that has a help
// context; the contents of the current language when none has.
void TTovikMain::OpenHelpFor(HWND control) {
  for (HWND window = control; window != nullptr && window != hwnd(); window = GetParent(window)) {
    if (const DWORD context = GetWindowContextHelpId(window); context != 0) {
      OpenHelp(static_cast<int>(context));
      return;
    }
  }
  OpenHelp(ContentsHelpContext(store_->LanguageId));
}

// "What Is": the cursor turns into a question mark, and the next click on a
// control opens that control's topic; Esc or a click elsewhere ends it.
void TTovikMain::EnterContextHelpMode() {
  contextHelpMode_ = true;
  SetCapture(hwnd());
  SetCursor(LoadCursorW(nullptr, IDC_HELP));
}

void TTovikMain::LeaveContextHelpMode() {
  if (!contextHelpMode_) return;
  contextHelpMode_ = false;
  ReleaseCapture();
}

void TTovikMain::ShowAbout() {
  About().ShowModal();
}

}  // namespace tovik
