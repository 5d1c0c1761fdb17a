#include "organiser/publish/winhttp_transport_win.h"

#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {
namespace {

constexpr int kConnectMilliseconds = 10000;
constexpr int kTransferMilliseconds = 30000;
// WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY: the proxy as Windows 8.1 and later
// find it for the user; older systems refuse it and take the default.
constexpr DWORD kAutomaticProxy = 4;
constexpr wchar_t kUserAgent[] = L"Tovik/5.63";

// The system's words for a WinHTTP failure, with its number.
std::string FailureText(DWORD error) {
  std::string text = SystemErrorText(error, L"winhttp.dll");
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
  const std::string number = "error " + std::to_string(error);
  return text.empty() ? number : text + " (" + number + ")";
}

}  // namespace

WinHttpTransport::WinHttpTransport(const std::wstring& user, const std::wstring& password)
    : authorization_(BasicAuthorization(WideToUtf8(user), WideToUtf8(password))) {
  session_ = InternetHandle(
      WinHttpOpen(kUserAgent, kAutomaticProxy, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session_) {
    session_ = InternetHandle(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                          WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  }
  if (session_) {
    WinHttpSetTimeouts(session_, kConnectMilliseconds, kConnectMilliseconds, kTransferMilliseconds,
                       kTransferMilliseconds);
  }
}

HINTERNET WinHttpTransport::Connection(const std::wstring& host, INTERNET_PORT port) {
  if (connection_ && host == host_ && port == port_) return connection_;
  connection_ = InternetHandle(WinHttpConnect(session_, host.c_str(), port, 0));
  host_ = host;
  port_ = port;
  return connection_;
}

HttpResponse WinHttpTransport::Send(const HttpRequest& request) {
  HttpResponse response;
  const auto failed = [&response] {
    response.Failure = FailureText(GetLastError());
    return response;
  };
  if (!session_) return failed();
  const std::wstring url = Utf8ToWide(request.Url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return failed();
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";
  const HINTERNET connection = Connection(host, parts.nPort);
  if (!connection) return failed();
  const InternetHandle handle(
      WinHttpOpenRequest(connection, Utf8ToWide(request.Method).c_str(), path.c_str(), nullptr,
                         WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                         parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
  if (!handle.get()) return failed();
  std::string headers = "Authorization: " + authorization_ + "\r\n";
  if (!request.ContentType.empty()) headers += "Content-Type: " + request.ContentType + "\r\n";
  if (!request.Depth.empty()) headers += "Depth: " + request.Depth + "\r\n";
  const std::wstring wideHeaders = Utf8ToWide(headers);
  const auto size = static_cast<DWORD>(request.Body.size());
  if (!WinHttpSendRequest(handle.get(), wideHeaders.c_str(), static_cast<DWORD>(-1),
                          const_cast<char*>(request.Body.data()), size, size, 0) ||
      !WinHttpReceiveResponse(handle.get(), nullptr)) {
    return failed();
  }
  DWORD status = 0;
  DWORD length = sizeof status;
  WinHttpQueryHeaders(handle.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &length, WINHTTP_NO_HEADER_INDEX);
  wchar_t reason[128] = {};
  length = sizeof reason;
  if (WinHttpQueryHeaders(handle.get(), WINHTTP_QUERY_STATUS_TEXT, WINHTTP_HEADER_NAME_BY_INDEX,
                          reason, &length, WINHTTP_NO_HEADER_INDEX)) {
    response.Reason = WideToUtf8(reason);
  }
  // The body is read to its end, so that the connection can be used again;
  // a body cut short is a failure, not a shorter answer.
  for (DWORD available = 0;;) {
    if (!WinHttpQueryDataAvailable(handle.get(), &available)) return failed();
    if (available == 0) break;
    const size_t at = response.Body.size();
    response.Body.resize(at + available);
    DWORD read = 0;
    if (!WinHttpReadData(handle.get(), response.Body.data() + at, available, &read))
      return failed();
    response.Body.resize(at + read);
  }
  response.Status = static_cast<int>(status);
  return response;
}

}  // namespace tovik
