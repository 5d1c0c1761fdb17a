#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/day_number.h"
#include "calendar/month_layout.h"
#include "ui/colors_win.h"
#include "ui/fonts_win.h"
#include "ui/gdi_win.h"
#include "ui/grid_win.h"

namespace tovik {

// The month calendar: a header row of abbreviated weekday names from the
// user's regional settings and six rows of days. The current cell is the
// day of DateValue; marked days (EventDates) are drawn red, or yellow when
// current. It knows nothing of the organiser's data.
class TkxCalendar : public ui::Grid {
 public:
  struct CreateArgs {
    std::string_view name = "cdrCalender";
    HWND parent = nullptr;
    // As designed on the organiser's calendar page.
    RECT bounds{154, 48, 154 + 176, 48 + 93};
    int id = 0;
    int startOfWeek = 1;  // 0 = Sunday ... 6 = Saturday
    bool readOnly = false;
    int32_t color = ui::SystemColor(COLOR_BTNHIGHLIGHT);
    int fontPoints = 8;
    bool boldFont = true;
    // Date-time (days since 30 December 1899); today when not given.
    std::optional<double> dateValue = {};
  };

  static std::unique_ptr<TkxCalendar> Create(const CreateArgs& args);
  ~TkxCalendar() override;

  double DateValue() const { return dateValue_; }
  void SetDateValue(double value);
  int Year() const { return Date().Year; }
  int Month() const { return Date().Month; }
  int Day() const { return Date().Day; }
  void SetYear(int value) { SetDateElement(DateElement::Year, value); }
  void SetMonth(int value) { SetDateElement(DateElement::Month, value); }
  void SetDay(int value) { SetDateElement(DateElement::Day, value); }

  int StartOfWeek() const { return startOfWeek_; }
  void SetStartOfWeek(int value);
  bool UseCurrentDate() const { return useCurrentDate_; }
  void SetUseCurrentDate(bool value);
  uint32_t EventDates() const { return eventDates_; }
  void SetEventDates(uint32_t marks) { eventDates_ = marks; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  int MonthOffset() const { return monthOffset_; }

  std::wstring DayCellText(int col, int row) const;

  // Raised after every change of the date through the date properties or a
  // click; never by StartOfWeek, UseCurrentDate or EventDates.
  std::function<void()> OnChange;

 protected:
  bool CanSelectCell(int col, int row) override;
  void DrawCell(HDC dc, int col, int row, const RECT& rect) override;
  void Click() override;
  void OnSize(int width, int height) override;
  // The font follows the window to a monitor of another scale.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  explicit TkxCalendar(const CreateArgs& args);
  CalendarDate Date() const;
  void SetDateElement(DateElement element, int value);
  void LayOutMonth();
  void NotifyChange();
  void ChooseDayNames();

  double dateValue_ = 0;
  int monthOffset_ = 1;
  bool readOnly_ = false;
  int startOfWeek_ = 1;
  bool updating_ = false;
  bool useCurrentDate_ = true;
  uint32_t eventDates_ = 0;
  DayNames dayNames_;  // of the header, by weekday from Sunday
  ui::FontArgs fontArgs_;
  ui::GdiObject<HFONT> font_;
};

}  // namespace tovik
