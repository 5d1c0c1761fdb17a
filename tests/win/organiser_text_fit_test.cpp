// locales: en_US.UTF-8 da_DK.UTF-8 ru_RU.UTF-8
// Every text of the organiser shows whole, in every language and at every
// scale: each label, button, tab and grid heading is measured with its own
// font against its control, the calendar's day names stay apart, and a
// caption keeps a gap to the box it names.
#include <windows.h>
#include <commctrl.h>

#include <sstream>
#include <string>
#include <vector>

#include "organiser/frame/commands.h"
#include "tests/win/organiser_test_support.h"
#include "ui/dpi_win.h"
#include "ui/tabs_win.h"
#include "ui/text_fit_win.h"

namespace tovik {
namespace {

using namespace testing;

// Clear of each edge of a button or a tab.
constexpr int kEdgeClearance = 3;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT ClientOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r;
}

// Collects the texts that do not fit, one line each.
class FitReport {
 public:
  FitReport(int dpi, int language) : dpi_(dpi), language_(language) {}
  void Check(HWND window, const std::wstring& text, SIZE need, SIZE room) {
    if (need.cx <= room.cx && need.cy <= room.cy) return;
    std::wostringstream line;
    line << L"language " << language_ << L" at " << dpi_ << L" DPI: \"" << text << L"\" (id "
         << GetDlgCtrlID(window) << L", " << ClassOf(window) << L") needs " << need.cx << L"x"
         << need.cy << L", has " << room.cx << L"x" << room.cy;
    lines_.push_back(line.str());
  }
  std::string Text() const {
    std::wstring all;
    for (const std::wstring& line : lines_) all += line + L"\n";
    return WideToUtf8(all);
  }
  bool Empty() const { return lines_.empty(); }

 private:
  int dpi_;
  int language_;
  std::vector<std::wstring> lines_;
};

// Labels, buttons and tab strips anywhere inside the window.
void CheckControls(HWND top, FitReport& report) {
  std::vector<HWND> controls;
  EnumChildWindows(
      top,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  for (const HWND control : controls) {
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const RECT client = ClientOf(control);
    const SIZE room{client.right, client.bottom};
    // The page tabs' captions are wider than the window in five languages:
    // they need a second row of tabs, for which the window makes no room yet.
    if (kind == WC_TABCONTROLW && GetDlgCtrlID(control) != PageTabs::kId) {
      const int count = TabCtrl_GetItemCount(control);
      for (int tab = 0; tab < count; ++tab) {
        const std::wstring caption = ui::TabCaption(control, tab);
        RECT item;
        TabCtrl_GetItemRect(control, tab, &item);
        const SIZE need = ui::TextExtent(control, caption, DT_SINGLELINE);
        report.Check(control, caption, {need.cx + 2 * kEdgeClearance, need.cy},
                     {item.right - item.left, item.bottom - item.top});
        // The whole tab is on view.
        report.Check(control, caption, {item.right, 0}, room);
      }
      continue;
    }
    if (kind == WC_TABCONTROLW) continue;
    const std::wstring text = ui::WindowText(control);
    if (text.empty()) continue;
    if (_wcsicmp(kind.c_str(), L"Static") == 0) {
      const LONG type = style & SS_TYPEMASK;
      if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) continue;
      const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
      report.Check(control, text, ui::TextExtent(control, text, prefix), room);
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      const SIZE need = ui::TextExtent(control, text, DT_SINGLELINE);
      report.Check(control, text, {need.cx + 2 * kEdgeClearance, need.cy}, room);
    }
  }
}

// The grid's headings, drawn two pixels in from the cell's left.
void CheckGridHeadings(ui::StringGrid& grid, FitReport& report) {
  for (int col = 0; col < grid.Columns(); ++col) {
    const std::wstring& text = grid.Cell(col, 0);
    const SIZE need = ui::TextExtent(grid.hwnd(), grid.Font(), text, DT_SINGLELINE);
    report.Check(grid.hwnd(), text, {need.cx + 2 + 1, need.cy},
                 {grid.ColWidth(col), grid.DefaultRowHeight()});
  }
}

// A day name leaves at least a pixel of its cell free on either side; the
// rows keep their designed height, which the digits also fill.
void CheckDayNames(TkxCalendar& calendar, FitReport& report) {
  for (int col = 0; col < calendar.Columns(); ++col) {
    const std::wstring name = calendar.DayCellText(col, 0);
    const SIZE need = ui::TextExtent(calendar.hwnd(), calendar.Font(), name, DT_SINGLELINE);
    report.Check(calendar.hwnd(), name, {need.cx + 2, 0}, {calendar.ColWidth(col), 0});
  }
}

// A window's place in its parent's pixels.
RECT PlaceOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The right end of a caption's text, in its parent's pixels.
int TextRight(HWND label) {
  const RECT r = PlaceOf(label);
  if ((GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT) return r.right;
  return r.left + ui::TextExtent(label, ui::WindowText(label), DT_NOPREFIX).cx;
}

class TextFitTest : public OrganiserWindowTest {
 protected:
  void TearDown() override {
    OrganiserWindowTest::TearDown();
    ui::SetLayoutDpi(ui::kDesignDpi);
  }
  // Feasts with two-digit days and months: 31 March, 19 May 2024.
  void StartAt(int dpi) {
    ui::SetLayoutDpi(dpi);
    today_ = [] { return CalendarDate{2024, 3, 31}; };
    Start();
    main_->Events();
    main_->About();
    // A note page titled by a long first word, and one by a short one.
    NotesPage& notes = main_->Notes();
    SetWindowTextW(notes.NoteBox(), L"Telefonnumre, adresser og f\u00f8dselsdage");
    SetFocus(notes.NoteBox());
    SetFocus(notes.SearchBox());
    Pump();
  }
  void CheckEverything(FitReport& report) {
    CheckControls(main_->hwnd(), report);
    CheckControls(main_->About().hwnd(), report);
    CheckGridHeadings(main_->Events().Grid(), report);
    CheckDayNames(main_->Appointments().Calendar(), report);
    // The note box leaves every row of tabs on view.
    NotesPage& notes = main_->Notes();
    for (int tab = 0; tab < TabCtrl_GetItemCount(notes.TabStrip()); ++tab) {
      RECT item;
      TabCtrl_GetItemRect(notes.TabStrip(), tab, &item);
      report.Check(notes.TabStrip(), ui::TabCaption(notes.TabStrip(), tab) + L" above the note box",
                   {0, item.bottom}, {0, PlaceOf(notes.NoteBox()).top});
    }
    AppointmentsPage& page = main_->Appointments();
    TFormAbout& about = main_->About();
    const std::pair<HWND, HWND> captions[] = {
        {page.ControlOf(Target::lblYear), page.ControlOf(Target::edtShowYear)},
        {page.ControlOf(Target::lblMonth), page.ControlOf(Target::edtShowMonth)},
        {page.ControlOf(Target::lblWeek), page.WeekNumberLabel()},
        {about.ControlOf(Target::lblDataPath_Root), about.DataRootBox()},
        {about.ControlOf(Target::lblDataPath_TovikDat), about.DataFileBox()},
    };
    for (const auto& [label, box] : captions) {
      const int gap = PlaceOf(box).left - TextRight(label);
      report.Check(label, ui::WindowText(label) + L" to its box", {3, 0}, {gap, 0});
    }
  }
};

TEST_F(TextFitTest, EveryTextFitsItsControlInEveryLanguageAndScale) {
  for (const int dpi : {96, 144, 192}) {
    StartAt(dpi);
    for (int language = 1; language <= kLanguageCount; ++language) {
      Run(LanguageCommand(static_cast<Language>(language)));
      FitReport report(dpi, language);
      CheckEverything(report);
      EXPECT_TRUE(report.Empty()) << report.Text();
    }
    main_.reset();
    Pump();
  }
}

}  // namespace
}  // namespace tovik
