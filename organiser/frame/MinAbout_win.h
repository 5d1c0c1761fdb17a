#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "organiser/languages/targets.h"
#include "ui/gdi_win.h"
#include "ui/panel_win.h"
#include "ui/window_win.h"

namespace tovik {

// The About box: the program's name and version, the maker's address as a
// link, and the two data paths of this run. Created hidden once at start-up,
// then only shown (modally) and hidden.
class TFormAbout : public ui::Window {
 public:
  struct CreateArgs {
    HWND owner = nullptr;
    HFONT font = nullptr;
    std::wstring dataRoot;      // DataRoot, shown in edtDataPath_Root
    std::wstring dataFilePath;  // DataFilePath, shown in edtDataPath_TovikDat
    std::wstring website;       // the text of LabelUrl
    std::function<void()> onLinkClick;
  };
  static constexpr SIZE kDesignSize{393, 290};
  static constexpr SIZE kMinSize{300, 290};
  static constexpr SIZE kMaxSize{600, 300};

  explicit TFormAbout(CreateArgs args);

  // Shows the box and returns when OKButton (or Enter, Esc, Alt+F4) hides it;
  // the owner is disabled meanwhile.
  void ShowModal();
  bool IsShowing() const { return modal_; }
  // Hides the box and ends the modal state, as OKButton does.
  void Dismiss();

  void SetColors(int32_t color, int32_t fontColor);
  // The control that a language row names, or null; the box's own caption
  // is the window's.
  HWND ControlOf(Target target) const;
  // The captions' texts have changed: the boxes beside them make room.
  void FitTexts() { LayOut(); }
  HWND DataRootBox() const { return dataPathRoot_; }
  HWND DataFileBox() const { return dataFile_; }
  HWND OkButton() const { return okButton_; }
  HWND LinkLabel() const { return labelUrl_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void LayOut();

  CreateArgs args_;
  ui::GdiObject<HFONT> titleFont_;
  ui::GdiObject<HFONT> linkFont_;
  ui::GdiObject<HFONT> boldFont_;
  ui::SolidBrush brush_;
  std::unique_ptr<ui::Panel> pnlAbout_;
  std::unique_ptr<ui::Panel> pnlPaths_;
  HWND productName_ = nullptr;
  HWND version_ = nullptr;
  HWND visitUs_ = nullptr;
  HWND labelUrl_ = nullptr;
  HWND icon_ = nullptr;
  HWND dataPathRootLabel_ = nullptr;
  HWND dataPathRoot_ = nullptr;
  HWND dataFileLabel_ = nullptr;
  HWND dataFile_ = nullptr;
  HWND okButton_ = nullptr;
  bool modal_ = false;
};

}  // namespace tovik
