#include "reminder/due_selection.h"

#include "calendar/event_date.h"
#include "reminder/notes_extract.h"
#include "store/data_file.h"
#include "store/section_reader.h"

namespace tovik {

namespace {

// Keeps what is due from the records the walker hands over; a text that is
// not selected is dropped at once.
class DueSelector {
 public:
  DueSelector(const DueWindow& window, ReminderData& out)
      : window_(window), today_(window.Today), out_(out) {}

  void AppointmentCount(uint16_t) {}
  void Appointment(uint16_t day, std::string_view stored) {
    if (!window_.Contains(day) || out_.Appointments.size() >= kDesignedAppointmentSlots) return;
    if (!StartsAboveBang(stored)) return;
    out_.Appointments.push_back({day, std::string(TextOf(stored))});
    out_.DueList.push_back(
        {DueKeyOfAppointment(day), static_cast<int16_t>(out_.Appointments.size())});
  }
  void Event(uint8_t month, uint8_t day, std::string_view stored) {
    if (out_.Events.size() >= kEventSlots) return;
    const auto date = EventDueDate(month, day, today_);
    if (!date || !window_.Contains(*date)) return;
    out_.Events.push_back({*date, std::string(TextOf(stored))});
    out_.DueList.push_back(
        {DueKeyOfEvent(*date), static_cast<int16_t>(-static_cast<int>(out_.Events.size()))});
  }
  void Note(unsigned, std::string_view stored) {
    AppendNotesExtract(out_.NotesExtract, TextOf(stored));
  }

 private:
  DueWindow window_;
  EventToday today_;
  ReminderData& out_;
};

std::string DamageText(const RecordReader& in, const SectionWalkEnd& end, uint64_t size) {
  std::string text;
  if (in.failed()) {
    text = "The data file could not be read past byte " + std::to_string(in.position());
  } else {
    text = "The data file ends inside " + std::string(end.what);
    if (end.count > 0)
      text += " " + std::to_string(end.record) + " of " + std::to_string(end.count);
    text += " (" + std::to_string(size) + " bytes)";
  }
  return text + "; what came before it is shown.";
}

// One pass over the header and the records.
void ReadAll(RecordReader& in, uint64_t size, const DueWindow& window, ReminderData& out) {
  const auto header = in.Text(static_cast<int32_t>(kSectionsOffset));
  if (!header) {
    out.Damage = DamageText(in, {false, "the header"}, size);
    return;
  }
  const FileHeader fields = DecodeHeader(*header);
  out.LanguageId = ShownLanguage(fields.LanguageId);
  out.BackgroundColor = fields.BackgroundColor;
  out.FontColor = fields.FontColor;
  DueSelector selector(window, out);
  if (const SectionWalkEnd end = WalkSections(in, selector); !end.complete) {
    out.Damage = DamageText(in, end, size);
  }
}
}  // namespace

ReminderData SelectDue(std::string_view fileBytes, const DueWindow& window) {
  ReminderData data;
  RecordReader in(fileBytes, 0);
  ReadAll(in, fileBytes.size(), window, data);
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
  ReadAll(in, size, window, data);
  return data;
}

}  // namespace tovik
