#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "organiser/languages/language_texts.h"
#include "organiser/languages/targets.h"
#include "store/data_file.h"

namespace tovik {

class MainMenuBar;
class OrganiserPage;
class PageTabs;
class TFormAbout;
namespace ui {
class Panel;
class Tooltips;
}  // namespace ui

// The parts of the organiser's window that take the language, the colours
// and the help contexts. The pages after the first and the About box are
// made later; until then their holders are empty.
struct LanguageSurfaces {
  MainMenuBar& menu;
  ui::Tooltips& tooltips;
  HWND window;
  PageTabs& pages;
  ui::Panel& top;
  ui::Panel& bottom;
  HWND lblWhenDoneExit;
  HWND btnExit;
  const std::unique_ptr<TFormAbout>& about;
};

// Sets every text, tick, colour and help context of the organiser's windows
// for the settings of the data file's header, with English as the base
// layer, and keeps the texts that no control shows.
class WindowLanguage {
 public:
  explicit WindowLanguage(const LanguageSurfaces& surfaces) : s_(surfaces) {}

  void Apply(const FileHeader& settings);
  // A page made after the window takes what the window has applied.
  void ApplyToPage(OrganiserPage& page, TargetOwner owner, const FileHeader& settings);
  void ApplyToAbout(TFormAbout& about, const FileHeader& settings);

  // The control that a language row names, in whichever part owns it; null
  // for the menu and the texts that no control shows.
  HWND ControlOf(Target target) const;
  // A text that no control shows (a message or a print text) in the current
  // language, UTF-8; empty before Apply.
  std::string Text(Target target) const;
  // The tooltip text that a control shows.
  std::wstring HintOf(HWND control) const;

 private:
  void SetRowText(const LanguageRow& row);
  void SetRowTexts(const FileHeader& settings, TargetOwner owner);
  void CopyDialCaption();
  void ApplyColors(const FileHeader& settings);
  void ApplyHelpContexts(const FileHeader& settings);

  LanguageSurfaces s_;
  std::map<Target, std::string> texts_;
};

}  // namespace tovik
