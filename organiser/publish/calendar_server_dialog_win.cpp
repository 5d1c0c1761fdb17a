#include "organiser/publish/calendar_server_dialog_win.h"

#include <mutex>
#include <thread>
#include <vector>

#include "base/wide_text_win.h"
#include "organiser/publish/dav_xml.h"
#include "organiser/publish/winhttp_transport_win.h"
#include "ui/input_filter.h"
#include "ui/unhandled_error_win.h"
#include "ui/window_win.h"

namespace tovik {
namespace {

constexpr UINT kMsgTestAnswered = WM_APP + 1;
constexpr UINT_PTR kStatusTimer = 1;
constexpr UINT kStatusMilliseconds = 500;
constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

// A dialog template in memory: the header, then one item a control, each on
// a DWORD boundary, in tab order.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height) {
    Dword(style | DS_SETFONT);
    Dword(0);
    words_.push_back(0);  // the count of items, set as they are added
    for (const short value : {short{0}, short{0}, width, height}) {
      words_.push_back(static_cast<WORD>(value));
    }
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    String(L"");          // the title, set from the language
    words_.push_back(8);
    String(L"MS Shell Dlg");
  }
  void Add(WORD kind, DWORD style, short x, short y, short width, short height, int id) {
    if (words_.size() % 2 != 0) words_.push_back(0);
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (const short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(static_cast<WORD>(id));
    words_.push_back(0xFFFF);
    words_.push_back(kind);
    String(L"");
    words_.push_back(0);  // no creation data
    ++words_[kItemCount];
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static constexpr size_t kItemCount = 4;
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void String(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(*text);
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

DialogTemplate Layout() {
  using D = CalendarServerDialog;
  DialogTemplate layout(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 250, 160);
  constexpr DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  layout.Add(kStatic, SS_LEFT, 7, 7, 236, 9, -1);
  layout.Add(kEdit, kEditStyle, 7, 17, 236, 13, D::kUrl);
  layout.Add(kStatic, SS_LEFT, 7, 36, 114, 9, -1);
  layout.Add(kEdit, kEditStyle, 7, 46, 114, 13, D::kUser);
  layout.Add(kStatic, SS_LEFT, 129, 36, 114, 9, -1);
  layout.Add(kEdit, kEditStyle | ES_PASSWORD, 129, 46, 114, 13, D::kPassword);
  layout.Add(kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 66, 236, 11, D::kPublish);
  layout.Add(kStatic, SS_LEFT | SS_NOPREFIX, 7, 84, 236, 18, D::kStatus);
  layout.Add(kStatic, SS_LEFT | SS_NOPREFIX, 7, 106, 236, 26, D::kTestAnswer);
  layout.Add(kButton, BS_PUSHBUTTON | WS_TABSTOP, 7, 139, 60, 14, D::kTest);
  layout.Add(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 119, 139, 60, 14, IDOK);
  layout.Add(kButton, BS_PUSHBUTTON | WS_TABSTOP, 183, 139, 60, 14, IDCANCEL);
  return layout;
}

// The count with the user's thousands separator and no decimals.
std::wstring CountText(size_t count) {
  wchar_t separator[8] = L",";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
  wchar_t decimal[] = L".";
  NUMBERFMTW format{0, 0, 3, decimal, separator, 1};
  wchar_t text[64] = {};
  const std::wstring digits = std::to_wstring(count);
  if (GetNumberFormatW(LOCALE_USER_DEFAULT, 0, digits.c_str(), &format, text, 64) == 0) {
    return digits;
  }
  return text;
}

}  // namespace

// The answer of a test, filled by its thread; the dialog may be gone by then.
struct CalendarServerDialog::TestAnswer {
  std::mutex lock;
  bool done = false;
  HttpResponse response;
};

std::optional<CalendarServerSettings> CalendarServerDialog::Run(Args args) {
  CalendarServerDialog dialog(std::move(args));
  const DialogTemplate layout = Layout();
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), dialog.args_.owner, Procedure,
                          reinterpret_cast<LPARAM>(&dialog));
  return dialog.confirmed_;
}

INT_PTR CALLBACK CalendarServerDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<CalendarServerDialog*>(lParam)->hwnd_ = dialog;
  }
  auto* self = reinterpret_cast<CalendarServerDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  try {
    return self->Handle(message, wParam);
  } catch (...) {
    HandleUnhandledError("CalendarServer");
    return TRUE;
  }
}

INT_PTR CalendarServerDialog::Handle(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_INITDIALOG:
      Init();
      return TRUE;
    case WM_TIMER:
      ShowStatus();
      return TRUE;
    case kMsgTestAnswered:
      ShowTestAnswer();
      return TRUE;
    case WM_DESTROY:
      KillTimer(hwnd_, kStatusTimer);
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          OnOk();
          return TRUE;
        case IDCANCEL:
          EndDialog(hwnd_, IDCANCEL);
          return TRUE;
        case kTest:
          StartTest();
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// The labels are the controls without an id, in the order they were laid out.
void CalendarServerDialog::Init() {
  const auto& text = args_.text;
  SetWindowTextW(hwnd_, text(Target::CalendarServerCaption).c_str());
  const Target labels[] = {Target::CalendarAddressLabel, Target::CalendarUserLabel,
                           Target::CalendarPasswordLabel};
  size_t label = 0;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child && label < std::size(labels);
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == 0xFFFF) SetWindowTextW(child, text(labels[label++]).c_str());
  }
  SetText(kPublish, text(Target::CalendarPublishCheck));
  SetText(kTest, text(Target::CalendarTestButton));
  SetText(IDOK, L"OK");
  SetText(IDCANCEL, text(Target::CalendarCancelButton));
  SetText(kUrl, args_.settings.Url);
  SetText(kUser, args_.settings.User);
  SetText(kPassword, args_.settings.Password);
  CheckDlgButton(hwnd_, kPublish, args_.settings.Publish ? BST_CHECKED : BST_UNCHECKED);
  ShowStatus();
  SetTimer(hwnd_, kStatusTimer, kStatusMilliseconds, nullptr);
}

CalendarServerSettings CalendarServerDialog::Entered() const {
  const auto read = [this](int id) { return ui::WindowText(GetDlgItem(hwnd_, id)); };
  std::wstring url = read(kUrl);
  while (!url.empty() && url.back() == L' ') url.pop_back();
  while (!url.empty() && url.front() == L' ') url.erase(0, 1);
  return {.Url = url,
          .User = read(kUser),
          .Password = read(kPassword),
          .Publish = IsDlgButtonChecked(hwnd_, kPublish) == BST_CHECKED};
}

// An address that cannot be one is refused while publishing is asked for;
// without it, whatever was typed is kept for later.
void CalendarServerDialog::OnOk() {
  const CalendarServerSettings entered = Entered();
  if (entered.Publish && !IsCalendarAddress(WideToUtf8(entered.Url))) {
    SetText(kTestAnswer, args_.text(Target::MsgNotAnAddress));
    SetFocus(GetDlgItem(hwnd_, kUrl));
    return;
  }
  confirmed_ = entered;
  EndDialog(hwnd_, IDOK);
}

// The test asks the server about the address with what was typed, in a
// thread of its own, so that a slow server does not stop the dialog; a new
// test makes the answer of one still under way count no more.
void CalendarServerDialog::StartTest() {
  const CalendarServerSettings entered = Entered();
  if (!IsCalendarAddress(WideToUtf8(entered.Url))) {
    SetText(kTestAnswer, args_.text(Target::MsgNotAnAddress));
    return;
  }
  SetText(kTestAnswer, args_.text(Target::MsgTesting));
  test_ = std::make_shared<TestAnswer>();
  std::thread([answer = test_, entered, dialog = hwnd_] {
    WinHttpTransport http(entered.User, entered.Password);
    HttpResponse response = http.Send(ProbeRequest(WideToUtf8(entered.Url)));
    {
      const std::lock_guard guard(answer->lock);
      answer->response = std::move(response);
      answer->done = true;
    }
    PostMessageW(dialog, kMsgTestAnswered, 0, 0);
  }).detach();
}

void CalendarServerDialog::ShowTestAnswer() {
  if (!test_) return;
  HttpResponse response;
  {
    const std::lock_guard guard(test_->lock);
    if (!test_->done) return;  // the answer of an earlier test
    response = test_->response;
  }
  std::wstring answer;
  if (response.Status == 207) {
    const std::vector<DavResponse> found = ParseMultistatus(response.Body);
    const bool calendar = !found.empty() && found.front().IsCalendar;
    answer = args_.text(calendar ? Target::MsgCalendarFound : Target::MsgNotACalendar);
  } else {
    answer = ui::FillIn(args_.text(Target::MsgTestFailed), Utf8ToWide(StatusText(response)));
  }
  SetText(kTestAnswer, answer);
}

void CalendarServerDialog::ShowStatus() {
  const PublishStatus status = args_.status();
  std::wstring line;
  if (status.Busy) {
    line = args_.text(Target::MsgPublishing);
  } else if (status.Kind == PublishStatus::Kind::Published) {
    wchar_t time[32] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &status.When, nullptr, time, 32);
    line = ui::FillIn(ui::FillIn(args_.text(Target::MsgPublished), time), CountText(status.Items),
                      L"%2");
  } else if (status.Kind == PublishStatus::Kind::Failed) {
    line = ui::FillIn(args_.text(Target::MsgNotPublished), Utf8ToWide(status.Failure));
  } else {
    line = args_.text(Target::MsgNothingPublished);
  }
  if (line == shownStatus_) return;
  shownStatus_ = line;
  SetText(kStatus, line);
}

void CalendarServerDialog::SetText(int id, const std::wstring& text) const {
  SetDlgItemTextW(hwnd_, id, text.c_str());
}

}  // namespace tovik
