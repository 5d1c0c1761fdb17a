#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "organiser/commands.h"

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

  // Sets the caption of a menu or item by its name; false when the menu has
  // no such name. The shortcut stays behind the caption.
  bool SetCaption(std::string_view name, std::string_view caption);
  std::wstring Caption(Command command) const;

  bool IsTicked(Command command) const;
  void SetTicked(Command command, bool ticked);
  // Ticks the item and unticks the others of its radio group.
  void TickInGroup(Command command);
  bool IsEnabled(Command command) const;

 private:
  struct Place {
    HMENU menu;
    UINT item;  // position for a menu, command id for an item
    bool byPosition;
    std::string_view shortcut;
  };
  HMENU menu_;
  HACCEL accelerators_;
  std::map<std::string_view, Place> places_;
};

}  // namespace tovik
