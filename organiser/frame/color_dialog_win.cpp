#include "organiser/frame/color_dialog_win.h"

#include <commdlg.h>

namespace tovik {

std::optional<COLORREF> RunColorDialog(const ColorDialogArgs& args) {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = args.owner;
  choose.rgbResult = args.initial;
  choose.lpCustColors = args.customColors;
  choose.Flags = CC_RGBINIT | (args.fullOpen ? CC_FULLOPEN : CC_PREVENTFULLOPEN | CC_SOLIDCOLOR);
  if (!ChooseColorW(&choose)) return std::nullopt;
  return choose.rgbResult;
}

}  // namespace tovik
