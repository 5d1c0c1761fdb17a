#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/data_location.h"
#include "app/install_mutex_win.h"
#include "app/instance_control_win.h"
#include "app/logging_win.h"
#include "app/unhandled_error_win.h"
#include "base/file_system.h"
#include "base/wide_text_win.h"
#include "calendar/date_format_win.h"
#include "organiser/frame/MinAbout_win.h"
#include "organiser/frame/activation_rule.h"
#include "organiser/frame/commands.h"
#include "organiser/frame/menu_win.h"
#include "organiser/frame/registry_options_win.h"
#include "organiser/languages/language_texts.h"
#include "organiser/links/links_win.h"
#include "organiser/output/printing_win.h"
#include "organiser/pages/appointments_page_win.h"
#include "organiser/pages/diary_search.h"
#include "organiser/pages/events_page_win.h"
#include "organiser/pages/notes_page_win.h"
#include "organiser/pages/page_win.h"
#include "organiser/tray/tray_icon_win.h"
#include "store/daily_backup.h"
#include "store/organiser_store.h"
#include "ui/focus_tracker_win.h"
#include "ui/fonts_win.h"
#include "ui/gdi_win.h"
#include "ui/panel_win.h"
#include "ui/tooltips_win.h"
#include "ui/window_win.h"

namespace tovik {

// The organiser's main window: the frame with its top and bottom panels and
// the page control, the main menu, and the life cycle of the program
// (creation, activation, close, destruction). It owns the store, the log, the
// instance guard, the About box, the three pages, links and dialling,
// printing and the tray icon, and composes them in the described order.
class TTovikMain : public ui::Window, private PageHost {
 public:
  static constexpr int kClientWidth = 345;
  static constexpr int kClientHeight = 413;
  static constexpr int kTopPanelHeight = 33;
  static constexpr int kBottomPanelHeight = 26;

  enum Page { kAppointmentsPage = 0, kEventsPage = 1, kNotesPage = 2 };
  enum class ColorDialogKind { Background, Font };

  // What the window asks of the world, replaceable in tests.
  struct Seams {
    std::unique_ptr<FileSystem> fileSystem;  // the Win32 file system when null
    // Opens a web address or a help page through the shell.
    std::function<void(const std::wstring& address)> openAddress;
    // Runs a colour dialog; nothing when the user cancels.
    std::function<std::optional<COLORREF>(ColorDialogKind kind, COLORREF initial)> chooseColor;
    PrinterOpener openPrinter;             // the print dialog when null
    std::unique_ptr<Telephony> telephony;  // the system's telephony service when null
    std::function<void()> beep;            // the system's default sound when null
    NotifyIconCall notifyIcon;             // the shell's notification area when null
    std::function<CalendarDate()> today;   // the local date when null
    // Keeps the user's changes over another program's (true) or takes that
    // program's file (false); asks the user when null.
    std::function<bool()> keepMyChanges;
  };

  // The start-up sequence up to the message loop: the window is created (its
  // creation steps), the About box is created, the language applied and the
  // header saved, then the window is shown unless another organiser runs
  // (its first activation). Null when the program must end at once (the
  // data file could not be created; the user has been told).
  static std::unique_ptr<TTovikMain> Start(Seams seams, int showCommand);
  ~TTovikMain() override;

  // False when another organiser runs: the program ends when its message loop
  // begins, without showing its window.
  bool MayRun() const { return guard_ && guard_->IsFirstInstance(); }
  // Hands a message to the menu's accelerators and the dialog keys of the
  // window or the About box; true when it was taken.
  bool PreTranslate(MSG& message);

  OrganiserStore& Store() override { return *store_; }
  DateFormatter& Dates() override { return dates_; }
  LinksAndDialling& Links() override { return *links_; }
  const TextLowering& Lowering() override;
  void ShowEventRow(int row) override;
  void ShowMessage(const std::wstring& text) override;
  std::wstring Text(Target target) override { return Utf8ToWide(LanguageText(target)); }
  void UpdateDayMarks() override;
  void Beep() override;
  const DataLocation& Location() const { return location_; }
  TzqLogging& Log() { return log_; }
  const MainMenuBar& Menu() const { return menu_; }
  const RegistryOptions& Options() const { return options_; }
  // The About box, made on first use: nothing shows it before.
  TFormAbout& About();
  ui::FocusTracker& Focus() { return *focus_; }
  ui::Panel& TopPanel() { return *pnlTop_; }
  ui::Panel& BottomPanel() { return *pnlBottom_; }
  AppointmentsPage& Appointments() { return *appointments_; }
  // The events and notes pages are made once the window has first shown,
  // or when they are asked for before.
  EventsPage& Events();
  NotesPage& Notes();
  TCoolTrayIcon* TrayIcon() { return tray_.get(); }

  int ActivePage() const;
  void SelectPage(int page);
  std::wstring PageCaption(int page) const;
  // The tooltip text that a control shows.
  std::wstring HintOf(HWND control) const;

  // The control that a language row names, in whichever room owns it; null
  // for the menu and the texts that no control shows.
  HWND ControlOf(Target target) const;
  // A text that no control shows (a message or a print text) in the current
  // language, UTF-8; empty before ApplyLanguage.
  std::string LanguageText(Target target) const;

  // Sets every text, tick, colour and help context for the store's language,
  // with English as the base layer.
  void ApplyLanguage();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  explicit TTovikMain(Seams seams);
  void CreateControls();
  void CreatePages();
  // A page, or null while it is still to be made.
  OrganiserPage* PageAt(int page) const;
  void PreparePage(OrganiserPage& page, TargetOwner owner);
  void FinishStart();
  void CopyDialCaption();
  bool RunCreationSteps();
  void RunActivationSteps();
  // The activation steps after the commit: the pages filled from the store.
  void ShowTheStore();
  void OnActivate(WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnDestroy();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void FitClientHeight();
  void OnCommand(Command command);
  void OnPageChange();
  void EnableFileItems(int page);
  void UpdatePageVisibility();

  void SetLanguageTexts(const std::vector<LanguageRow>& rows);
  void SetRowText(const LanguageRow& row);
  void ApplyColors();
  void ApplyHelpContexts();

  void ToggleOption(bool RegistryOptions::*option);
  // The option that keeps the icon in the notification area drives the icon.
  void ApplyTrayOption();
  void CreateTrayIcon();
  void KeepDailyBackups();
  void HookStore();
  bool OnDataFileChangedElsewhere();
  void ReloadStore();
  void ToggleFromTray();
  void ShowRegistryTicks();
  void ChooseColor(ColorDialogKind kind);
  void ResetColors();
  void SetStartOfWeek(WeekStart start);
  void SetWeekRule(int rule);
  void ShowWeekSettingTicks();
  void ChooseLanguage(Language language);

  void OpenAddress(const std::wstring& address);
  void OpenHelp(int context);
  void OpenHelpFor(HWND control);
  void EnterContextHelpMode();
  void LeaveContextHelpMode();
  void ShowAbout();

  Seams seams_;
  // The log and the unhandled-error path come first, so that errors of the
  // creation steps are logged (and kept until the log file is known).
  TzqLogging log_;
  UnhandledErrorPath errors_{log_, L"Tovik"};
  DataLocation location_;
  std::unique_ptr<OrganiserStore> store_;
  std::unique_ptr<InstallMutex> installMutex_;
  std::unique_ptr<TzqWinFormInstanceControl> guard_;
  RegistryOptions options_;
  ActivationRule activation_;
  MainMenuBar menu_;

  ui::ScaledFonts fonts_;
  std::unique_ptr<ui::FocusTracker> focus_;
  std::unique_ptr<ui::Panel> pnlTop_;
  std::unique_ptr<ui::Panel> pnlBottom_;
  HWND pgcTop_ = nullptr;
  HWND lblTovikNameVersion_ = nullptr;
  HWND lblWhenDoneExit_ = nullptr;
  HWND btnExit_ = nullptr;
  std::unique_ptr<ui::Tooltips> tooltips_;
  PageArgs pageArgs_;
  std::unique_ptr<AppointmentsPage> appointments_;
  std::unique_ptr<EventsPage> events_;
  std::unique_ptr<NotesPage> notes_;
  WinDateFormatter dates_;
  std::unique_ptr<TextLowering> lowering_;
  std::unique_ptr<LinksAndDialling> links_;
  Printing printing_{seams_.openPrinter};
  ui::OwnedIcon trayIcon_;
  std::unique_ptr<TCoolTrayIcon> tray_;
  std::unique_ptr<DailyBackup> backup_;
  std::unique_ptr<TFormAbout> about_;

  std::map<Target, std::string> texts_;  // language texts that no control shows
  bool lineOpen_ = false;
  bool activated_ = false;
  bool askingAboutChange_ = false;
  bool reloadPending_ = false;
  bool contextHelpMode_ = false;
  std::array<COLORREF, 16> customBackgrounds_{};
  std::array<COLORREF, 16> customFontColors_{};
};

}  // namespace tovik
