#include "reminder/reminder_language.h"

#include <gtest/gtest.h>

#include "reminder_test_support.h"

namespace tovik {
namespace {

TEST(ApplyReminderLanguage, SetsEveryLanguagesTexts) {
  struct Case {
    uint16_t language;
    int lookAhead;
    ReminderCaptions captions;
  };
  const Case cases[] = {
      {1,
       7,
       {"Aftaler m.v., Tuesday 12/8/2026", "I morgen", "De følgende 7 dage", "Opgaver", "&Luk"}},
      {2,
       7,
       {"Appointments etc., Tuesday 12/8/2026", "Tomorrow", "The Following 7 Days", "To-Do Items",
        "E&xit"}},
      {2,
       28,
       {"Appointments etc., Tuesday 12/8/2026", "Tomorrow", "The Following 28 Days", "To-Do Items",
        "E&xit"}},
      {3,
       7,
       {"Termine, Tuesday 12/8/2026", "Morgen", "Die folgenden 7 Tage", "Aufgaben", "Be&enden"}},
      {4,
       7,
       {"Rendez-vous etc., Tuesday 12/8/2026", "Demain", "Semaine prochaine", "Tâches",
        "&Quitter"}},
      {4,
       28,
       {"Rendez-vous etc., Tuesday 12/8/2026", "Demain", "Semaine prochaine", "Tâches",
        "&Quitter"}},
      {5,
       7,
       {"Citas etc., Tuesday 12/8/2026", "Mañana", "Los 7 días siguientes", "Por hacer", "&Salir"}},
      {6,
       28,
       {"Afspraken ed., Tuesday 12/8/2026", "Morgen", "De komende 28 dagen", "Te-Doen onderdelen",
        "A&fsluiten"}},
      {7,
       7,
       {"Дела на сегодня, Tuesday 12/8/2026", "Завтра", "Ближайшие 7 дней", "Список дел",
        "В&ыход"}},
      {8,
       7,
       {"Assuntos agendados etc., Tuesday 12/8/2026", "Amanhã", "Próximos 7 dias", "A fazer",
        "Sair"}},
      {0,
       7,
       {"Appointments etc., Tuesday 12/8/2026", "Tomorrow", "The Following 7 Days", "To-Do Items",
        "E&xit"}},
      {9,
       7,
       {"Appointments etc., Tuesday 12/8/2026", "Tomorrow", "The Following 7 Days", "To-Do Items",
        "E&xit"}},
  };
  testing::PictureFormatter dates;
  for (const auto& c : cases) {
    EXPECT_EQ(ApplyReminderLanguage(static_cast<Language>(c.language), c.lookAhead,
                                    testing::Day(2026, 12, 8), dates),
              c.captions)
        << c.language;
  }
}

TEST(ApplyReminderLanguage, TakesTheHeadingsDateFromTheLocale) {
  testing::PictureFormatter danish({"dd-MM-yyyy", "d. MMMM yyyy"});
  EXPECT_EQ(ApplyReminderLanguage(Language::Danish, 7, testing::Day(2027, 1, 3), danish)
                .AppointmentsAndEvents,
            "Aftaler m.v., Sunday 03-01-2027");
}

}  // namespace
}  // namespace tovik
