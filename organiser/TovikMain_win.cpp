#include "organiser/TovikMain_win.h"

#include "shared/data_location_win.h"
#include "shared/wide_text_win.h"
#include "store/file_system_win.h"
#include "store/store_platform_win.h"

namespace tovik {

namespace {
constexpr wchar_t kClassName[] = L"TTovikMain";
constexpr wchar_t kTitle[] = L"Tovik";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}  // namespace

bool TTovikMain::Create(HINSTANCE instance) {
  fs_ = std::make_unique<Win32FileSystem>();
  Win32DataLocationPlatform locationPlatform(kTitle);
  location_ = ResolveDataLocation(ExecutablePath(), *fs_, locationPlatform);
  Win32StorePlatform storePlatform;
  try {
    store_ = std::make_unique<OrganiserStore>(LoadStore(location_.DataFilePath, *fs_, storePlatform));
  } catch (const StartupFailure& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
    return false;
  }

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);

  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, kStyle, FALSE, 0);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  hwnd_ = CreateWindowExW(0, kClassName, kTitle, kStyle, x, y, w, h, nullptr, nullptr, instance, this);
  if (hwnd_ == nullptr) return false;
  try {
    store_->SaveHeader();  // once the window is up, as every start does
  } catch (const IoError& e) {
    MessageBoxW(hwnd_, Utf8ToWide(e.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
  }
  return true;
}

LRESULT CALLBACK TTovikMain::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TTovikMain*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TTovikMain*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->OnMessage(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT TTovikMain::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    OnDestroy();
    return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TTovikMain::OnDestroy() {
  try {
    store_->CloseStore();
  } catch (const IoError& e) {
    MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), kTitle, MB_OK | MB_ICONERROR);
  }
  PostQuitMessage(0);
}

}  // namespace tovik
