#include "organiser/links/links_win.h"

#include <cstring>
#include <utility>

namespace tovik {
namespace {

// The service calls back through a plain function, on the thread that
// initialised it; the one open line belongs to this object.
LinksAndDialling* lineOwner = nullptr;

void CALLBACK TelephonyCallback(DWORD device, DWORD message, DWORD_PTR, DWORD_PTR param1, DWORD_PTR,
                                DWORD_PTR) {
  if (message == LINE_CALLSTATE && lineOwner != nullptr) {
    lineOwner->OnCallState(static_cast<HCALL>(device), static_cast<DWORD>(param1));
  }
}

constexpr DWORD kLowestVersion = 0x00010000;
constexpr DWORD kHighestVersion = 0x10000000;

}  // namespace

LinksAndDialling::LinksAndDialling(Seams seams) : seams_(std::move(seams)) {}

LinksAndDialling::~LinksAndDialling() {
  if (lineOwner == this) lineOwner = nullptr;
}

bool LinksAndDialling::OpenTelephonyLine() {
  if (!seams_.telephony) seams_.telephony = SystemTelephony();
  params_ = {};
  params_.dwTotalSize = kCallParamsSize;
  params_.dwBearerMode = LINEBEARERMODE_VOICE;
  params_.dwMediaMode = LINEMEDIAMODE_INTERACTIVEVOICE;
  Telephony& tapi = *seams_.telephony;
  // Set before the call: a service may succeed without writing them.
  app_ = 0;
  DWORD devices = 0;
  lineOwner = this;
  if (tapi.Initialize(&app_, GetModuleHandleW(nullptr), TelephonyCallback, nullptr, &devices) < 0) {
    app_ = 0;
    return false;
  }
  if (devices == 0) {
    tapi.Shutdown(app_);
    app_ = 0;
    return false;
  }
  DWORD version = 0;
  LINEEXTENSIONID extension{};
  if (tapi.NegotiateApiVersion(app_, 0, kLowestVersion, kHighestVersion, &version, &extension) <
      0) {
    tapi.Shutdown(app_);
    app_ = 0;
    return false;
  }
  if (tapi.Open(app_, LINEMAPPER, &line_, version, 0, 0, LINECALLPRIVILEGE_NONE, 0, &params_) < 0) {
    tapi.Shutdown(app_);
    app_ = 0;
    line_ = 0;
    return false;
  }
  return line_ != 0;
}

void LinksAndDialling::CloseTelephonyLine() {
  if (!seams_.telephony) return;
  if (line_ != 0) seams_.telephony->Close(line_);
  if (app_ != 0) seams_.telephony->Shutdown(app_);
  line_ = 0;
  app_ = 0;
}

void LinksAndDialling::RememberSelection(std::string_view selected) {
  tovik::RememberSelection(remembered_, selected);
}

void LinksAndDialling::ClearRemembered() {
  remembered_ = {};
}

void LinksAndDialling::OpenRememberedLink() {
  const LinkAction action = LinkToOpen(remembered_.Link);
  if (action.Address.empty()) {
    seams_.showMessage(action.Message);
    return;
  }
  seams_.openAddress(action.Address);
}

void LinksAndDialling::DialRememberedNumber() {
  const DialAction action = NumberToDial(remembered_.Number);
  if (!action.Number) {
    seams_.showMessage(action.Message);
    return;
  }
  remembered_.Number = *action.Number;  // the trimmed number is kept
  char destination[kMaxDialledLength + 1] = {};
  std::memcpy(destination, action.Number->data(), action.Number->size());
  if (seams_.telephony) seams_.telephony->MakeCall(line_, &call_, destination, 0, &params_);
}

// The organiser only places the call: it drops it once it is connected,
// busy or ended, and frees it when it is idle.
void LinksAndDialling::OnCallState(HCALL call, DWORD state) {
  switch (state) {
    case LINECALLSTATE_IDLE:
      if (call != 0) seams_.telephony->DeallocateCall(call);
      return;
    case LINECALLSTATE_BUSY:
    case LINECALLSTATE_CONNECTED:
    case LINECALLSTATE_DISCONNECTED:
      if (seams_.telephony->Drop(call_, nullptr, 0) < 0) seams_.showFixedMessage(L"Hang up error.");
      return;
    default:
      return;
  }
}

}  // namespace tovik
