#include "reminder/chk_tovik_main_win.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/data_location_win.h"
#include "app/registry_names.h"
#include "base/day_number.h"
#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "reminder/day_texts.h"
#include "reminder/reminder_language.h"
#include "ui/control_design_win.h"
#include "ui/dpi_win.h"
#include "ui/fonts_win.h"
#include "ui/gdi_win.h"
#include "ui/registry_key_win.h"
#include "ui/text_fit_win.h"
#include "ui/unhandled_error_win.h"

namespace tovik {

namespace {
constexpr int kShortLookAhead = 7;
constexpr int kExtendedLookAhead = 28;
constexpr char kSender[] = "ChkTovikMain";

constexpr int kLabelGap = 8;

constexpr DWORD kLabel = SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr DWORD kTextBox = WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

constexpr int Id(ReminderControl control) {
  return static_cast<int>(control);
}

// The designed place of every control in the 634 by 429 client area.
const std::array<ui::ControlDesign, 9>& Design() {
  using enum ui::ControlClass;
  using ui::Bounds;
  using ui::FontKind;
  using R = ReminderControl;
  static const std::array<ui::ControlDesign, 9> kControls{{
      {Id(R::lblAppointmentsAndEvents), Label, L"", kLabel, Bounds(2, 6, 314, 22),
       FontKind::Heading},
      {Id(R::IPTxt1), Edit, L"", kTextBox, Bounds(2, 32, 314, 75), FontKind::Normal,
       WS_EX_CLIENTEDGE},
      {Id(R::lblTomorrow), Label, L"", kLabel, Bounds(2, 113, 314, 16), FontKind::Bold},
      {Id(R::IPTxt2), Edit, L"", kTextBox, Bounds(2, 131, 314, 75), FontKind::Normal,
       WS_EX_CLIENTEDGE},
      {Id(R::lblWeekAfter), Label, L"", kLabel, Bounds(2, 212, 314, 16), FontKind::Bold},
      {Id(R::IPTxt3), Edit, L"", kTextBox, Bounds(2, 230, 314, 195), FontKind::Normal,
       WS_EX_CLIENTEDGE},
      {Id(R::lblTodosAndNotes), Label, L"", SS_NOPREFIX | SS_RIGHT, Bounds(318, 8, 231, 16),
       FontKind::Bold},
      {Id(R::btnExit), Button, L"", WS_TABSTOP | BS_PUSHBUTTON, Bounds(557, 2, 75, 25),
       FontKind::Bold},
      {Id(R::IPNot), Edit, L"", kTextBox | WS_TABSTOP, Bounds(318, 29, 314, 398), FontKind::Normal,
       WS_EX_CLIENTEDGE},
  }};
  return kControls;
}

bool IsLabel(ReminderControl id) {
  return id == ReminderControl::lblAppointmentsAndEvents || id == ReminderControl::lblTomorrow ||
         id == ReminderControl::lblWeekAfter || id == ReminderControl::lblTodosAndNotes;
}

void SetText(HWND control, const std::wstring& text) {
  SetWindowTextW(control, text.c_str());
}

int TextWidth(HWND control) {
  return ui::TextExtent(control, ui::WindowText(control), DT_NOPREFIX | DT_SINGLELINE).cx;
}

RECT PlaceOf(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

}  // namespace

int ReadLookAheadDays() {
  // Opened with creation allowed, as the organiser does: the key exists afterwards.
  const auto key = ui::RegistryKey::OpenOrCreate(kOptionsKey, KEY_READ);
  const auto extended = key.IsOpen() ? key.ReadDword(kExtendedLookAheadValue) : std::nullopt;
  return extended.value_or(0) != 0 ? kExtendedLookAhead : kShortLookAhead;
}

TChkTovikMain::TChkTovikMain(TzqLogging& log, DateFormatter& dates) : log_(log), dates_(dates) {}

TChkTovikMain::~TChkTovikMain() {
  instanceGuard_.reset();                        // its window goes before the window that owns it
  if (hwnd() != nullptr) DestroyWindow(hwnd());  // before the fonts and brush it uses
}

bool TChkTovikMain::Create() {
  ReminderSelection selection;
  selection.LookAheadDays = ReadLookAheadDays();
  Win32FileSystem files;
  Win32DataLocationPlatform shell(kReminderTitle);
  const DataLocation location = ResolveDataLocation(ExecutablePath(), files, shell);
  selection.DataRoot = location.DataRoot;
  selection.Today = DayNumberFromDate(LocalToday());
  auto data =
      ReadAndSelect(files, location.DataFilePath, {selection.Today, selection.LookAheadDays});
  if (!data) return false;  // no data file: end silently
  selection.Data = std::move(*data);
  return CreateFor(std::move(selection));
}

bool TChkTovikMain::CreateFor(ReminderSelection selection) {
  selection_ = std::move(selection);
  if (!selection_.Data.Damage.empty()) LogDamage();
  if (selection_.Data.NothingToShow()) return false;
  log_.SetLogFile(selection_.DataRoot + "CheckTovik.log");
  installMutex_.emplace();

  // Single border, system menu only, centred on the screen.
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  RECT frame{0, 0, ui::Scaled(kReminderClientWidth), ui::Scaled(kReminderClientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  backgroundColor_ = ui::ResolveColor(selection_.Data.BackgroundColor);
  fontColor_ = ui::ResolveColor(selection_.Data.FontColor);
  background_ = ui::SolidBrush(backgroundColor_);
  CreateOwnWindow({.className = kReminderClassName,
                   .name = kSender,
                   .style = style,
                   .bounds = {x, y, x + width, y + height},
                   .text = kReminderTitle});
  SetProgramIcons();
  CreateControls();

  instanceGuard_ =
      std::make_unique<TzqWinFormInstanceControl>(hwnd(), kReminderInstanceCaption, false);
  instanceGuard_->SetInstanceKey(Utf8ToWide(ExecutablePath()));
  instanceGuard_->SetMaxInstances(0);
  instanceGuard_->CheckInstances();
  return instanceGuard_->IsFirstInstance();
}

// The reminder's own picture in its caption, on the taskbar and in Alt+Tab,
// each drawn for its size rather than shrunk from the large one.
void TChkTovikMain::SetProgramIcons() {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  const auto icon = [&](int metric) {
    return reinterpret_cast<LPARAM>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(metric), GetSystemMetrics(metric),
                                               LR_SHARED));
  };
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, icon(SM_CXICON));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
}

// Reading stops at the damage; what came before it is still shown.
void TChkTovikMain::LogDamage() {
  log_.SetLogFile(selection_.DataRoot + "CheckTovik.log");
  log_.Log({.Sender = kSender, .Message = selection_.Data.Damage});
}

void TChkTovikMain::CreateControls() {
  // In the order of FontKind.
  fonts_.emplace(
      std::initializer_list<ui::FontArgs>{{}, {.bold = true}, {.pixels = 16, .bold = true}});
  for (const ui::ControlDesign& design : Design()) ui::CreateDesigned(hwnd(), design, *fonts_);
}

HWND TChkTovikMain::Control(ReminderControl id) const {
  return GetDlgItem(hwnd(), static_cast<int>(id));
}

void TChkTovikMain::Show(int showCommand) {
  Activate();
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  SetFocus(Control(ReminderControl::btnExit));
}

// Languages with English as the base layer, then the day texts and the notes.
void TChkTovikMain::Activate() {
  const ReminderData& data = selection_.Data;
  const ReminderCaptions captions =
      ApplyReminderLanguage(data.LanguageId, selection_.LookAheadDays, selection_.Today, dates_);
  SetText(Control(ReminderControl::lblAppointmentsAndEvents),
          Utf8ToWide(captions.AppointmentsAndEvents));
  SetText(Control(ReminderControl::lblTomorrow), Utf8ToWide(captions.Tomorrow));
  SetText(Control(ReminderControl::lblWeekAfter), Utf8ToWide(captions.WeekAfter));
  SetText(Control(ReminderControl::lblTodosAndNotes), Utf8ToWide(captions.TodosAndNotes));
  SetText(Control(ReminderControl::btnExit), Utf8ToWide(captions.Exit));

  const DayTexts texts = BuildDayTexts(data, selection_.Today, dates_, AnsiToUtf8);
  SetText(Control(ReminderControl::IPTxt1), Utf8ToWide(texts.Today));
  SetText(Control(ReminderControl::IPTxt2), Utf8ToWide(texts.Tomorrow));
  SetText(Control(ReminderControl::IPTxt3), Utf8ToWide(texts.Following));
  SetText(Control(ReminderControl::IPNot), AnsiToWide(data.NotesExtract));
  FitHeadings();
}

// The heading with today's date can be wider than the left column: it runs
// on above the notes, up to the to-do heading, rather than being cut short.
// The to-do heading shrinks to its text at the right, so it paints nothing
// over the date.
void TChkTovikMain::FitHeadings() {
  HWND todo = Control(ReminderControl::lblTodosAndNotes);
  const RECT todoPlace = PlaceOf(todo);
  const int todoWidth =
      std::min(TextWidth(todo) + 2, static_cast<int>(todoPlace.right - todoPlace.left));
  const int todoLeft = todoPlace.right - todoWidth;
  SetWindowPos(todo, nullptr, todoLeft, todoPlace.top, todoWidth, todoPlace.bottom - todoPlace.top,
               SWP_NOZORDER | SWP_NOACTIVATE);

  HWND heading = Control(ReminderControl::lblAppointmentsAndEvents);
  const RECT place = PlaceOf(heading);
  const int designed = place.right - place.left;
  const int room = todoLeft - ui::Scaled(kLabelGap) - place.left;
  const int width = std::min(std::max(TextWidth(heading) + 2, designed), room);
  SetWindowPos(heading, nullptr, 0, 0, width, place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH TChkTovikMain::OnCtlColorStatic(HDC dc, HWND control) {
  if (IsLabel(static_cast<ReminderControl>(GetDlgCtrlID(control)))) {
    SetTextColor(dc, fontColor_);
    SetBkColor(dc, backgroundColor_);
    return background_;
  }
  // The read-only boxes keep the colours of an ordinary text box.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

LRESULT TChkTovikMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseBackground(wParam, background_);
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      // Enter on the focused button arrives as IDOK through the dialog keys.
      const bool exitClicked =
          (id == static_cast<int>(ReminderControl::btnExit) && HIWORD(wParam) == BN_CLICKED) ||
          (id == IDOK && GetFocus() == Control(ReminderControl::btnExit));
      if (exitClicked) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        lastFocus_ = GetFocus();
      } else if (lastFocus_ != nullptr && IsChild(hwnd(), lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      break;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

// Moved to a monitor of another scale: laid out and lettered anew for it.
void TChkTovikMain::OnDpiChanged(int dpi, const RECT& suggested) {
  fonts_->FollowScale(hwnd(), dpi, suggested);
  FitHeadings();
}

int RunReminderMessageLoop(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab between the controls and Enter on the button, as in a dialog.
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tovik
