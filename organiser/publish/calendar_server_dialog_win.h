#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "organiser/languages/targets.h"
#include "organiser/publish/calendar_publisher_win.h"
#include "organiser/publish/calendar_settings_win.h"

namespace tovik {

// "Calendar server…": a standard dialog that sets up the address, the user
// name, the password and the switch, tests the server and shows the last
// publish's result.
class CalendarServerDialog {
 public:
  // The controls, which the end-to-end tests read too.
  enum Id : int {
    kUrl = 1001,
    kUser,
    kPassword,
    kPublish,
    kTest,
    kTestAnswer,
    kStatus,
  };
  struct Args {
    HWND owner = nullptr;
    std::function<std::wstring(Target)> text;  // in the current language
    CalendarServerSettings settings;
    std::function<PublishStatus()> status;
  };

  // The settings the user confirmed; nothing when cancelled.
  static std::optional<CalendarServerSettings> Run(Args args);

 private:
  struct TestAnswer;
  explicit CalendarServerDialog(Args args) : args_(std::move(args)) {}
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam);
  void Init();
  void OnOk();
  void StartTest();
  void ShowTestAnswer();
  void ShowStatus();
  CalendarServerSettings Entered() const;
  void SetText(int id, const std::wstring& text) const;

  Args args_;
  HWND hwnd_ = nullptr;
  std::optional<CalendarServerSettings> confirmed_;
  std::shared_ptr<TestAnswer> test_;
  std::wstring shownStatus_;
};

}  // namespace tovik
