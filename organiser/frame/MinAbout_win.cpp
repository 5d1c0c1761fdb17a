#include "organiser/frame/MinAbout_win.h"

#include <algorithm>
#include <utility>

#include "ui/dpi_win.h"
#include "ui/fonts_win.h"
#include "ui/text_fit_win.h"
#include "ui/unhandled_error_win.h"
#include "ui/window_win.h"

namespace tovik {

namespace {

constexpr int kLinkId = 100;

// At a designed place, in the layout's scale.
void Place(HWND control, int left, int top, int width, int height) {
  MoveWindow(control, ui::Scaled(left), ui::Scaled(top), ui::Scaled(width), ui::Scaled(height),
             TRUE);
}

}  // namespace

TFormAbout::TFormAbout(CreateArgs args)
    : args_(std::move(args)),
      titleFont_(ui::MakeFont({.points = 18, .bold = true})),
      linkFont_(ui::MakeFont({.underline = true})),
      boldFont_(ui::MakeFont({.bold = true})),
      brush_(GetSysColor(COLOR_BTNFACE)) {
  // Centred on the screen, on top of other windows, resizable within limits,
  // and without the buttons of a system menu.
  const int width = ui::Scaled(kDesignSize.cx);
  const int height = ui::Scaled(kDesignSize.cy);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  CreateOwnWindow({.className = L"TFormAbout",
                   .name = "FormAbout",
                   .style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN,
                   .exStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME,
                   .parent = args_.owner,
                   .bounds = ui::Bounds(left, top, width, height),
                   .text = L"About Tovik"});
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(args_.font), FALSE);
  CreateControls();
  LayOut();
}

void TFormAbout::CreateControls() {
  pnlAbout_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlAbout", .parent = hwnd(), .font = args_.font});
  ui::Panel& upper = *pnlAbout_;
  icon_ = upper.AddLabel({.style = SS_ICON});
  SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(ui::ProgramIcon()), 0);
  productName_ = upper.AddLabel({.text = L"Tovik", .style = SS_CENTER, .font = titleFont_});
  version_ = upper.AddLabel({.text = L"Version 5.63", .style = SS_CENTER});
  visitUs_ = upper.AddLabel({.text = L"Visit us at", .style = SS_CENTER});
  labelUrl_ = upper.AddLabel({.text = args_.website.c_str(),
                              .style = SS_CENTER,
                              .font = linkFont_,
                              .id = kLinkId,
                              .link = true});

  pnlPaths_ = std::make_unique<ui::Panel>(
      ui::Panel::CreateArgs{.name = "pnlPaths", .parent = hwnd(), .font = args_.font});
  ui::Panel& lower = *pnlPaths_;
  dataPathRootLabel_ = lower.AddLabel({.text = L"Data path :"});
  dataFileLabel_ = lower.AddLabel({.text = L"Tovik.dat :"});
  // Filled once: the paths of this run do not change.
  const DWORD pathStyle = WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
  dataPathRoot_ =
      lower.AddControl(L"EDIT", args_.dataRoot.c_str(), pathStyle, {}, 0, WS_EX_CLIENTEDGE);
  dataFile_ =
      lower.AddControl(L"EDIT", args_.dataFilePath.c_str(), pathStyle, {}, 0, WS_EX_CLIENTEDGE);

  okButton_ = ui::Created(CreateWindowExW(
      0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
      hwnd(), reinterpret_cast<HMENU>(IDOK), GetModuleHandleW(nullptr), nullptr));
  SendMessageW(okButton_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
}

void TFormAbout::LayOut() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = MulDiv(client.right, ui::kDesignDpi, ui::LayoutDpi());
  const int panelWidth = width - 12;
  Place(pnlAbout_->hwnd(), 6, 6, panelWidth, 130);
  Place(icon_, 12, 12, 32, 32);
  Place(productName_, 50, 10, panelWidth - 100, 32);
  Place(version_, 50, 46, panelWidth - 100, 16);
  Place(visitUs_, 8, 74, panelWidth - 16, 16);
  Place(labelUrl_, 8, 92, panelWidth - 16, 18);
  Place(pnlPaths_->hwnd(), 6, 142, panelWidth, 60);
  // The path boxes begin after the wider caption, a little apart from it,
  // and never further left than designed.
  int captions = 0;
  for (const HWND label : {dataPathRootLabel_, dataFileLabel_}) {
    captions = std::max(captions, ui::Designed(ui::TextExtent(label, ui::WindowText(label)).cx));
  }
  const int boxLeft = std::max(100, 8 + captions + 6);
  Place(dataPathRootLabel_, 8, 9, boxLeft - 10, 16);
  Place(dataPathRoot_, boxLeft, 6, panelWidth - boxLeft - 8, 21);
  Place(dataFileLabel_, 8, 35, boxLeft - 10, 16);
  Place(dataFile_, boxLeft, 32, panelWidth - boxLeft - 8, 21);
  Place(okButton_, (width - 80) / 2, 212, 80, 25);
}

void TFormAbout::SetColors(int32_t color, int32_t fontColor) {
  brush_ = ui::SolidBrush(ui::ResolveColor(color));
  pnlAbout_->SetColors(color, fontColor);
  pnlPaths_->SetColors(color, fontColor);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

HWND TFormAbout::ControlOf(Target target) const {
  switch (target) {
    case Target::TFormAbout:
      return hwnd();
    case Target::lblVisitUs:
      return visitUs_;
    case Target::lblDataPath_Root:
      return dataPathRootLabel_;
    case Target::lblDataPath_TovikDat:
      return dataFileLabel_;
    default:
      return nullptr;
  }
}

void TFormAbout::ShowModal() {
  const HWND owner = args_.owner;
  EnableWindow(owner, FALSE);
  modal_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(okButton_);
  MSG message;
  while (modal_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit message for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (IsDialogMessageW(hwnd(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  modal_ = false;
  // The owner is enabled first, so that it takes the activation back.
  EnableWindow(owner, TRUE);
  ShowWindow(hwnd(), SW_HIDE);
}

void TFormAbout::Dismiss() {
  if (!modal_) {
    ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  modal_ = false;
  PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the modal loop
}

LRESULT TFormAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseBackground(wParam, brush_);
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {ui::Scaled(kMinSize.cx), ui::Scaled(kMinSize.cy)};
      limits->ptMaxTrackSize = {ui::Scaled(kMaxSize.cx), ui::Scaled(kMaxSize.cy)};
      return 0;
    }
    case WM_SIZE:
      if (okButton_) LayOut();
      return 0;
    case WM_CTLCOLORBTN:  // the OK button's corners
      return reinterpret_cast<LRESULT>(brush_.get());
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
          Dismiss();
          return 0;
        case kLinkId:
          if (HIWORD(wParam) != STN_CLICKED || !args_.onLinkClick) return 0;
          try {
            args_.onLinkClick();
          } catch (...) {
            HandleUnhandledError("LabelUrl");
          }
          return 0;
      }
      break;
    case WM_CLOSE:
      Dismiss();
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik
