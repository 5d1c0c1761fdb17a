#include "organiser/frame/TovikMain_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "app/data_location_win.h"
#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "calendar/day_marks_win.h"
#include "organiser/frame/help_topics.h"
#include "organiser/pages/locale_lowering_win.h"
#include "store/store_platform_win.h"
#include "ui/dpi_win.h"
#include "ui/tabs_win.h"

namespace tovik {

namespace {

constexpr wchar_t kTitle[] = L"Tovik";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Posted to itself once the window first shows.
constexpr UINT kMsgFinishStart = WM_APP + 1;
// Posted when the user takes another program's version of the data file.
constexpr UINT kMsgReloadStore = WM_APP + 2;

// The window's fonts: the pages' three, in the order of FontKind, then the
// title's.
constexpr size_t kTitleFont = 3;

}  // namespace

TTovikMain::TTovikMain(Seams seams)
    : seams_(std::move(seams)),
      fonts_({{}, {.bold = true}, {.pixels = 13, .bold = true}, {.points = 14, .bold = true}}) {
  if (!seams_.fileSystem) seams_.fileSystem = std::make_unique<Win32FileSystem>();
  if (!seams_.openAddress) {
    // The result is not examined: the shell tells the user itself.
    seams_.openAddress = [this](const std::wstring& address) {
      ShellExecuteW(hwnd(), L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
  }
  links_ = std::make_unique<LinksAndDialling>(LinksAndDialling::Seams{
      .telephony = std::move(seams_.telephony),
      .openAddress = [this](const std::string& address) { OpenAddress(AnsiToWide(address)); },
      .showMessage = [this](Target message) { ShowMessage(Text(message)); },
      .showFixedMessage = [this](const wchar_t* text) { ShowMessage(text); }});
  CreateOwnWindow(
      {.className = L"TTovikMain",
       .name = "TovikMain",
       .style = kStyle,
       .exStyle = WS_EX_CONTROLPARENT,
       .bounds = ui::CentredWindowRect(ui::Scaled(kClientWidth), ui::Scaled(kClientHeight), kStyle),
       .text = kTitle,
       .menu = menu_.Handle()});
  ui::FitClientHeight(hwnd(), ui::Scaled(kClientHeight));
  focus_ = std::make_unique<ui::FocusTracker>(hwnd());
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ui::ProgramIcon()));
  CreateControls();
  CreateParts();
}

TTovikMain::~TTovikMain() {
  // Destroyed while the members that its destruction uses still exist.
  if (hwnd()) DestroyWindow(hwnd());
}

// The panels, and the page control whose tabs are the pages.
void TTovikMain::CreateControls() {
  tooltips_ = std::make_unique<ui::Tooltips>(hwnd());
  const HFONT normal = fonts_[static_cast<size_t>(FontKind::Normal)];
  pnlTop_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlTop",
                            .parent = hwnd(),
                            .bounds = ui::Scaled(ui::Bounds(0, 0, kClientWidth, kTopPanelHeight)),
                            .font = normal});
  pnlTop_->AddLabel(
      {.text = L"Tovik 5.63", .bounds = ui::Bounds(8, 4, 240, 25), .font = fonts_[kTitleFont]});

  pages_ = std::make_unique<PageTabs>(PageTabs::CreateArgs{
      .bounds = ui::Bounds(0, kTopPanelHeight, kClientWidth,
                           kClientHeight - kTopPanelHeight - kBottomPanelHeight),
      .pages = {.window = hwnd(), .fonts = &fonts_, .focus = focus_.get(), .host = this},
      .onPageMade = [this](OrganiserPage& page, TargetOwner owner) { PreparePage(page, owner); }});

  pnlBottom_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlBottom",
                            .parent = hwnd(),
                            .bounds = ui::Scaled(ui::Bounds(0, kClientHeight - kBottomPanelHeight,
                                                            kClientWidth, kBottomPanelHeight)),
                            .font = normal});
  lblWhenDoneExit_ =
      pnlBottom_->AddLabel({.text = L"", .bounds = ui::Bounds(8, 6, 240, 14), .style = SS_RIGHT});
  btnExit_ =
      pnlBottom_->AddControl(L"BUTTON", L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                             ui::Bounds(256, 2, 81, 22), static_cast<int>(Command::ExitButton));
}

// The parts that work on the window's controls and the store.
void TTovikMain::CreateParts() {
  language_ = std::make_unique<WindowLanguage>(LanguageSurfaces{.menu = menu_,
                                                                .tooltips = *tooltips_,
                                                                .window = hwnd(),
                                                                .pages = *pages_,
                                                                .top = *pnlTop_,
                                                                .bottom = *pnlBottom_,
                                                                .lblWhenDoneExit = lblWhenDoneExit_,
                                                                .btnExit = btnExit_,
                                                                .about = about_});
  settings_ = std::make_unique<UserSettings>(
      UserSettings::Args{.owner = hwnd(),
                         .menu = &menu_,
                         .topPanel = pnlTop_.get(),
                         .appointments = &pages_->Appointments(),
                         .store = [this]() -> OrganiserStore& { return *store_; },
                         .saveHeader = [this] { SaveHeader(); },
                         .applyLanguage = [this] { ApplyLanguage(); },
                         // Before the first showing there is no icon yet; the showing applies it.
                         .trayOption =
                             [this](bool minimize) {
                               if (tray_) tray_->ApplyOption(minimize);
                             },
                         .chooseColor = seams_.chooseColor});
  saves_ = std::make_unique<SaveHandler>(
      SaveHandler::Args{.owner = hwnd(),
                        .log = &log_,
                        .text = [this](Target target) { return Text(target); },
                        .keepMyChanges = seams_.keepMyChanges,
                        .requestReload = [this] { PostMessageW(hwnd(), kMsgReloadStore, 0, 0); },
                        .written = [this] { publishing_->StoreChanged(); }});
  publishing_ = std::make_unique<CalendarPublishing>(
      CalendarPublishing::Args{.owner = hwnd(),
                               .log = &log_,
                               .text = [this](Target target) { return Text(target); },
                               .store = [this]() -> const OrganiserStore& { return *store_; }});
  help_ = std::make_unique<ContextHelp>(ContextHelp::Args{
      .window = hwnd(),
      .openTopic =
          [this](int context) {
            OpenAddress(Utf8ToWide(HelpAddress(location_.ProgramFolder, context)));
          },
      .contents = [this] { return ContentsHelpContext(store_->Header.LanguageId); }});
}

// A page made after the window takes the colours, texts and help contexts
// the window has applied, and shows what the activation would have shown.
void TTovikMain::PreparePage(OrganiserPage& page, TargetOwner owner) {
  if (owner == TargetOwner::NotesPage) pages_->Notes().ShowDialButton(lineOpen_);
  language_->ApplyToPage(page, owner, store_->Header);
  if (activated_) page.RunActivationSteps();
}

// What the first showing did not need: the tray icon, whose shell library
// loads only now, the other two pages and the tooltips. The window, its
// taskbar button and the tray show the same picture.
void TTovikMain::FinishStart() {
  tray_ = std::make_unique<OrganiserTray>(hwnd(), ui::ProgramIcon(), seams_.notifyIcon);
  tray_->ApplyOption(Options().AlwaysMinimizeToSystray);
  Events();
  Notes();
  tooltips_->Create();
  publishing_->Start(location_.DataRoot);
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
  // A second organiser only brings the first one forward: it writes nothing.
  try {
    main->ApplyLanguage();
    if (main->MayRun()) main->SaveHeader();
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
                             .font = fonts_[static_cast<size_t>(FontKind::Normal)],
                             .dataRoot = Utf8ToWide(location_.DataRoot),
                             .dataFilePath = Utf8ToWide(location_.DataFilePath),
                             .website = Utf8ToWide(kMakerWebsite),
                             .onLinkClick = [this] { OpenAddress(Utf8ToWide(kMakerWebsite)); }});
  language_->ApplyToAbout(*about_, store_->Header);
  return *about_;
}

// The creation steps, in the order each relies on the one before.
bool TTovikMain::RunCreationSteps() {
  Win32DataLocationPlatform locationPlatform(kTitle);
  location_ = ResolveDataLocation(ExecutablePath(), *seams_.fileSystem, locationPlatform);
  file_ = std::make_unique<StoreFile>(*seams_.fileSystem, location_.DataFilePath);
  Win32StorePlatform storePlatform;
  try {
    store_ = file_->Load(storePlatform);
  } catch (const StartupFailure& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
    return false;
  }
  Appointments().RunCreationSteps();
  log_.SetLogFile(location_.DataRoot + "Tovik.log");
  file_->KeepDailyBackups(location_.DataRoot + "Backup\\",
                          seams_.today ? seams_.today : LocalToday);
  installMutex_ = std::make_unique<InstallMutex>();
  guard_ = std::make_unique<TzqWinFormInstanceControl>(hwnd(), kOrganiserInstanceCaption, true);
  guard_->SetInstanceKey(Utf8ToWide(ExecutablePath()));
  guard_->SetMaxInstances(0);
  guard_->CheckInstances();
  settings_->ReadOptions(Utf8ToWide(location_.ProgramFolder + location_.ReminderExeName));
  lineOpen_ = links_->OpenTelephonyLine();
  Appointments().ShowDialButton(lineOpen_);
  if (pages_->MadeNotes()) Notes().ShowDialButton(lineOpen_);
  return true;
}

void TTovikMain::SaveChanges() {
  saves_->SaveSections(*file_, *store_);
}

void TTovikMain::SaveHeader() {
  saves_->SaveHeader(*file_, *store_);
}

// The other program's file replaces the store; the window shows it as it
// does after an activation, but without committing the editors, whose text
// is the version the user let go.
void TTovikMain::ReloadStore() {
  saves_->Reloaded();
  Win32StorePlatform storePlatform;
  store_ = file_->Load(storePlatform);
  ApplyLanguage();
  ShowTheStore();
  publishing_->StoreChanged();
}

// Runs in full at the first showing and whenever the window comes back from
// another window of the organiser. The focused editor commits first, so that
// nothing typed is lost when the pages are refilled from the store.
void TTovikMain::RunActivationSteps() {
  CommitPendingEdit();
  activated_ = true;
  ShowTheStore();
}

void TTovikMain::ShowTheStore() {
  for (OrganiserPage* page : pages_->Made()) page->RunActivationSteps();
  if (IsWeekStart(store_->Header.WeekStartDay)) {
    Appointments().Calendar().SetStartOfWeek(CalendarStartOfWeek(store_->Header.WeekStartDay));
  }
  settings_->ShowWeekSettingTicks();
  SelectPage(kAppointmentsPage);
  links_->ClearRemembered();
  SetFocus(Appointments().FocusControl());
}

void TTovikMain::OnActivate(WPARAM wParam, LPARAM lParam) {
  const bool active = LOWORD(wParam) != WA_INACTIVE;
  if (active) storedOnLeaving_ = false;
  focus_->WindowActivation(active);
  // Minimised windows wait for their restore; nothing runs before the store is loaded.
  if (!active || HIWORD(wParam) != 0 || !store_) return;
  if (activation_.WindowActivated(ui::IsOwnProcessWindow(reinterpret_cast<HWND>(lParam)))) {
    RunActivationSteps();
  }
}

// The focused editor stores its edit as the focus moves to the year box; the
// window is then released, which ends the program.
// When the save of that edit failed, the user has been told and decides
// whether to close all the same.
void TTovikMain::OnClose() {
  SelectPage(kAppointmentsPage);
  SetFocus(Appointments().YearBox());
  if (store_ && store_->DataModified &&
      MessageBoxW(hwnd(), Text(Target::MsgCloseUnsaved).c_str(), kTitle,
                  MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
    return;
  }
  DestroyWindow(hwnd());
}

// Leaving the program (for another one, to the taskbar or the tray, into a
// suspend or the end of the session) stores the pending edit and saves, as
// leaving its box would, with the focus left where it is. While the session
// ends or the machine suspends, nothing may wait for the user. Leaving comes
// in several messages at once (a minimised window is hidden and loses the
// activation): one store suffices until the window is active again, for
// nothing can be typed in between.
void TTovikMain::StoreOnLeaving(bool unattended) {
  if (!activated_ || !store_ || storedOnLeaving_) return;
  storedOnLeaving_ = true;
  std::optional<SaveHandler::Unattended> quiet;
  if (unattended) quiet.emplace(*saves_);
  CommitPendingEdit();
  SaveChanges();
}

// The telephony line closes, the icon leaves the notification area with the
// window, and the store saves what changed before it goes.
void TTovikMain::OnDestroy() {
  help_->LeavePickMode();
  links_->CloseTelephonyLine();
  tray_.reset();
  if (store_) {
    const SaveHandler::Unattended quiet(*saves_);  // the window is going: a failure is logged
    SaveChanges();
    store_.reset();
  }
  publishing_->Stop();
  PostQuitMessage(0);
}

bool TTovikMain::PreTranslate(MSG& message) {
  if (about_ && about_->IsShowing()) return false;  // the About box runs its own loop
  if (TranslateAcceleratorW(hwnd(), menu_.Accelerators(), &message)) return true;
  return IsDialogMessageW(hwnd(), &message) != FALSE;
}

LRESULT TTovikMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_) tray_->Icon().SeeMainWindowMessage(message, wParam, lParam);
  if (LRESULT result = 0; help_->HandleMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_ACTIVATEAPP:
      activation_.ApplicationActivated(wParam != FALSE);
      if (!wParam) StoreOnLeaving(false);
      break;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) StoreOnLeaving(false);
      break;
    case WM_SHOWWINDOW:
      if (!wParam) StoreOnLeaving(false);
      break;
    case WM_QUERYENDSESSION:
      StoreOnLeaving(true);
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) StoreOnLeaving(true);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMSUSPEND) StoreOnLeaving(true);
      return TRUE;
    case WM_ACTIVATE:
      OnActivate(wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (const Command command = CommandFromId(LOWORD(wParam)); command != Command::None) {
        try {
          OnCommand(command);
        } catch (...) {
          HandleUnhandledError(CommandName(command));
        }
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom == PageTabs::kId && header.code == TCN_SELCHANGE) OnPageChange();
      break;
    }
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
      // Laid out and lettered anew for the new monitor's scale; the About box
      // is made again when next asked for.
      fonts_.FollowScale(hwnd(), HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      ui::FitClientHeight(hwnd(), ui::Scaled(kClientHeight));
      pages_->PlaceSheets();
      if (about_ && !about_->IsShowing()) about_.reset();
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

// pgcTopChange: the user picked another tab. Its page is made if it is still
// to come, the File menu's items follow it, and the calendar page gives the
// focus to the day's note.
void TTovikMain::OnPageChange() {
  const int page = ActivePage();
  SelectPage(page);
  for (const Command command :
       {Command::SaveDiary, Command::ExportICalendar, Command::PrintDate, Command::PrintAll}) {
    menu_.SetEnabled(command, IsFileItemEnabledOn(command, page));
  }
  if (page == kAppointmentsPage) SetFocus(Appointments().FocusControl());
}

// The exports and the printed calendar read the store: what was just typed
// is stored first.
void TTovikMain::OnCommand(Command command) {
  if (settings_->OnCommand(command) || help_->OnCommand(command) ||
      publishing_->OnCommand(command)) {
    return;
  }
  switch (command) {
    case Command::Exit:
      SaveChanges();
      SendMessageW(hwnd(), WM_CLOSE, 0, 0);
      return;
    case Command::ExitButton:
      SendMessageW(hwnd(), WM_CLOSE, 0, 0);
      return;
    case Command::SaveDiary:
      CommitPendingEdit();
      printing_.ExportDiary();
      return;
    case Command::ExportICalendar:
      CommitPendingEdit();
      printing_.ExportICalendar();
      return;
    case Command::PrintDate:
      if (ActivePage() == kEventsPage) printing_.PrintEventsList(Events().PrintedRows());
      if (ActivePage() == kAppointmentsPage) {
        printing_.PrintDayNotes(Appointments().ShownDate(), ShownLines(Appointments().DayNote()));
      }
      return;
    case Command::PrintAll:
      CommitPendingEdit();
      printing_.PrintCalendar();
      return;
    case Command::VisitWebsite:
      OpenAddress(Utf8ToWide(kMakerWebsite));
      return;
    case Command::About:
      About().ShowModal();
      return;
    default:
      return;
  }
}

void TTovikMain::OpenAddress(const std::wstring& address) {
  seams_.openAddress(address);
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
  tovik::UpdateDayMarks(Appointments().Calendar(), *store_);
}

void TTovikMain::Beep() {
  if (seams_.beep) return seams_.beep();
  MessageBeep(MB_OK);
}

// Nobody is there to read a message while the session ends: the log keeps it.
void TTovikMain::ShowMessage(const std::wstring& text) {
  if (saves_->IsUnattended()) return log_.Log({.Sender = "TovikMain", .Message = WideToUtf8(text)});
  MessageBoxW(hwnd(), text.c_str(), kTitle, MB_OK);
}

void TTovikMain::Report(std::string_view sender, const IoError& error, const std::string& path,
                        const std::string& shown) {
  log_.Log({.Sender = std::string(sender), .Error = DescribeError(error), .Message = path});
  ShowMessage(Utf8ToWide(shown));
}

}  // namespace tovik
