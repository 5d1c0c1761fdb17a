#pragma once
#include <windows.h>
#include <tapi.h>

#include <memory>

namespace tovik {

// The call parameters of version 2.0 of the telephony interface, which the
// organiser speaks: the record's size as it tells the service. The headers'
// record is that of a later version, one field longer.
constexpr DWORD kCallParamsSize = 176;
static_assert(sizeof(LINECALLPARAMS) >= kCallParamsSize);

// The calls of the Windows telephony service that dialling makes: the real
// service, or a test's stand-in that records them.
class Telephony {
 public:
  virtual ~Telephony() = default;
  virtual LONG Initialize(HLINEAPP* app, HINSTANCE instance, LINECALLBACK callback,
                          const char* appName, DWORD* devices) = 0;
  virtual LONG NegotiateApiVersion(HLINEAPP app, DWORD device, DWORD lowVersion, DWORD highVersion,
                                   DWORD* version, LINEEXTENSIONID* extension) = 0;
  virtual LONG Open(HLINEAPP app, DWORD device, HLINE* line, DWORD version, DWORD extVersion,
                    DWORD_PTR instance, DWORD privileges, DWORD mediaModes,
                    const LINECALLPARAMS* params) = 0;
  virtual LONG MakeCall(HLINE line, HCALL* call, const char* destination, DWORD countryCode,
                        const LINECALLPARAMS* params) = 0;
  virtual LONG Drop(HCALL call, const char* userInfo, DWORD size) = 0;
  virtual LONG DeallocateCall(HCALL call) = 0;
  virtual LONG Close(HLINE line) = 0;
  virtual LONG Shutdown(HLINEAPP app) = 0;
};

// The system's telephony service (tapi32, loaded on first use).
std::unique_ptr<Telephony> SystemTelephony();

}  // namespace tovik
