#pragma once
#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "organiser/languages/language_texts.h"
#include "organiser/languages/targets.h"
#include "store/organiser_store.h"
#include "ui/control_design_win.h"
#include "ui/focus_tracker_win.h"
#include "ui/fonts_win.h"
#include "ui/input_filter.h"
#include "ui/panel_win.h"

namespace tovik {

class DateFormatter;
class LinksAndDialling;
class TextLowering;

// What a page asks of the window that holds it.
class PageHost {
 public:
  // The store, from the first creation step on.
  virtual OrganiserStore& Store() = 0;
  // The user's date formats.
  virtual DateFormatter& Dates() = 0;
  virtual LinksAndDialling& Links() = 0;
  // The user's locale's lower-casing of stored texts, for the searches.
  virtual const TextLowering& Lowering() = 0;
  // The events page in front, with row `row` of its grid current.
  virtual void ShowEventRow(int row) = 0;
  // A message box with the program's title and an OK button.
  virtual void ShowMessage(const std::wstring& text) = 0;
  // A language text that no control shows, in the current language.
  virtual std::wstring Text(Target target) = 0;
  // The day marks of the month the calendar shows, computed again.
  virtual void UpdateDayMarks() = 0;
  // The system's default sound.
  virtual void Beep() = 0;
  // Saves what the pages stored in the store to the data file, and tells
  // the user what they must know of it.
  virtual void SaveChanges() = 0;

 protected:
  ~PageHost() = default;
};

// How a page is made: the window that holds it, where its sheet goes, and
// what the pages share.
struct PageArgs {
  HWND window = nullptr;                   // the main window
  RECT bounds{};                           // the sheet's place in the window's client area
  const ui::ScaledFonts* fonts = nullptr;  // the main window's, from FontKind on
  ui::FocusTracker* focus = nullptr;
  PageHost* host = nullptr;
};

using ui::FontKind;

// One row of a page's design table: a control as designed, held in a member
// of the page. The rows come in tab order.
template <class Page>
struct PageControl {
  HWND Page::*member;
  ui::ControlDesign design;
};

// A page of pgcTop: its sheet (the tab's page), one panel filling it, and the
// controls on that panel. The frame asks each page only for what this door
// offers; the page handles what its own controls report.
class OrganiserPage : public ui::ControlEvents {
 public:
  OrganiserPage(const OrganiserPage&) = delete;
  OrganiserPage& operator=(const OrganiserPage&) = delete;
  virtual ~OrganiserPage() = default;

  ui::Panel& Sheet() { return sheet_; }
  ui::Panel& Panel() { return panel_; }

  // The page's part of the window's activation steps.
  virtual void RunActivationSteps() = 0;
  // The control that takes the focus when the page comes to the front.
  virtual HWND FocusControl() const = 0;
  // The control that a language row names, when the page owns it.
  virtual HWND ControlOf(Target target) const = 0;
  // The help contexts of the page's controls in the current language.
  virtual void ApplyHelpContexts(const HelpContexts& contexts) = 0;

  // The sheet takes the place that pgcTop's tabs leave, in the window's
  // client area.
  void Place(const RECT& bounds);

 protected:
  OrganiserPage(const PageArgs& args, std::string_view sheetName, std::string_view panelName);

  // Creates the controls of a design table on the page's panel.
  template <class Page>
  void CreateControls(Page& page, std::span<const PageControl<Page>> table) {
    for (const PageControl<Page>& row : table) {
      page.*(row.member) = ui::CreateDesigned(panel_, row.design, *args_.fonts);
    }
  }
  // How a control makes room when the sheet is shorter than the page's
  // design needs (pgcTop's tabs took a second row): the page's tall box gives
  // up the height, and what lies below it moves up by as much.
  struct ShortSheetRow {
    HWND window;
    RECT designed;  // in its parent, at 96 DPI
    bool movesUp;   // else it is the tall box, or holds it
  };
  // The rows reach the lowest control on the page.
  void FitShortSheet(std::vector<ShortSheetRow> rows);
  // After the rows took their places for the sheet's height: when the page
  // is made, and whenever the window places its sheets (a change of the
  // tabs' rows or of scale).
  virtual void OnSheetLaidOut() {}

  // A picture of a magnifying glass whose click reaches the page.
  HWND CreateSearchPicture(const RECT& bounds, int id);

  // The commit of a note box, the day's note or a note page: what is
  // selected is remembered for the link and dial buttons, the box's text is
  // stored by `store` and saved. A text the store refuses as too long (or a
  // full table) is told with a message; `afterStore` runs before it.
  std::string CommitNoteBox(HWND box, const std::function<StoreResult(std::string_view)>& store,
                            const std::function<void()>& afterStore = {});

  // A box whose text goes into the data file: a character the file cannot
  // hold is refused as it is typed or pasted, with a beep and a tip.
  void KeepStorable(HWND box);

  // A link or dial button: the button takes the focus (the note box it acts
  // for commits and remembers its selection), the action runs, and the note
  // box takes the focus back when it still shows.
  void LinkButtonClick(HWND button, HWND noteBox, void (LinksAndDialling::*action)());

  PageHost& Host() const { return *args_.host; }
  ui::FocusTracker& Focus() const { return *args_.focus; }
  HFONT Font(FontKind kind) const { return (*args_.fonts)[static_cast<size_t>(kind)]; }

 private:
  std::wstring RefusedInputTip(const ui::FilteredInput& input, bool pasted);
  void LayOutForSheetHeight();

  PageArgs args_;
  ui::Panel sheet_;
  ui::Panel panel_;
  std::vector<ShortSheetRow> shortSheetRows_;
};

}  // namespace tovik
