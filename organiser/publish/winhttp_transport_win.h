#pragma once
#include <windows.h>
#include <winhttp.h>

#include <string>

#include "organiser/publish/publish_run.h"
#include "ui/gdi_win.h"

namespace tovik {

// HTTP through the system's client, so that TLS, proxies and certificates
// are those Windows uses. One session and one kept-alive connection per
// server; every request carries the Basic credentials, which saves the
// round trip of a 401 each. Not for use by two threads at once.
class WinHttpTransport : public HttpTransport {
 public:
  WinHttpTransport(const std::wstring& user, const std::wstring& password);

  HttpResponse Send(const HttpRequest& request) override;

 private:
  struct CloseInternetHandle {
    void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
  };
  using InternetHandle = ui::OwnedHandle<HINTERNET, CloseInternetHandle>;
  HINTERNET Connection(const std::wstring& host, INTERNET_PORT port);

  std::string authorization_;
  InternetHandle session_;
  InternetHandle connection_;
  std::wstring host_;
  INTERNET_PORT port_ = 0;
};

}  // namespace tovik
