#include "organiser/output/printing.h"

#include <algorithm>
#include <array>

#include "calendar/event_date.h"

namespace tovik {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte offsets at which the characters of a UTF-8 text end.
std::vector<size_t> CharacterEnds(std::string_view text) {
  std::vector<size_t> ends;
  for (size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || !IsContinuationByte(text[i])) ends.push_back(i);
  }
  return ends;
}

size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string_view FirstCharacters(std::string_view text, size_t count) {
  const std::vector<size_t> ends = CharacterEnds(text);
  if (count >= ends.size()) return text;
  return text.substr(0, count == 0 ? 0 : ends[count - 1]);
}

// The bytes of the longest start of the text, in whole characters, that
// `fits`. Taking a character away never makes a text wider, so a binary
// search finds what removing the last character until it fits would find,
// with a few measurements instead of one per character of a long line.
template <class Fits>
size_t FittingStart(std::string_view text, const Fits& fits) {
  if (fits(text)) return text.size();
  const std::vector<size_t> ends = CharacterEnds(text);
  size_t fitting = 0;  // characters known to fit
  size_t tooMany = ends.size();
  while (tooMany - fitting > 1) {
    const size_t middle = fitting + (tooMany - fitting) / 2;
    if (fits(text.substr(0, ends[middle - 1]))) {
      fitting = middle;
    } else {
      tooMany = middle;
    }
  }
  return fitting == 0 ? 0 : ends[fitting - 1];
}

std::string RightAligned(std::string_view text, size_t width) {
  const size_t count = CharacterCount(text);
  std::string aligned(count < width ? width - count : 0, ' ');
  aligned += text;
  return aligned;
}

// The printer as a text output: lines one below the other from the top, at
// the left edge, cut where they are wider than the page, on a new page near
// the bottom.
class PrintTextDevice {
 public:
  explicit PrintTextDevice(PrintCanvas& canvas) : canvas_(canvas) {}
  void SetFontSize(int points) { canvas_.SetFontSize(points); }
  void WriteLine(std::string_view line);
  void Close() { canvas_.EndDocument(); }

 private:
  void PlaceLine(std::string_view line);
  int Lay(std::string_view line, bool draw);

  PrintCanvas& canvas_;
  int y_ = 0;
};

void PrintHeading(PrintTextDevice& device, std::string_view heading) {
  device.SetFontSize(14);
  device.WriteLine(heading);
  device.SetFontSize(10);
  device.WriteLine({});
}

struct EventsListTexts {
  std::string_view Heading;
  std::string_view Columns;
};

EventsListTexts EventsListTextsOf(Language language) {
  static constexpr std::array<EventsListTexts, kLanguageCount> kTexts{{
      {"  Periodiske begivenheder", "   Måned Dag  Hvem og hvad"},
      {"  Periodic Events", "   Month Day  Who and what"},
      {"  Periodische Termine", "   Monat Tag  Wer und was"},
      {"  Evénements periodic", "    Mois Jour Qui et quoi"},
      {"  Eventos Periódicos", "  Mes Día  Quién y qué"},
      {"  Terugkerende gebeurtenissen", "  Maand Dag  Wie en wat"},
      {"  Повторяющиеся события", "   Месяц День  Кто и Что"},
      {"  Periodic Events", "   Month Day  Who and what"},
  }};
  return kTexts[static_cast<size_t>(ShownLanguage(language)) - 1];
}

constexpr std::string_view kAlphabetSample =
    "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabc";
constexpr size_t kEventLineCharacters = 255;

// The page and the places of the calendar printout (StartPrintPage and its
// measures).
class CalendarPage {
 public:
  CalendarPage(PrintCanvas& canvas, const CalendarPrintTexts& texts)
      : canvas_(canvas), texts_(texts) {
    canvas_.SetFontSize(10);
    lineHeight_ = canvas_.TextHeight("Aj");
    leftX_ = canvas_.TextWidth("MMMMM");
    const std::string sample = "WW, " + texts_.TodayShortDate + ", WWW ";
    textX_ = leftX_ + canvas_.TextWidth(std::string(CharacterCount(sample), 'W'));
    maxWidth_ = canvas_.TextWidth(kAlphabetSample);
    y_ = canvas_.PageHeight();
  }

  // The date line of a day that differs from the one before.
  void StartDate(int32_t day) {
    StartPage();
    y_ += Step();
    date_ = texts_.DateLine(day);
    canvas_.DrawText(leftX_, y_, date_);
  }

  // One line in the text column, cut to the alphabet sample's width; after
  // a page break the date line stands again beside it.
  void TextLine(std::string_view line) {
    if (StartPage()) {
      y_ += Step();
      canvas_.DrawText(leftX_, y_, date_);
    }
    const size_t fitting = FittingStart(
        line, [this](std::string_view start) { return canvas_.TextWidth(start) <= maxWidth_; });
    if (fitting > 0) canvas_.DrawText(textX_, y_, line.substr(0, fitting));
    y_ += Step();
  }

  int Pages() const { return page_; }

 private:
  int Step() const { return lineHeight_ + lineHeight_ / 3; }

  // True when a new page began, with its heading and column caption.
  bool StartPage() {
    if (y_ <= canvas_.PageHeight() - 3 * lineHeight_) return false;
    if (page_ > 0) canvas_.NewPage();
    ++page_;
    canvas_.SetFontSize(14);
    const int headingHeight = canvas_.TextHeight("Aj");
    y_ = headingHeight;
    canvas_.DrawText(leftX_, y_, texts_.Title + texts_.PageLabel + std::to_string(page_));
    y_ += headingHeight;
    canvas_.SetFontSize(10);
    y_ += lineHeight_ / 3;
    canvas_.DrawText(leftX_, y_, texts_.ColumnCaption);
    return true;
  }

  PrintCanvas& canvas_;
  const CalendarPrintTexts& texts_;
  int lineHeight_ = 0;
  int leftX_ = 0;
  int textX_ = 0;
  int maxWidth_ = 0;
  int y_ = 0;
  int page_ = 0;
  std::string date_;
};

// A day text's lines: split at each CR, the LF after it skipped; a break at
// the very end starts no further line.
std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t cr = text.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

// Tabs advance to the next multiple of eight average character widths.
// Returns the line's width; draws it at the device's line position when asked.
int PrintTextDevice::Lay(std::string_view line, bool draw) {
  const int tab = 8 * canvas_.AverageCharWidth();
  int x = 0;
  for (size_t start = 0;;) {
    const size_t end = std::min(line.find('\t', start), line.size());
    const std::string_view piece = line.substr(start, end - start);
    if (draw && !piece.empty()) canvas_.DrawText(x, y_, piece);
    x += canvas_.TextWidth(piece);
    if (end == line.size()) return x;
    if (tab > 0) x = (x / tab + 1) * tab;
    start = end + 1;
  }
}

// A line wider than the page goes on below, cut between two characters; a
// character wider than the page stands on a line of its own.
void PrintTextDevice::WriteLine(std::string_view line) {
  const int width = canvas_.PageWidth();
  do {
    size_t fitting =
        FittingStart(line, [&](std::string_view start) { return Lay(start, false) <= width; });
    if (fitting == 0 && !line.empty()) fitting = CharacterEnds(line).front();
    PlaceLine(line.substr(0, fitting));
    line.remove_prefix(fitting);
  } while (!line.empty());
}

// A line is its text's height and 2 units high, an empty one its font's
// character height and 2; none comes nearer to the bottom than two of its
// own heights.
void PrintTextDevice::PlaceLine(std::string_view line) {
  const int height = (line.empty() ? canvas_.CharHeight() : canvas_.TextHeight(line)) + 2;
  if (y_ > 0 && canvas_.PageHeight() - (y_ + height) < 2 * height) {
    canvas_.NewPage();
    y_ = 0;
  }
  Lay(line, true);
  y_ += height;
}

}  // namespace

std::string DayNotesHeadingPattern(std::string_view title) {
  return "\"   " + std::string(title) + "\", dddddd";
}

void PrintDayNotes(PrintCanvas& canvas, std::string_view heading,
                   const std::vector<std::string>& lines) {
  PrintTextDevice device(canvas);
  PrintHeading(device, heading);
  for (const std::string& line : lines) device.WriteLine("     " + line);
  device.Close();
}

void PrintEventsList(PrintCanvas& canvas, Language language,
                     const std::vector<PrintedEventRow>& rows) {
  PrintTextDevice device(canvas);
  const EventsListTexts texts = EventsListTextsOf(language);
  PrintHeading(device, texts.Heading);
  device.WriteLine(texts.Columns);
  device.WriteLine({});
  for (const PrintedEventRow& row : rows) {
    if (row.Day.empty()) continue;
    device.WriteLine("      " + RightAligned(row.Month, 5) + RightAligned(row.Day, 5) + "   " +
                     row.Text);
  }
  device.Close();
}

// Monthly and weekly events are not printed; a yearly event on a day that
// cannot be found again next year is left out.
std::vector<PrintItem> BuildPrintList(const OrganiserStore& store, const CalendarDate& today) {
  const EventToday now(DayNumberFromDate(today));
  std::vector<PrintItem> items;
  for (size_t i = 0; i < store.EventSlots.size(); ++i) {
    const PeriodicEvent& event = store.EventSlots[i];
    if (event.Month < 1 || event.Month > 12) continue;
    if (const std::optional<int32_t> date = EventDueDate(event.Month, event.Day, now)) {
      items.push_back({*date * 10, -static_cast<int32_t>(i + 1)});
    }
  }
  for (size_t i = 0; i < store.AppointmentSlots.size(); ++i) {
    const int32_t day = store.AppointmentSlots[i].Day;
    if (day >= now.DayNumber) items.push_back({day * 10 + 1, static_cast<int32_t>(i + 1)});
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const PrintItem& a, const PrintItem& b) { return a.Key < b.Key; });
  return items;
}

int PrintCalendar(PrintCanvas& canvas, const OrganiserStore& store,
                  const std::vector<PrintItem>& items, const CalendarPrintTexts& texts) {
  CalendarPage page(canvas, texts);
  int32_t lastDay = 0;
  for (const PrintItem& item : items) {
    const int32_t day = item.Key / 10;
    if (day != lastDay) {
      page.StartDate(day);
      lastDay = day;
    }
    if (item.Reference < 0) {
      const PeriodicEvent& event = store.EventSlots[static_cast<size_t>(-item.Reference) - 1];
      const std::string line = "* " + texts.Text(TextOf(event.Text));
      page.TextLine(FirstCharacters(line, kEventLineCharacters));
      continue;
    }
    const AppointmentEntry& slot = store.AppointmentSlots[static_cast<size_t>(item.Reference) - 1];
    if (slot.Length() <= 0) continue;
    const std::string text = texts.Text(TextOf(slot.Text));
    for (const std::string_view line : TextLines(text)) page.TextLine(line);
  }
  canvas.EndDocument();
  return page.Pages();
}

}  // namespace tovik
