#include "calendar/kx_calendar_win.h"

#include <cmath>

#include "base/system_win.h"
#include "ui/dpi_win.h"
#include "ui/fonts_win.h"
#include "ui/text_fit_win.h"

namespace tovik {

namespace {

constexpr wchar_t kClassName[] = L"TkxCalendar";

double Today() {
  return DayNumberFromDate(LocalToday());
}

// The names of the weekdays from the first of their locale items, which is
// Monday's; index 0 of the result is Sunday.
DayNames LocaleDayNames(LCTYPE mondayItem) {
  DayNames names;
  for (int weekday = 0; weekday < 7; ++weekday) {
    wchar_t name[64];
    const LCTYPE type = mondayItem + static_cast<LCTYPE>((weekday + 6) % 7);
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, name, 64);
    if (length > 0)
      names[static_cast<size_t>(weekday)].assign(name, static_cast<size_t>(length - 1));
  }
  return names;
}

}  // namespace

std::unique_ptr<TkxCalendar> TkxCalendar::Create(const CreateArgs& args) {
  return std::unique_ptr<TkxCalendar>(new TkxCalendar(args));
}

TkxCalendar::TkxCalendar(const CreateArgs& args)
    : Grid(Shape{kCalendarColumns, kCalendarRows, 1, 1}),
      dateValue_(args.dateValue.value_or(Today())),
      readOnly_(args.readOnly),
      startOfWeek_(args.startOfWeek) {
  fontArgs_ = {.points = args.fontPoints, .bold = args.boldFont};
  font_ = ui::MakeFont(fontArgs_);
  CreateGrid({.className = kClassName,
              .name = args.name,
              .parent = args.parent,
              .bounds = args.bounds,
              .id = args.id});
  SetFont(font_);  // the day names were chosen in its font as the grid took its size
  SetColor(ui::ResolveColor(args.color));
  LayOutMonth();
}

TkxCalendar::~TkxCalendar() {
  // The window goes before the font it draws with.
  if (hwnd()) DestroyWindow(hwnd());
}

LRESULT TkxCalendar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED_AFTERPARENT) {
    ui::GdiObject<HFONT> font = ui::MakeFont(fontArgs_);
    SetFont(font);
    font_ = std::move(font);  // the old one goes when nothing draws with it
    ChooseDayNames();
    return 0;
  }
  return Grid::HandleMessage(message, wParam, lParam);
}

CalendarDate TkxCalendar::Date() const {
  return DateFromDayNumber(static_cast<int32_t>(std::floor(dateValue_)));
}

// The value is kept as given, a time of day included; UseCurrentDate stays.
void TkxCalendar::SetDateValue(double value) {
  dateValue_ = value;
  LayOutMonth();
  NotifyChange();
}

void TkxCalendar::SetDateElement(DateElement element, int value) {
  const std::optional<CalendarDate> date = WithDateElement(Date(), element, value);
  if (!date) return;
  dateValue_ = DayNumberFromDate(*date);
  useCurrentDate_ = false;
  LayOutMonth();
  NotifyChange();
}

void TkxCalendar::SetStartOfWeek(int value) {
  if (value < 0 || value > 6 || value == startOfWeek_) return;
  startOfWeek_ = value;
  LayOutMonth();
}

void TkxCalendar::SetUseCurrentDate(bool value) {
  if (value == useCurrentDate_) return;
  useCurrentDate_ = value;
  if (value) {
    dateValue_ = Today();
    LayOutMonth();
  }
}

void TkxCalendar::LayOutMonth() {
  struct UpdatingScope {
    bool& flag;
    explicit UpdatingScope(bool& f) : flag(f) { flag = true; }
    ~UpdatingScope() { flag = false; }
  } updating(updating_);
  const CalendarDate date = Date();
  monthOffset_ = MonthOffsetOf(date.Year, date.Month, startOfWeek_);
  const GridCell cell = CellOfDay(date.Day, monthOffset_);
  MoveCurrent(cell.Column, cell.Row);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void TkxCalendar::NotifyChange() {
  if (OnChange) OnChange();
}

std::wstring TkxCalendar::DayCellText(int col, int row) const {
  if (row == 0) return dayNames_[static_cast<size_t>(WeekdayOfColumn(col, startOfWeek_))];
  const CalendarDate date = Date();
  const int n = DayOfCell({col, row}, monthOffset_);
  if (n < 1 || n > DaysInMonth(date.Year, date.Month)) return {};
  return std::to_wstring(n);
}

bool TkxCalendar::CanSelectCell(int col, int row) {
  if (readOnly_ && !updating_) return false;
  return !DayCellText(col, row).empty();
}

void TkxCalendar::DrawCell(HDC dc, int col, int row, const RECT& rect) {
  const std::wstring text = DayCellText(col, row);
  if (row > 0 && !text.empty()) {
    const bool current = col == Col() && row == Row();
    SetTextColor(dc, DayTextColor(IsDayMarked(eventDates_, std::stoi(text)), current));
  }
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  const int x = rect.left + (rect.right - rect.left - size.cx) / 2;
  const int y = rect.top + (rect.bottom - rect.top - size.cy) / 2;
  ExtTextOutW(dc, x, y, ETO_CLIPPED, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TkxCalendar::Click() {
  Grid::Click();
  const std::wstring text = DayCellText(Col(), Row());
  if (!text.empty()) SetDay(std::stoi(text));
}

void TkxCalendar::OnSize(int width, int height) {
  const int lines = 6 * GridLineWidth();
  SetDefaultCellSize((width - lines) / 7, (height - lines) / 7);
  ChooseDayNames();
}

// The locale's abbreviated names unless one of them would run into its
// neighbour: each name keeps a pixel of its cell free on either side.
void TkxCalendar::ChooseDayNames() {
  const auto width = [this](std::wstring_view name) {
    return static_cast<int>(
        ui::TextExtent(hwnd(), font_.get(), name, DT_NOPREFIX | DT_SINGLELINE).cx);
  };
  dayNames_ =
      HeaderDayNames(LocaleDayNames(LOCALE_SABBREVDAYNAME1),
                     LocaleDayNames(LOCALE_SSHORTESTDAYNAME1), DefaultColWidth() - 2, width);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

}  // namespace tovik
