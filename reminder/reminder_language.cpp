#include "reminder/reminder_language.h"

#include <array>
#include <string_view>

namespace tovik {

namespace {
// One language's texts. A null entry sets nothing, so the English text stays.
struct ReminderLanguageTexts {
  const char* HeadingPattern;
  const char* Tomorrow;
  const char* WeekAfterPrefix;
  const char* WeekAfterSuffix;
  const char* WeekAfterFixed;  // replaces prefix, number and suffix
  const char* TodosAndNotes;
  const char* Exit;
};

// Indexed by LanguageId - 1.
constexpr std::array<ReminderLanguageTexts, kLanguageCount> kLanguages{{
    {R"("Aftaler m.v.," dddd ddddd)", "I morgen", "De følgende ", " dage", nullptr, "Opgaver",
     "&Luk"},
    {R"("Appointments etc.," dddd ddddd)", "Tomorrow", "The Following ", " Days", nullptr,
     "To-Do Items", "E&xit"},
    {R"("Termine," dddd ddddd)", "Morgen", "Die folgenden ", " Tage", nullptr, "Aufgaben",
     "Be&enden"},
    {R"("Rendez-vous etc.," dddd ddddd)", "Demain", nullptr, nullptr, "Semaine prochaine", "Tâches",
     "&Quitter"},
    {R"("Citas etc.," dddd ddddd)", "Mañana", "Los ", " días siguientes", nullptr, "Por hacer",
     "&Salir"},
    {R"("Afspraken ed.," dddd ddddd)", "Morgen", "De komende ", " dagen", nullptr,
     "Te-Doen onderdelen", "A&fsluiten"},
    {R"("Дела на сегодня," dddd ddddd)", "Завтра", "Ближайшие ", " дней", nullptr, "Список дел",
     "В&ыход"},
    {R"("Assuntos agendados etc.," dddd ddddd)", "Amanhã", "Próximos ", " dias", nullptr, "A fazer",
     "Sair"},
}};

void SetReminderTexts(ReminderCaptions& captions, const ReminderLanguageTexts& language,
                      int lookAheadDays, int32_t today, DateFormatter& dates) {
  auto set = [](std::string& caption, const char* text) {
    if (text != nullptr) caption = text;
  };
  if (language.HeadingPattern != nullptr) {
    const std::string picture = DatePatternToPicture(language.HeadingPattern, dates.Formats());
    captions.AppointmentsAndEvents = dates.Format(DateFromDayNumber(today), picture);
  }
  set(captions.Tomorrow, language.Tomorrow);
  if (language.WeekAfterFixed != nullptr) {
    captions.WeekAfter = language.WeekAfterFixed;
  } else if (language.WeekAfterPrefix != nullptr) {
    captions.WeekAfter = std::string(language.WeekAfterPrefix) + std::to_string(lookAheadDays) +
                         language.WeekAfterSuffix;
  }
  set(captions.TodosAndNotes, language.TodosAndNotes);
  set(captions.Exit, language.Exit);
}

const ReminderLanguageTexts& TextsOf(Language language) {
  return kLanguages[static_cast<size_t>(language) - 1];
}
}  // namespace

ReminderCaptions ApplyReminderLanguage(Language language, int lookAheadDays, int32_t today,
                                       DateFormatter& dates) {
  ReminderCaptions captions;
  SetReminderTexts(captions, TextsOf(Language::English), lookAheadDays, today, dates);
  if (IsLanguage(language) && language != Language::English)
    SetReminderTexts(captions, TextsOf(language), lookAheadDays, today, dates);
  return captions;
}

}  // namespace tovik
