#pragma once
#include <windows.h>

#include <memory>

#include "shared/data_location.h"
#include "store/organiser_store.h"

namespace tovik {

// The organiser's main window: a fixed-size frame that owns the store from
// its creation to its destruction.
class TTovikMain {
 public:
  static constexpr int kClientWidth = 345;
  static constexpr int kClientHeight = 413;

  // Loads the store and creates the window; false when the program must end
  // (the data file could not be created; the user has been told).
  bool Create(HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnDestroy();

  HWND hwnd_ = nullptr;
  DataLocation location_;
  std::unique_ptr<FileSystem> fs_;
  std::unique_ptr<OrganiserStore> store_;
};

}  // namespace tovik
