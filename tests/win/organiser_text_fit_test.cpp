// locales: en_US.UTF-8 da_DK.UTF-8 ru_RU.UTF-8
// Every text of the organiser shows whole, in every language and at every
// scale: each label, button, tab and grid heading is measured with its own
// font against its control, the calendar's day names stay apart, and a
// caption keeps a gap to the box it names.
#include <windows.h>
#include <commctrl.h>

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

void ExpectFits(const std::wstring& text, SIZE need, SIZE room) {
  EXPECT_TRUE(need.cx <= room.cx && need.cy <= room.cy)
      << '"' << WideToUtf8(text) << "\" needs " << need.cx << "x" << need.cy << ", has " << room.cx
      << "x" << room.cy;
}

SIZE Padded(SIZE text, int each) {
  return {text.cx + 2 * each, text.cy};
}

// A window's place in its parent's pixels.
RECT PlaceOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The tabs, labels and buttons anywhere inside the window, and each control
// of a page inside its parent: a page whose tabs took a second row still
// shows all of itself.
void CheckControls(HWND top) {
  std::vector<HWND> controls;
  EnumChildWindows(
      top,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  for (const HWND control : controls) {
    wchar_t kind[64] = {};
    GetClassNameW(control, kind, 64);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    const std::wstring text = ui::WindowText(control);
    if ((style & WS_VISIBLE) && GetParent(control) != top) {
      RECT room;
      GetClientRect(GetParent(control), &room);
      const RECT place = PlaceOf(control);
      ExpectFits(std::wstring(kind) + L" " + text + L" inside its parent",
                 {place.right, place.bottom}, {room.right, room.bottom});
    }
    if (std::wstring(kind) == WC_TABCONTROLW) {
      for (int tab = 0; tab < TabCtrl_GetItemCount(control); ++tab) {
        const std::wstring caption = ui::TabCaption(control, tab);
        RECT item;
        TabCtrl_GetItemRect(control, tab, &item);
        ExpectFits(caption, Padded(ui::TextExtent(control, caption, DT_SINGLELINE), kEdgeClearance),
                   {item.right - item.left, item.bottom - item.top});
        ExpectFits(caption + L" on view", {item.right, 0}, {client.right, 0});
      }
    } else if (_wcsicmp(kind, L"Static") == 0 && !text.empty() &&
               (style & SS_TYPEMASK) <= SS_RIGHT) {  // a text, not a picture
      const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
      ExpectFits(text, ui::TextExtent(control, text, prefix), {client.right, client.bottom});
    } else if (_wcsicmp(kind, L"Button") == 0 && !text.empty()) {
      ExpectFits(text, Padded(ui::TextExtent(control, text, DT_SINGLELINE), kEdgeClearance),
                 {client.right, client.bottom});
    }
  }
}

// The right end of a caption's text, in its parent's pixels.
int TextRight(HWND label) {
  const RECT r = PlaceOf(label);
  if ((GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT) return r.right;
  return r.left + ui::TextExtent(label, ui::WindowText(label)).cx;
}

class TextFitTest : public OrganiserWindowTest {
 protected:
  void TearDown() override {
    OrganiserWindowTest::TearDown();
    ui::SetLayoutDpi(ui::kDesignDpi);
  }
  // Feasts with two-digit days and months in 2024, and a note tab titled by
  // a long first word.
  void StartAt(int dpi) {
    ui::SetLayoutDpi(dpi);
    today_ = [] { return CalendarDate{2024, 3, 31}; };
    Start();
    NotesPage& notes = main_->Notes();
    SetWindowTextW(notes.NoteBox(), L"Telefonnumre, adresser og f\u00f8dselsdage");
    SetFocus(notes.NoteBox());
    SetFocus(notes.SearchBox());
    Pump();
  }
  void CheckEverything() {
    CheckControls(main_->hwnd());
    CheckControls(main_->About().hwnd());
    // Grid headings are drawn two pixels in from the cell's left; a day name
    // leaves a pixel of its cell free on either side.
    ui::StringGrid& grid = main_->Events().Grid();
    for (int col = 0; col < grid.Columns(); ++col) {
      const std::wstring& text = grid.Cell(col, 0);
      ExpectFits(text, Padded(ui::TextExtent(grid.hwnd(), grid.Font(), text), 2),
                 {grid.ColWidth(col) + 1, grid.DefaultRowHeight()});
    }
    TkxCalendar& calendar = main_->Appointments().Calendar();
    for (int col = 0; col < calendar.Columns(); ++col) {
      const std::wstring name = calendar.DayCellText(col, 0);
      ExpectFits(name, {ui::TextExtent(calendar.hwnd(), calendar.Font(), name).cx + 2, 0},
                 {calendar.ColWidth(col), 0});
    }
    // The note box leaves every row of tabs on view.
    const HWND noteTabs = main_->Notes().TabStrip();
    for (int tab = 0; tab < TabCtrl_GetItemCount(noteTabs); ++tab) {
      RECT item;
      TabCtrl_GetItemRect(noteTabs, tab, &item);
      ExpectFits(L"note tab above the box", {0, item.bottom},
                 {0, PlaceOf(main_->Notes().NoteBox()).top});
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
      ExpectFits(ui::WindowText(label) + L" apart from its box", {3, 0},
                 {PlaceOf(box).left - TextRight(label), 0});
    }
  }
};

TEST_F(TextFitTest, EveryTextFitsItsControlInEveryLanguageAndScale) {
  for (const int dpi : {96, 144, 192}) {
    StartAt(dpi);
    for (int language = 1; language <= kLanguageCount; ++language) {
      SCOPED_TRACE(::testing::Message() << "language " << language << " at " << dpi << " DPI");
      Run(LanguageCommand(static_cast<Language>(language)));
      CheckEverything();
    }
    main_.reset();
    Pump();
  }
}

}  // namespace
}  // namespace tovik
