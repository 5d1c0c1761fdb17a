#pragma once
#include <windows.h>

namespace tovik {

// Both programs use this name, so an installer can see that the system is in use.
inline constexpr wchar_t kInstallMutexName[] = L"5B0C2E71-3D4A-4F86-9E21-7A6C0D93B4F2";

// The install mutex (UKzqWinAppInstallMutex). The first program of the system
// to start creates and owns it until it ends; a program started while it
// exists holds nothing. Create one at start-up and keep it to program end.
class InstallMutex {
 public:
  InstallMutex();
  ~InstallMutex();
  InstallMutex(const InstallMutex&) = delete;
  InstallMutex& operator=(const InstallMutex&) = delete;

  bool HoldsHandle() const { return handle_ != nullptr; }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace tovik
