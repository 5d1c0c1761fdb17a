#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "calendar/kx_calendar_win.h"
#include "organiser/MinAbout_win.h"
#include "organiser/activation_rule.h"
#include "organiser/commands.h"
#include "organiser/language_texts.h"
#include "organiser/menu_win.h"
#include "organiser/registry_options_win.h"
#include "shared/data_location.h"
#include "shared/install_mutex_win.h"
#include "shared/instance_control_win.h"
#include "shared/logging_win.h"
#include "shared/unhandled_error_win.h"
#include "store/organiser_store.h"
#include "ui/focus_tracker_win.h"
#include "ui/gdi_win.h"
#include "ui/panel_win.h"
#include "ui/window_win.h"

namespace tovik {

// The organiser's main window: the frame with its top and bottom panels, the
// page control with the three pages, the main menu, and the life cycle of the
// program (creation, activation, close, destruction). It owns the store, the
// log, the instance guard and the About box.
class TTovikMain : public ui::Window {
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
  };

  // The start-up sequence up to the message loop: the window is created (its
  // creation steps), shown unless another organiser runs (its first
  // activation), then the About box is created, the language applied and the
  // header saved. Null when the program must end at once (the data file
  // could not be created; the user has been told).
  static std::unique_ptr<TTovikMain> Start(Seams seams, int showCommand);
  ~TTovikMain() override;

  // False when another organiser runs: the program ends when its message loop
  // begins, without showing its window.
  bool MayRun() const { return guard_ && guard_->IsFirstInstance(); }
  // Hands a message to the menu's accelerators and the dialog keys of the
  // window or the About box; true when it was taken.
  bool PreTranslate(MSG& message);

  OrganiserStore& Store() { return *store_; }
  const DataLocation& Location() const { return location_; }
  TzqLogging& Log() { return log_; }
  const MainMenuBar& Menu() const { return menu_; }
  const RegistryOptions& Options() const { return options_; }
  TFormAbout* About() { return about_.get(); }
  TkxCalendar& Calendar() { return *calendar_; }
  ui::FocusTracker& Focus() { return *focus_; }

  // The panels and pages by their names ("pnlTop", "psEvents", "pnlTasksInner").
  ui::Panel* PanelNamed(std::string_view name) const;
  // The tab index of a page name, or -1.
  static int PageIndex(std::string_view name);
  int ActivePage() const;
  void SelectPage(int page);

  // The controls by name, for the language texts, hints and help contexts;
  // the pages register their own controls here.
  void RegisterControl(std::string_view name, HWND control);
  HWND Control(std::string_view name) const;
  // A language text that is no control's (a message or print text, a grid
  // heading), in UTF-8; empty before ApplyLanguage.
  std::string LanguageText(std::string_view name, TextKind kind = TextKind::Variable) const;

  // Sets every text, tick, colour and help context for the store's language,
  // with English as the base layer.
  void ApplyLanguage();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  explicit TTovikMain(Seams seams);
  void CreateControls();
  void CreatePages();
  bool RunCreationSteps();
  void RunActivationSteps();
  void OnActivate(WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnDestroy();
  void OnCommand(Command command);
  void OnPageChange();
  void UpdatePageVisibility();

  void SetLanguageTexts();
  void SetRowText(const LanguageRow& row);
  void SetHint(HWND control, const std::wstring& text);
  void ApplyColors();
  void ApplyHelpContexts();

  void ToggleOption(bool RegistryOptions::*option);
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

  // Steps that the pages and the other parts of the window fill in; until
  // their features are built they do nothing, and the frame runs without them.
  void LimitDayNoteLength();         // appointments page: memAppDiary to 32700 characters
  void OpenTelephonyLine();          // links and dialling
  void CloseTelephonyLine();         // links and dialling
  void ShowSpinBoxesFromCalendar();  // appointments page: udSelectMonth, udSelectYear
  void ShowSelectedDay();            // appointments page
  void FillEventsGrid();             // events page
  void RetitleNoteTabs();            // notes page: NoteTabTitle of each page with text
  void ShowFirstNotePage();          // notes page: CurrentNotePage 1 in memTodoNotes
  void ClearRememberedSelection();   // links: RememberedLink and RememberedNumber
  void ShowWeekNumber();             // appointments page: UgeNr from SelectedDay
  void ShowDateAndFeasts();          // appointments page: lblShownDate and lblHoly
  void PageChangedByUser();          // appointments page: pgcTopChange
  void SetTrayIcon(bool visible);    // tray icon: MinimizeToTray and IconVisible
  // The control that takes the focus as the window closes (edtShowYear), so
  // that the focused editor commits; and the day note, where the focus goes
  // at each activation. Until the page has them, the calendar takes the focus.
  HWND CloseFocusTarget();
  HWND DayNoteBox();

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
  std::unique_ptr<ui::FocusTracker> focus_;
  std::unique_ptr<TFormAbout> about_;
  MainMenuBar menu_;

  ui::GdiObject<HFONT> font_;
  ui::GdiObject<HFONT> titleFont_;
  std::unique_ptr<ui::Panel> pnlTop_;
  std::unique_ptr<ui::Panel> pnlBottom_;
  HWND pgcTop_ = nullptr;
  std::array<std::unique_ptr<ui::Panel>, 3> pages_;  // psAppointments, psEvents, psTodos
  std::array<std::unique_ptr<ui::Panel>, 3>
      pagePanels_;  // pnlAftaleKalender, pnlBegivenheder, pnlOpgaver
  std::unique_ptr<ui::Panel> pnlTasksInner_;
  std::unique_ptr<TkxCalendar> calendar_;
  HWND tooltip_ = nullptr;
  std::map<std::string, HWND, std::less<>> controls_;
  std::map<std::string, std::string, std::less<>> texts_;  // language texts without a control
  bool contextHelpMode_ = false;
  std::array<COLORREF, 16> customBackgrounds_{};
  std::array<COLORREF, 16> customFontColors_{};
};

}  // namespace tovik
