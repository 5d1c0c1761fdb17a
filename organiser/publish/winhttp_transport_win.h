#pragma once
#include <windows.h>
#include <winhttp.h>

#include <string>

#include "organiser/publish/publish_run.h"

namespace tovik {

// HTTP through the system's client, so that TLS, proxies and certificates
// are those Windows uses. One session and one kept-alive connection per
// server; every request carries the Basic credentials, which saves the
// round trip of a 401 each. Not for use by two threads at once.
class WinHttpTransport : public HttpTransport {
 public:
  WinHttpTransport(const std::wstring& user, const std::wstring& password);
  ~WinHttpTransport() override;
  WinHttpTransport(const WinHttpTransport&) = delete;
  WinHttpTransport& operator=(const WinHttpTransport&) = delete;

  HttpResponse Send(const HttpRequest& request) override;

 private:
  HINTERNET Connection(const std::wstring& host, INTERNET_PORT port);

  std::string authorization_;
  HINTERNET session_ = nullptr;
  HINTERNET connection_ = nullptr;
  std::wstring host_;
  INTERNET_PORT port_ = 0;
};

}  // namespace tovik
