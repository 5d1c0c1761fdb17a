#pragma once
#include <windows.h>

#include <functional>

#include "organiser/frame/commands.h"

namespace tovik {

// F1, "What Is" and "Contents": the help topic of a control, found from the
// control outwards, and the mode in which the next click picks the control.
class ContextHelp {
 public:
  struct Args {
    HWND window = nullptr;
    std::function<void(int context)> openTopic;
    // The contents topic of the current language.
    std::function<int()> contents;
  };
  explicit ContextHelp(Args args) : args_(std::move(args)) {}

  // The Help menu's "What Is", "Contents" and F1; false for other commands.
  bool OnCommand(Command command);
  void OpenContents() { args_.openTopic(args_.contents()); }
  void OpenFor(HWND control);
  void EnterPickMode();
  void LeavePickMode();
  // The window's messages while the mode lasts; true when one was taken.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  Args args_;
  bool picking_ = false;
};

}  // namespace tovik
