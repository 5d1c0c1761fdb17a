#pragma once
#include <windows.h>

#include <functional>
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
#include "organiser/frame/context_help_win.h"
#include "organiser/frame/menu_win.h"
#include "organiser/frame/page_tabs_win.h"
#include "organiser/frame/save_handler_win.h"
#include "organiser/frame/user_settings_win.h"
#include "organiser/frame/window_language_win.h"
#include "organiser/links/links_win.h"
#include "organiser/output/printing_win.h"
#include "organiser/publish/calendar_publishing_win.h"
#include "organiser/tray/organiser_tray_win.h"
#include "store/store_file.h"
#include "ui/focus_tracker_win.h"
#include "ui/fonts_win.h"
#include "ui/panel_win.h"
#include "ui/tooltips_win.h"
#include "ui/window_win.h"

namespace tovik {

// The organiser's main window: it composes the panels, the page control and
// its three pages, the menu, the settings, the language, the data file and
// the rest, and runs the program's life cycle in its order: creation,
// activation, close and destruction.
class TTovikMain : public ui::Window, private PageHost, private PrintSource {
 public:
  static constexpr int kClientWidth = 345;
  static constexpr int kClientHeight = 413;
  static constexpr int kTopPanelHeight = 33;
  static constexpr int kBottomPanelHeight = 26;

  enum Page {
    kAppointmentsPage = PageTabs::kAppointmentsPage,
    kEventsPage = PageTabs::kEventsPage,
    kNotesPage = PageTabs::kNotesPage
  };
  using ColorDialogKind = tovik::ColorDialogKind;

  // What the window asks of the world, replaceable in tests.
  struct Seams {
    std::unique_ptr<FileSystem> fileSystem;  // the Win32 file system when null
    // Opens a web address or a help page through the shell.
    std::function<void(const std::wstring& address)> openAddress;
    ColorChooser chooseColor;              // the colour dialog when null
    PrinterOpener openPrinter;             // the print dialog when null
    std::unique_ptr<Telephony> telephony;  // the system's telephony service when null
    std::function<void()> beep;            // the system's default sound when null
    NotifyIconCall notifyIcon;             // the shell's notification area when null
    std::function<CalendarDate()> today;   // the local date when null
    // Keeps the user's changes over another program's (true) or takes that
    // program's file (false); asks the user when null.
    std::function<bool()> keepMyChanges;
  };

  // The start-up up to the message loop: the window and its creation steps,
  // the language applied and the header saved, then the window shown unless
  // another organiser runs. Null when the program must end at once (the data
  // file could not be created; the user has been told).
  static std::unique_ptr<TTovikMain> Start(Seams seams, int showCommand);
  ~TTovikMain() override;

  // False when another organiser runs: the program ends when its message loop
  // begins, without showing its window.
  bool MayRun() const { return guard_ && guard_->IsFirstInstance(); }
  // Hands a message to the menu's accelerators and the dialog keys of the
  // window; true when it was taken.
  bool PreTranslate(MSG& message);

  OrganiserStore& Store() override { return *store_; }
  DateFormatter& Dates() override { return dates_; }
  LinksAndDialling& Links() override { return *links_; }
  void SaveChanges() override;
  // Commits the focused editor, whichever page it is on, as leaving it would.
  void CommitPendingEdit() { focus_->CommitActiveControl(); }

  const DataLocation& Location() const { return location_; }
  TzqLogging& Log() { return log_; }
  const MainMenuBar& Menu() const { return menu_; }
  const RegistryOptions& Options() const { return settings_->Options(); }
  TFormAbout& About();  // made on first use
  ui::FocusTracker& Focus() { return *focus_; }
  ui::Panel& TopPanel() { return *pnlTop_; }
  ui::Panel& BottomPanel() { return *pnlBottom_; }
  AppointmentsPage& Appointments() { return pages_->Appointments(); }
  // Made once the window has first shown, or when asked for before.
  EventsPage& Events() { return pages_->Events(); }
  NotesPage& Notes() { return pages_->Notes(); }
  TCoolTrayIcon* TrayIcon() { return tray_ ? &tray_->Icon() : nullptr; }

  int ActivePage() const { return pages_->Active(); }
  void SelectPage(int page) { pages_->Select(page); }
  std::wstring PageCaption(int page) const { return pages_->Caption(page); }
  std::wstring HintOf(HWND control) const { return language_->HintOf(control); }
  HWND ControlOf(Target target) const { return language_->ControlOf(target); }
  std::string LanguageText(Target target) const override { return language_->Text(target); }
  void ApplyLanguage() { language_->Apply(store_->Header); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  explicit TTovikMain(Seams seams);
  void CreateControls();
  void CreateParts();
  void PreparePage(OrganiserPage& page, TargetOwner owner);
  void FinishStart();
  bool RunCreationSteps();
  void RunActivationSteps();
  void ShowTheStore();
  void ReloadStore();
  void SaveHeader();
  void OnActivate(WPARAM wParam, LPARAM lParam);
  void OnClose();
  void StoreOnLeaving(bool unattended);
  void OnDestroy();
  void OnCommand(Command command);
  void OnPageChange();
  void OpenAddress(const std::wstring& address);

  // What the pages ask of the window.
  const TextLowering& Lowering() override;
  void ShowEventRow(int row) override;
  void ShowMessage(const std::wstring& text) override;
  std::wstring Text(Target target) override { return Utf8ToWide(LanguageText(target)); }
  void UpdateDayMarks() override;
  void Beep() override;
  // What printing and the exports ask of it.
  HWND Owner() override { return hwnd(); }
  std::string DataRoot() override { return location_.DataRoot; }
  int StartOfWeek() override { return Appointments().Calendar().StartOfWeek(); }
  void Report(std::string_view sender, const IoError& error, const std::string& path,
              const std::string& shown) override;

  Seams seams_;
  // The log and the unhandled-error path come first, so that errors of the
  // creation steps are logged (and kept until the log file is known).
  TzqLogging log_;
  UnhandledErrorPath errors_{log_, L"Tovik"};
  DataLocation location_;
  std::unique_ptr<StoreFile> file_;
  std::unique_ptr<OrganiserStore> store_;
  std::unique_ptr<InstallMutex> installMutex_;
  std::unique_ptr<TzqWinFormInstanceControl> guard_;
  ActivationRule activation_;
  MainMenuBar menu_;

  ui::ScaledFonts fonts_;
  std::unique_ptr<ui::FocusTracker> focus_;
  std::unique_ptr<ui::Panel> pnlTop_;
  std::unique_ptr<ui::Panel> pnlBottom_;
  HWND lblWhenDoneExit_ = nullptr;
  HWND btnExit_ = nullptr;
  std::unique_ptr<ui::Tooltips> tooltips_;
  std::unique_ptr<PageTabs> pages_;
  std::unique_ptr<TFormAbout> about_;
  std::unique_ptr<WindowLanguage> language_;
  std::unique_ptr<UserSettings> settings_;
  std::unique_ptr<SaveHandler> saves_;
  std::unique_ptr<ContextHelp> help_;
  std::unique_ptr<CalendarPublishing> publishing_;
  WinDateFormatter dates_;
  std::unique_ptr<TextLowering> lowering_;
  std::unique_ptr<LinksAndDialling> links_;
  Printing printing_{*this, seams_.openPrinter};
  std::unique_ptr<OrganiserTray> tray_;
  bool lineOpen_ = false;
  bool activated_ = false;
  bool storedOnLeaving_ = false;  // until the window is active again
};

}  // namespace tovik
