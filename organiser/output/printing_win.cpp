#include "organiser/output/printing_win.h"

#include <commdlg.h>

#include <stdexcept>

#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "calendar/date_format.h"
#include "calendar/week_number.h"
#include "organiser/output/diary_export.h"
#include "organiser/output/icalendar_export.h"
#include "store/organiser_store.h"
#include "ui/gdi_win.h"

namespace tovik {
namespace {

constexpr wchar_t kDocumentName[] = L"Tovik";

[[noreturn]] void ThrowPrintError(const char* step) {
  const std::string text = SystemErrorText(GetLastError());
  throw std::runtime_error(std::string("Printing failed (") + step + ")" +
                           (text.empty() ? "" : ": " + text));
}

// A document on the printer's device context, Arial in black. The document
// begins with the canvas; one that is not ended is aborted, so that nothing
// half drawn is printed.
class PrinterCanvas : public PrintCanvas {
 public:
  PrinterCanvas(HDC dc, const wchar_t* document) : dc_(dc) {
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = document;
    if (StartDocW(dc_, &info) <= 0) {
      DeleteDC(dc_);
      ThrowPrintError("StartDoc");
    }
    open_ = true;
    BeginPage();
  }
  ~PrinterCanvas() override {
    if (open_) AbortDoc(dc_);
    if (original_) SelectObject(dc_, original_);
    DeleteDC(dc_);
  }

  // Sizes in points, as the printer's resolution makes them.
  void SetFontSize(int points) override {
    ui::GdiObject<HFONT> font(CreateFontW(-MulDiv(points, GetDeviceCaps(dc_, LOGPIXELSY), 72), 0, 0,
                                          0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          DEFAULT_PITCH | FF_SWISS, L"Arial"));
    const auto previous = static_cast<HFONT>(SelectObject(dc_, font));
    if (!original_) original_ = previous;
    font_ = std::move(font);  // the font it replaces is deselected, then deleted
  }
  int TextWidth(std::string_view text) override { return Extent(text).cx; }
  int TextHeight(std::string_view text) override { return Extent(text).cy; }
  int CharHeight() override { return Metrics().tmHeight; }
  int AverageCharWidth() override { return Metrics().tmAveCharWidth; }
  int PageWidth() override { return GetDeviceCaps(dc_, HORZRES); }
  int PageHeight() override { return GetDeviceCaps(dc_, VERTRES); }
  void DrawText(int x, int y, std::string_view text) override {
    const std::wstring wide = Utf8ToWide(text);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
  }
  void NewPage() override {
    if (EndPage(dc_) <= 0) ThrowPrintError("EndPage");
    BeginPage();
  }
  void EndDocument() override {
    if (EndPage(dc_) <= 0) ThrowPrintError("EndPage");
    open_ = false;
    if (EndDoc(dc_) <= 0) ThrowPrintError("EndDoc");
  }

 private:
  // A new page may come with the device context's defaults: the font and
  // colours are set again.
  void BeginPage() {
    if (StartPage(dc_) <= 0) ThrowPrintError("StartPage");
    if (font_) SelectObject(dc_, font_);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkMode(dc_, TRANSPARENT);
  }
  SIZE Extent(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
  }
  TEXTMETRICW Metrics() {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics;
  }

  HDC dc_;
  ui::GdiObject<HFONT> font_;
  HFONT original_ = nullptr;
  bool open_ = false;
};

}  // namespace

// A last line is empty after a final line break, or in an empty box.
std::vector<std::string> ShownLines(HWND box) {
  std::vector<std::string> lines;
  const auto count = static_cast<int>(SendMessageW(box, EM_GETLINECOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto start = static_cast<int>(SendMessageW(box, EM_LINEINDEX, i, 0));
    const auto length = static_cast<int>(SendMessageW(box, EM_LINELENGTH, start, 0));
    if (i == count - 1 && length == 0) break;
    // EM_GETLINE takes the buffer's size in its first word.
    std::wstring line(static_cast<size_t>(std::max(length, 1)), L'\0');
    line[0] = static_cast<wchar_t>(length);
    const auto got =
        static_cast<int>(SendMessageW(box, EM_GETLINE, i, reinterpret_cast<LPARAM>(line.data())));
    line.resize(static_cast<size_t>(std::max(got, 0)));
    lines.push_back(WideToUtf8(line));
  }
  return lines;
}

// A cancelled dialog prints nothing; without a printer the dialog has
// warned the user itself.
std::unique_ptr<PrintCanvas> OpenChosenPrinter(HWND owner) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  const BOOL chosen = PrintDlgW(&dialog);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (!chosen || !dialog.hDC) return nullptr;
  return std::make_unique<PrinterCanvas>(dialog.hDC, kDocumentName);
}

// The exports write their file beside the earlier one, which it then
// replaces, so a failed export leaves that one whole; the user is told, and
// the log keeps the reason. Success shows nothing.
void Printing::ExportTo(Target item, Target failureText, const std::string& path,
                        const std::function<void(FileSystem& fs)>& write) {
  Win32FileSystem fs;
  try {
    write(fs);
  } catch (const IoError& e) {
    source_.Report(TargetName(item), e, path,
                   source_.LanguageText(failureText) + "\n\n" + path + "\n" + e.what());
  }
}

void Printing::ExportDiary() {
  const OrganiserStore& store = source_.Store();
  const std::string path = source_.DataRoot() + std::string(DiaryFileName(store.Header.LanguageId));
  ExportTo(Target::miSaveDiary, Target::MsgExportFailed, path, [&](FileSystem& fs) {
    tovik::ExportDiary(fs, path, store.AppointmentSlots, [this](int32_t day) {
      return WideToAnsi(Utf8ToWide(FormatDate(source_.Dates(), DateFromDayNumber(day), "ddddd")));
    });
  });
}

// The stored texts are in the ANSI code page; the calendar file is UTF-8.
void Printing::ExportICalendar() {
  const OrganiserStore& store = source_.Store();
  const std::string path = source_.DataRoot() + std::string(kICalendarFileName);
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  const ICalendarSource source{
      .Slots = store.AppointmentSlots,
      .Events = store.EventSlots,
      .Today = DayNumberFromDate(LocalToday()),
      .Stamp = ICalendarStamp(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond),
      .ToUtf8 = AnsiToUtf8};
  ExportTo(Target::miExportICalendar, Target::MsgICalendarExportFailed, path,
           [&](FileSystem& fs) { tovik::ExportICalendar(fs, path, source); });
}

void Printing::PrintEventsList(const std::vector<PrintedEventRow>& rows) {
  const std::unique_ptr<PrintCanvas> canvas = openPrinter_(source_.Owner());
  if (!canvas) return;
  tovik::PrintEventsList(*canvas, source_.Store().Header.LanguageId, rows);
}

void Printing::PrintDayNotes(const CalendarDate& day, const std::vector<std::string>& lines) {
  const std::unique_ptr<PrintCanvas> canvas = openPrinter_(source_.Owner());
  if (!canvas) return;
  const std::string heading = FormatDate(
      source_.Dates(), day, DayNotesHeadingPattern(source_.LanguageText(Target::PrintTitle)),
      source_.Store().LongDatePrefix);
  tovik::PrintDayNotes(*canvas, heading, lines);
}

void Printing::PrintCalendar() {
  const std::unique_ptr<PrintCanvas> canvas = openPrinter_(source_.Owner());
  if (!canvas) return;
  const CalendarDate today = LocalToday();
  const OrganiserStore& store = source_.Store();
  DateFormatter& dates = source_.Dates();
  const int startOfWeek = source_.StartOfWeek();
  const CalendarPrintTexts texts{
      .Title = source_.LanguageText(Target::PrintTitle),
      .PageLabel = source_.LanguageText(Target::PrintPageLabel),
      .ColumnCaption = source_.LanguageText(Target::PrintColumnCaption),
      .TodayShortDate = FormatDate(dates, today, "ddddd"),
      .DateLine =
          [&](int32_t day) {
            return WeekNumberText(day, startOfWeek, store.Header.FirstWeekRule) + ", " +
                   FormatDate(dates, DateFromDayNumber(day), "ddddd, ddd");
          },
      .Text = AnsiToUtf8};
  tovik::PrintCalendar(*canvas, store, BuildPrintList(store, today), texts);
}

}  // namespace tovik
