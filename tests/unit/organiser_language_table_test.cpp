#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "organiser/language_texts.h"

namespace tovik {
namespace {

using enum Target;
using enum TextKind;

std::optional<std::string_view> OwnText(Language language, Target target, TextKind kind) {
  for (const LanguageRow& row : LanguageRows(language)) {
    if (row.target == target && row.kind == kind) return row.text;
  }
  return std::nullopt;
}

std::string_view ShownText(Language language, Target target, TextKind kind) {
  for (const LanguageRow& row : ShownLanguageRows(language)) {
    if (row.target == target && row.kind == kind) return row.text;
  }
  return {};
}

TEST(LanguageTable, EveryLanguageSetsEveryRowButPortugueseLookAhead) {
  const auto english = LanguageRows(Language::English);
  EXPECT_EQ(english.size(), 73u);  // the 68 rows and five of our own
  for (int id = 1; id <= kLanguageCount; ++id) {
    const auto language = static_cast<Language>(id);
    for (const LanguageRow& row : english) {
      const bool englishStands =
          language == Language::Portuguese && row.target == miExtendLookAheadDays;
      EXPECT_EQ(OwnText(language, row.target, row.kind).has_value(), !englishStands)
          << id << " " << TargetName(row.target);
    }
    EXPECT_EQ(LanguageRows(language).size(), english.size() - (language == Language::Portuguese));
    EXPECT_EQ(ShownText(language, lblDataPath_TovikDat, Text), "Tovik.dat :");
    EXPECT_EQ(ShownText(language, edtShowYear, Hint), ShownText(language, udSelectYear, Hint));
    EXPECT_EQ(ShownText(language, edtShowMonth, Hint), ShownText(language, udSelectMonth, Hint));
  }
}

TEST(LanguageTable, EnglishAndDanishAsDesigned) {
  struct {
    Target target;
    TextKind kind;
    std::string_view english, danish;
  } rows[] = {
      // clang-format off
      {psAppointments, Text, "Calendar + Diary", "Aftaler + dagbog"},
      {psEvents, Text, "Periodic Events", "Period. begivenh."},
      {psTodos, Text, "To-Do + Notes", "Opgaver + noter"},
      {lblYear, Text, "Year", "År"},
      {lblMonth, Text, "Month", "Måned"},
      {lblAppointmentsDiary, Text, "Appointments/Diary", "Aftaler/dagbog"},
      {lblWeek, Text, "Week", "Ugenr"},
      {lblEventsHead, Text, "Periodic Events", "Periodiske begivenheder"},
      {sgEvents, GridHeading1, "Mon", "Mnd"},
      {sgEvents, GridHeading2, "Day", "Dag"},
      {sgEvents, GridHeading3, "Who and What", "Hvem og hvad"},
      {lblTodoNotesHead, Text, "To-Do Items and Notes ", "Opgaver og noter"},
      {lblWhenDoneExit, Text, "And when you are done", "Og når du er helt færdig"},
      {btnExit, Text, "&Exit", "&Luk"},
      {btnToday, Text, "&Today", "&Idag"},
      {btnAppDial, Text, "&Dial", "&Ring op"},
      {lblUsedAppDay, Text, "\"Used Day\"", "\"Brugt dag\""},
      {btnDown, Text, "Previous &-", "Foregående &-"},
      {btnUp, Text, "&+ Next", "&+ Næste"},
      {miFile, Text, "File", "Filer"},
      {miSaveDiary, Text, "Save the Diary as Diary.txt", "Gem dagbogen som Dagbog.txt"},
      {miPrintDate, Text, "Print Appointments on Selected Day...", "Udskriv den valgte dags aftaler..."},
      {miPrintAll, Text, "Print All Appointments and Events from Today and Forward...", "Udskriv alle aftaler og begivenheder fra idag og frem..."},
      {miExit, Text, "Exit", "Afslut"},
      {miOptions, Text, "Options", "Indstillinger"},
      {miBackgroundColor, Text, "Background Color...", "Baggrundsfarve..."},
      {miFontColor, Text, "Font Color...", "Fontfarve..."},
      {miSOW_S, Text, "Start Week Sunday", "Start ugen søndag"},
      {miSOW_M, Text, "Start Week Monday", "Start ugen mandag"},
      {miFWOY_1, Text, "Week 1 Starts 1/1", "Uge 1 ugen med 1/1"},
      {miFWOY_H, Text, "Week 1 Starts First Full Week", "Uge 1 første hele uge"},
      {miFWOY_4, Text, "Week 1 Starts First Week With at Least 4 Days", "Uge 1 mindst 4 dage"},
      {miHelp, Text, "Help", "Hjælp"},
      {miWhatIs, Text, "What Is..", "Hvad er.."},
      {miContents, Text, "Contents..", "Indhold.."},
      {MsgNoUrl, Variable, "No URL", "Ingen URL"},
      {MsgNothingToDial, Variable, "Nothing to dial", "Ingen at ringe til"},
      {MsgIllegalNumber, Variable, "Illegal phonenumber", "Illegalt telefonnummer"},
      {PrintTitle, Variable, "Appointments etc.", "Aftaler m.v."},
      {PrintColumnCaption, Variable, "Week,Date,Day", "Uge,dato,dag"},
      {PrintPageLabel, Variable, ", Page ", ", side "},
      {edtShowYear, Hint, "Select year", "Vælg år"},
      {udSelectYear, Hint, "Select year", "Vælg år"},
      {edtShowMonth, Hint, "Select month", "Vælg måned"},
      {udSelectMonth, Hint, "Select month", "Vælg måned"},
      {cdrCalender, Hint, "Select day", "Vælg dag"},
      {memAppDiary, Hint, "Edit appointments and diary notes", "Rediger aftaler og dagbogsnoter"},
      {edtDiarySearch, Hint, "Enter a search text for Previous and Next", "Tast søgetekst til Næste og Foregående"},
      {sgEvents, Hint, "Edit events", "Rediger begivenheder"},
      {TFormAbout, Text, "About Tovik", "Om Tovik"},
      {lblVisitUs, Text, "Visit us at", "Besøg os på"},
      {lblDataPath_Root, Text, "Data path :", "Data sti :"},
      {lblDataPath_TovikDat, Text, "Tovik.dat :", "Tovik.dat :"},
      {miResetColorsTolWindowsDefaults, Text, "Set Colors to Windows Defaults", "Sæt farver til Windows defaults"},
      {miRunCheckTovikOnStartup, Text, "Run CheckTovik on Windows Start", "Kør CheckTovik på Windows start"},
      {miAlwaysMinimizeToSystray, Text, "Always Minimize to Systray", "Minimer altid til Systray"},
      {miExtendLookAheadDays, Text, "Extended \"Look Ahead\" in CheckTovik", "Vis udvidet antal af dage i CheckTovik"},
      {miAbout, Text, "About...", "Om..."},
      {miVisitWebsite, Text, "Visit Website", "Besøg websiden"},
      {memTodoNotes, Hint, "Edit To-Do items and notes (paragraphs with \"$\" as first character are shown in CheckTovik)", "Rediger opgaver og noter (afsnit med \"$\" som første tegn er vist i CheckTovik)"},
      {tbcTask, Hint, "Select topic (the title of tab is determined by first word on topmost line in memo)", "Vælg emne (titlen på tab afgøres af det første ord på øverste linie i memo)"},
      {edtEventsSearch, Hint, "Enter a search text and hit the \"Enter\" key to start the search", "Tast en søgetekst og tryk på tasten \"Enter\" for at starte søgningen"},
      {btnToday, Hint, "Sets calendar to today", "Sætter kalenderen til idag"},
      {btnExit, Hint, "Closes down Tovik", "Lukker Tovik ned"},
      {btnAppDial, Hint, "Dials the selected number", "Ringer det markerede nummer op"},
      {btnUp, Hint, "Go to next appointment/diary note", "Bladrer frem i aftaler/dagbogsnoter"},
      {btnDown, Hint, "Go to previous appointment/diary note", "Bladrer tilbage i aftaler/dagbogsnoter"},
      // clang-format on
  };
  for (const auto& row : rows) {
    EXPECT_EQ(OwnText(Language::English, row.target, row.kind), row.english) << row.english;
    EXPECT_EQ(OwnText(Language::Danish, row.target, row.kind), row.danish) << row.danish;
  }
}

// The rows where the other six languages differ from a plain translation.
TEST(LanguageTable, TellingRowsOfTheOtherLanguages) {
  constexpr std::string_view kEnglish = "(the English text)";
  constexpr std::string_view kCopy = "(a copy of the btnAppDial hint)";
  constexpr std::string_view kNone = "(no text of its own)";
  constexpr Language kSix[] = {Language::German, Language::French,  Language::Spanish,
                               Language::Dutch,  Language::Russian, Language::Portuguese};
  struct {
    Target target;
    TextKind kind;
    std::string_view texts[6];
  } rows[] = {
      // clang-format off
      {psAppointments, Text, {"Kalender + Planer", "Calendrier + agenda", "Calendario + Diario", "Kalender + Dagboek", "Ежедневник", "Calendário + Agenda"}},
      {psEvents, Text, {"Periodische Termine", "Evénements periodic", "Eventos Periódicos", "Periodieke Gebeurtenissen", "Периодически", "Assuntos Periódicos"}},
      {psTodos, Text, {"Aufgaben + Notizen", "Tâches + notes", "Por-Hacer + Notas", "Te-Doen + Notities", "Задачи", "Pendentes + Notas"}},
      {sgEvents, GridHeading1, {kEnglish, "Mois", "Mes", "Mnd", "Мес", "Mês"}},
      {sgEvents, GridHeading2, {"Tag", "Jour", "Día", "Dag", "День", "Dia"}},
      {sgEvents, GridHeading3, {"Wer und was", "Qui et quoi", "Quién y qué", "Wie en Wat", "Событие", "Assunto"}},
      {btnExit, Text, {"&Beenden", "&Quitter", "&Salir", "&Uit", "&Выход", "&Sair"}},
      {lblUsedAppDay, Text, {"Tag mit Eintrag", "\"Jour utilisé\"", "\"Día...\"", "\"Dag met afspraak\"", "\"Выбранная дата\"", "\"Dia\""}},
      {miFile, Text, {"Datei", "Fichier", "Archivo", "Bestand", kEnglish, "Fcheiro"}},
      {miHelp, Text, {"Hilfe", "Aide", "Ayuda", kEnglish, "Помощь", "Ajuda"}},
      {miWhatIs, Text, {"Was ist..", "Ce qui est..", "Cuál es..", kEnglish, "Что это...", "O que é.."}},
      {MsgNoUrl, Variable, {"Kein URL", "N° URL", "No es un enlace válido", "Geen site URL", "Нет URL", "Sem URL"}},
      {MsgNothingToDial, Variable, {"Keine Telefonnummer vorhanden", "Aucun N° de tél. sélectionné", "Ningún número que marcar", "Niets te bellen", "Нет дозвона", "Nada para marcar"}},
      {MsgIllegalNumber, Variable, {"Unzulässige Telefonnummer", "N° de tél. non valable", "Número de teléfono no válido", "Niet bestaand telefoonnummer", "Неправильный номер", "Nº de tel. incorrecto"}},
      {PrintTitle, Variable, {"Termine", "Rendez-vous etc.", "Citas, etc.", "Afspraken enz.", "Дела, события и т.д.", "Compromissos, etc."}},
      {PrintColumnCaption, Variable, {"Woche,Datum,Tag", "Semaine,date,jour", "Semana,Fecha,Día", "Week,Datum,Dag", "Неделя,Дата,День", "Semana,Data,Dia"}},
      {PrintPageLabel, Variable, {", Seite ", ", page ", ", Página ", ", Pagina ", ", Страница ", ", Página "}},
      {miRunCheckTovikOnStartup, Text, {"Tovik-Überprüfung beim Windows-Start", "Exécutez CheckTovik au lancement de Windows", "Ejecutar CheckTovik al iniciar Windows", "Start CheckTovik als Windows wordt gestart", "Запуск CheckTovik при загрузке Windows", "Executar CheckTovik ao iniciar o Window$"}},
      {miAlwaysMinimizeToSystray, Text, {"Immer als Taskleistensymbol verkleinern", "Toujours réduire dans la barre des tâches", "Siempre minimizar a Systray", "Altijd in de taakbalk", "Всегда сворачивать в Tray", "Minimizar sempre"}},
      {miExtendLookAheadDays, Text, {kEnglish, kEnglish, kEnglish, kEnglish, kEnglish, kNone}},
      {TFormAbout, Text, {"Über Tovik", "A propos de Tovik", "Acerca de Tovik", "Over Tovik", "О программе Tovik", "Acerca de Tovik"}},
      {lblDataPath_Root, Text, {"Datenweg :", "Circulation de données :", "Trayectoria de datos :", "Datenweg :", "Путь данных:", "Local do arquivo :"}},
      {edtDiarySearch, Hint, {"Suchtext für Vorigen und Nächsten eingeben", kEnglish, "Introduce cadena a buscar", "Voer een zoeketekst in voor vorige en volgende", "Нажимайте Назад и Вперед для поиска текста", "Introduza o texto a procurar com Próximo e Anterior"}},
      {edtEventsSearch, Hint, {kEnglish, kEnglish, "Introduce el texto a buscar y presiona \"Enter\" para empezar la búsqueda", "Geef een zoektekst op en druk op \"Enter\" om het zoeken te beginnen", "Введите текст для поиска и нажмите \"Enter\"", "Introduza o texto a procurar e prima \"Enter\" para iniciar a busca"}},
      {memTodoNotes, Hint, {"Aufgaben und Notizen editieren (Absätze, die \"$\" als erstes Zeichen enthalten, werden in CheckTovik angezeigt)", "Modifier tâches et notes (les paragraphes avec \"$\" comme caractère de début sont affichés dans CheckTovik)", "Editar items Por-Hacer y notas (los párrafos que empiezan por \"$\" se mostrarán en CheckTovik)", "Bewerk Te-Doen onderdelen en notities (paragrafen met \"$\" of \"+\" als eerste teken worden getoond in CheckTovik)", "Редактирование Списка дел/Заметок (параграфы, которые начинаются с \"$\" будут показаны в окне CheckTovik)", "Editar tarefas agendadas e notas (parágrafos com \"$\" no início são mostrados no CheckTovik)"}},
      {btnTodoDial, Hint, {kCopy, kCopy, kCopy, "Ga naar te doen", kCopy, kCopy}},
      // clang-format on
  };
  for (const auto& row : rows) {
    for (int i = 0; i < 6; ++i) {
      const Language language = kSix[i];
      std::optional<std::string_view> expected = row.texts[i];
      if (row.texts[i] == kEnglish) expected = OwnText(Language::English, row.target, row.kind);
      if (row.texts[i] == kCopy) expected = OwnText(language, btnAppDial, Hint);
      if (row.texts[i] == kNone) expected = std::nullopt;
      EXPECT_EQ(OwnText(language, row.target, row.kind), expected)
          << TargetName(row.target) << " in language " << static_cast<int>(language);
    }
  }
}

// English lies under every language: a row the chosen language leaves out
// shows English, never the text of the language chosen before.
TEST(LanguageTable, EnglishIsTheBaseLayer) {
  const std::string_view lookAhead = "Extended \"Look Ahead\" in CheckTovik";
  EXPECT_EQ(ShownText(Language::Danish, miExtendLookAheadDays, Text),
            "Vis udvidet antal af dage i CheckTovik");
  EXPECT_EQ(ShownText(Language::Portuguese, miExtendLookAheadDays, Text), lookAhead);
  EXPECT_EQ(ShownText(Language::Portuguese, miAbout, Text), "Acerca de...");
  EXPECT_EQ(ShownText(Language::Dutch, miAlwaysMinimizeToSystray, Text), "Altijd in de taakbalk");
  EXPECT_EQ(ShownText(Language::Dutch, miExtendLookAheadDays, Text), lookAhead);
  EXPECT_EQ(ShownLanguageRows(Language{9}).size(), LanguageRows(Language::English).size());
  EXPECT_EQ(ShownText(Language{9}, btnExit, Text), "&Exit");
}

}  // namespace
}  // namespace tovik
