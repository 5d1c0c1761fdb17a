#include "reminder/due_selection.h"

#include "reminder/event_date.h"
#include "reminder/notes_extract.h"
#include "store/data_file.h"

namespace tovik {

namespace {
constexpr uint16_t kLanguageCount = 8;

// A stored text up to its closing NUL.
std::string_view UpToNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// Texts beginning with a control character, a space or "!" are never shown.
bool Showable(std::string_view text) {
  return !text.empty() && static_cast<unsigned char>(text[0]) > 33;
}

// One pass over the records; every record is read, and a text that is not
// selected is dropped at once.
class DueReader {
 public:
  DueReader(RecordReader& in, uint64_t size, const DueWindow& window, ReminderData& out)
      : in_(in), size_(size), window_(window), today_(window.Today), out_(out) {}

  void ReadAll() {
    const auto header = in_.Text(static_cast<int32_t>(kSectionsOffset));
    if (!header) {
      Damaged("the header", 0, 0);
      return;
    }
    const FileHeader fields = DecodeHeader(*header);
    const uint16_t language = SplitSettingsWord(fields.SettingsWord).LanguageId;
    out_.LanguageId = language >= 1 && language <= kLanguageCount ? language : kEnglish;
    out_.BackgroundColor = fields.BackgroundColor;
    out_.FontColor = fields.FontColor;
    if (ReadAppointments() && ReadEvents()) ReadNotes();
  }

 private:
  std::optional<uint16_t> Count(const char* section) {
    const auto count = in_.U16();
    if (!count) Damaged(section, 0, 0);
    return count;
  }

  // A record's stored text, after the length rule; nothing when the file
  // ends first.
  std::optional<std::string_view> Text(std::optional<int32_t> length) {
    if (!length) return std::nullopt;
    return in_.Text(ApplyLengthRule(*length));
  }

  bool ReadAppointments() {
    const auto count = Count("the appointment count");
    if (!count) return false;
    for (unsigned k = 1; k <= *count; ++k) {
      const auto day = in_.U16();
      const auto text = day ? Text(in_.I32()) : std::nullopt;
      if (!text) return Damaged("appointment record", k, *count);
      if (!window_.Contains(*day) || out_.Appointments.size() >= kMaxDueAppointments) continue;
      const std::string_view shown = UpToNul(*text);
      if (!Showable(shown)) continue;
      out_.Appointments.push_back({*day, std::string(shown)});
      out_.DueList.push_back(
          {DueKeyOfAppointment(*day), static_cast<int16_t>(out_.Appointments.size())});
    }
    return true;
  }

  bool ReadEvents() {
    const auto count = Count("the event count");
    if (!count) return false;
    for (unsigned k = 1; k <= *count; ++k) {
      const auto month = in_.U8();
      const auto day = month ? in_.U8() : std::nullopt;
      const auto text = day ? Text(in_.I32()) : std::nullopt;
      if (!text) return Damaged("event record", k, *count);
      if (out_.Events.size() >= kMaxDueEvents) continue;
      const auto date = EventDueDate(*month, *day, today_);
      if (!date || !window_.Contains(*date)) continue;
      const std::string_view shown = UpToNul(*text);
      if (!Showable(shown)) continue;
      out_.Events.push_back({*date, std::string(shown)});
      out_.DueList.push_back(
          {DueKeyOfEvent(*date), static_cast<int16_t>(-static_cast<int>(out_.Events.size()))});
    }
    return true;
  }

  void ReadNotes() {
    const auto count = Count("the note count");
    if (!count) return;
    for (unsigned k = 1; k <= *count; ++k) {
      const auto text = Text(in_.I32());
      if (!text) {
        Damaged("note record", k, *count);
        return;
      }
      AppendNotesExtract(out_.NotesExtract, UpToNul(*text));
    }
  }

  bool Damaged(const char* what, unsigned record, unsigned count) {
    if (in_.failed()) {
      out_.Damage = "The data file could not be read past byte " + std::to_string(in_.position());
    } else {
      out_.Damage = "The data file ends inside " + std::string(what);
      if (count > 0) out_.Damage += " " + std::to_string(record) + " of " + std::to_string(count);
      out_.Damage += " (" + std::to_string(size_) + " bytes)";
    }
    out_.Damage += "; what came before it is shown.";
    return false;
  }

  RecordReader& in_;
  uint64_t size_;
  DueWindow window_;
  EventToday today_;
  ReminderData& out_;
};
}  // namespace

ReminderData SelectDue(std::string_view fileBytes, const DueWindow& window) {
  ReminderData data;
  RecordReader in(fileBytes, 0);
  DueReader(in, fileBytes.size(), window, data).ReadAll();
  return data;
}

std::optional<ReminderData> ReadAndSelect(FileSystem& fs, const std::string& dataFilePath,
                                          const DueWindow& window) {
  std::unique_ptr<File> file;
  uint64_t size = 0;
  try {
    // Read-only: the reminder never writes, and must not stop the organiser
    // from replacing the file while it reads.
    file = fs.Open(dataFilePath, OpenMode::ExistingRead);
    size = file->Size();
  } catch (const IoError&) {
    return std::nullopt;
  }
  ReminderData data;
  RecordReader in(*file, 0);
  DueReader(in, size, window, data).ReadAll();
  return data;
}

}  // namespace tovik
