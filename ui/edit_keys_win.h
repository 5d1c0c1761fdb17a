#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace tovik::ui {

// Makes Enter in a one-line edit run `onEnter` instead of pressing the
// window's default button, and without the edit's beep. An error that
// escapes it names the edit (`name`) as its sender.
void OnEnterKey(HWND edit, std::string_view name, std::function<void()> onEnter);

// Makes Tab in a multi-line edit move the focus on, as it does everywhere
// else in the window, instead of being typed; Enter still breaks the line.
void LeaveOnTab(HWND edit);

}  // namespace tovik::ui
