#include "app/install_mutex_win.h"

namespace tovik {

InstallMutex::InstallMutex() {
  if (const HANDLE existing = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstallMutexName)) {
    CloseHandle(existing);
    return;
  }
  // A failure leaves no handle; the programs run without the mutex.
  handle_ = CreateMutexW(nullptr, TRUE, kInstallMutexName);
}

InstallMutex::~InstallMutex() {
  if (handle_ == nullptr) return;
  ReleaseMutex(handle_);
  CloseHandle(handle_);
}

}  // namespace tovik
