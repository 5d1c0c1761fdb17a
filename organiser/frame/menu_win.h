#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "organiser/frame/commands.h"

namespace tovik {

// The main menu built from the command table, with its accelerators
// (Ctrl+S, Ctrl+P, Shift+F1, and F1 for the focused control's help).
class MainMenuBar {
 public:
  MainMenuBar();
  ~MainMenuBar();
  MainMenuBar(const MainMenuBar&) = delete;
  MainMenuBar& operator=(const MainMenuBar&) = delete;

  HMENU Handle() const { return menu_; }
  HACCEL Accelerators() const { return accelerators_; }

  // Sets the caption of a menu or item; false when the menu has no such
  // target. The shortcut stays behind the caption.
  bool SetCaption(Target target, std::string_view caption);
  std::wstring Caption(Command command) const;
  // The caption of a menu or item, without its shortcut; empty for a target
  // the menu does not have.
  std::wstring CaptionOf(Target target) const;

  bool IsTicked(Command command) const;
  void SetTicked(Command command, bool ticked);
  // Ticks the item and unticks the others of its radio group.
  void TickInGroup(Command command);
  bool IsEnabled(Command command) const;
  void SetEnabled(Command command, bool enabled);

 private:
  struct Place {
    HMENU menu;
    UINT item;  // position for a menu, command id for an item
    bool byPosition;
    std::string_view shortcut;
  };
  HMENU menu_;
  HACCEL accelerators_;
  std::map<Target, Place> places_;
};

}  // namespace tovik
