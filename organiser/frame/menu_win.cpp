#include "organiser/frame/menu_win.h"

#include "base/wide_text_win.h"

namespace tovik {

namespace {

UINT IdOf(Command command) {
  return static_cast<UINT>(command);
}

std::wstring MenuText(std::string_view caption, std::string_view shortcut) {
  std::wstring text = Utf8ToWide(caption);
  if (!shortcut.empty()) text += L'\t' + Utf8ToWide(shortcut);
  return text;
}

HACCEL CreateAccelerators() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'S', static_cast<WORD>(Command::SaveDiary)},
      {FCONTROL | FVIRTKEY, 'P', static_cast<WORD>(Command::PrintDate)},
      {FSHIFT | FVIRTKEY, VK_F1, static_cast<WORD>(Command::WhatIs)},
      {FVIRTKEY, VK_F1, static_cast<WORD>(Command::HelpOnFocus)},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

}  // namespace

MainMenuBar::MainMenuBar() : menu_(CreateMenu()), accelerators_(CreateAccelerators()) {
  UINT position = 0;
  for (const MenuSpec& spec : MainMenu()) {
    const HMENU popup = CreatePopupMenu();
    for (const MenuItemSpec& item : spec.items) {
      if (item.kind == MenuItemKind::Separator) {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
      info.fType = item.kind == MenuItemKind::Radio ? MFT_RADIOCHECK : MFT_STRING;
      info.wID = IdOf(item.command);
      info.fState = MFS_ENABLED;
      std::wstring text = MenuText(item.fixedCaption, item.shortcut);
      info.dwTypeData = text.data();
      InsertMenuItemW(popup, GetMenuItemCount(popup), TRUE, &info);
      places_[item.target] = Place{popup, IdOf(item.command), false, item.shortcut};
    }
    AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                Utf8ToWide(spec.fixedCaption).c_str());
    places_[spec.target] = Place{menu_, position++, true, {}};
  }
}

MainMenuBar::~MainMenuBar() {
  DestroyAcceleratorTable(accelerators_);
  // A menu that a window still shows is destroyed with the window.
  if (IsMenu(menu_)) DestroyMenu(menu_);
}

bool MainMenuBar::SetCaption(Target target, std::string_view caption) {
  const auto found = places_.find(target);
  if (found == places_.end()) return false;
  const Place& place = found->second;
  std::wstring text = MenuText(caption, place.shortcut);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(place.menu, place.item, place.byPosition, &info);
  return true;
}

std::wstring MainMenuBar::Caption(Command command) const {
  wchar_t text[256] = {};
  GetMenuStringW(menu_, IdOf(command), text, 256, MF_BYCOMMAND);
  return text;
}

std::wstring MainMenuBar::CaptionOf(Target target) const {
  const auto found = places_.find(target);
  if (found == places_.end()) return {};
  const Place& place = found->second;
  wchar_t text[256] = {};
  GetMenuStringW(place.menu, place.item, text, 256,
                 place.byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  const std::wstring caption = text;
  return caption.substr(0, caption.find(L'\t'));
}

bool MainMenuBar::IsTicked(Command command) const {
  return (GetMenuState(menu_, IdOf(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainMenuBar::SetTicked(Command command, bool ticked) {
  CheckMenuItem(menu_, IdOf(command), MF_BYCOMMAND | (ticked ? MF_CHECKED : MF_UNCHECKED));
}

void MainMenuBar::TickInGroup(Command command) {
  for (const MenuSpec& spec : MainMenu()) {
    for (const MenuItemSpec& item : spec.items) {
      if (item.command != command || item.radioGroup == 0) continue;
      for (const MenuItemSpec& other : spec.items) {
        if (other.radioGroup == item.radioGroup) SetTicked(other.command, other.command == command);
      }
      return;
    }
  }
}

void MainMenuBar::SetEnabled(Command command, bool enabled) {
  EnableMenuItem(menu_, IdOf(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool MainMenuBar::IsEnabled(Command command) const {
  return (GetMenuState(menu_, IdOf(command), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace tovik
