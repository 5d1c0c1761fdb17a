#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "organiser/languages/language_texts.h"
#include "organiser/languages/targets.h"
#include "ui/focus_tracker_win.h"
#include "ui/fonts_win.h"
#include "ui/panel_win.h"

namespace tovik {

class DateFormatter;
class LinksAndDialling;
class OrganiserStore;
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

// The main window's fonts that its pages use, by their place among them:
// "MS Sans Serif" 8 points, the same bold, and bold 13 pixels high for page
// headings and the shown date.
enum class FontKind { Normal, Bold, Heading };

// One row of a page's design table: a control of a system class, made at its
// designed place on the page's panel and held in a member of the page. The
// rows come in tab order.
template <class Page>
struct ControlDesign {
  HWND Page::*member;
  const wchar_t* className;  // a label when L"STATIC"
  const wchar_t* text = L"";
  DWORD style = 0;  // besides WS_CHILD | WS_VISIBLE
  RECT bounds{};
  FontKind font = FontKind::Normal;
  DWORD exStyle = 0;
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

 protected:
  OrganiserPage(const PageArgs& args, std::string_view sheetName, std::string_view panelName);

  // Creates the controls of a design table on the page's panel.
  template <class Page>
  void CreateControls(Page& page, std::span<const ControlDesign<Page>> table) {
    for (const ControlDesign<Page>& row : table) {
      page.*(row.member) =
          Create(row.className, row.text, row.style, row.bounds, row.font, row.exStyle);
    }
  }
  // A picture of a magnifying glass whose click reaches the page.
  HWND CreateSearchPicture(const RECT& bounds);

  // A link or dial button: the button takes the focus (the note box it acts
  // for commits and remembers its selection), the action runs, and the note
  // box takes the focus back when it still shows.
  void LinkButtonClick(HWND button, HWND noteBox, void (LinksAndDialling::*action)());

  PageHost& Host() const { return *args_.host; }
  ui::FocusTracker& Focus() const { return *args_.focus; }
  HFONT Font(FontKind kind) const { return (*args_.fonts)[static_cast<size_t>(kind)]; }

 private:
  HWND Create(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds,
              FontKind font, DWORD exStyle);

  PageArgs args_;
  ui::Panel sheet_;
  ui::Panel panel_;
};

}  // namespace tovik
