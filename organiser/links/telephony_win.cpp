#include "organiser/links/telephony_win.h"

namespace tovik {
namespace {

class SystemService : public Telephony {
 public:
  LONG Initialize(HLINEAPP* app, HINSTANCE instance, LINECALLBACK callback, const char* appName,
                  DWORD* devices) override {
    return lineInitialize(app, instance, callback, appName, devices);
  }
  LONG NegotiateApiVersion(HLINEAPP app, DWORD device, DWORD lowVersion, DWORD highVersion,
                           DWORD* version, LINEEXTENSIONID* extension) override {
    return lineNegotiateAPIVersion(app, device, lowVersion, highVersion, version, extension);
  }
  LONG Open(HLINEAPP app, DWORD device, HLINE* line, DWORD version, DWORD extVersion,
            DWORD_PTR instance, DWORD privileges, DWORD mediaModes,
            const LINECALLPARAMS* params) override {
    return lineOpenA(app, device, line, version, extVersion, instance, privileges, mediaModes,
                     const_cast<LINECALLPARAMS*>(params));
  }
  LONG MakeCall(HLINE line, HCALL* call, const char* destination, DWORD countryCode,
                const LINECALLPARAMS* params) override {
    return lineMakeCallA(line, call, destination, countryCode, const_cast<LINECALLPARAMS*>(params));
  }
  LONG Drop(HCALL call, const char* userInfo, DWORD size) override {
    return lineDrop(call, userInfo, size);
  }
  LONG DeallocateCall(HCALL call) override { return lineDeallocateCall(call); }
  LONG Close(HLINE line) override { return lineClose(line); }
  LONG Shutdown(HLINEAPP app) override { return lineShutdown(app); }
};

}  // namespace

std::unique_ptr<Telephony> SystemTelephony() {
  return std::make_unique<SystemService>();
}

}  // namespace tovik
