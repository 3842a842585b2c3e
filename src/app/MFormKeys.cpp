// Keys and the mouse wheel: shortcuts for the tool-bar commands, acting through the controls so
// that a disabled control stays disabled for the keyboard too.

#include <algorithm>

#include "app/MForm.h"

namespace dgr {

using platform::forms::VK_ADD;
using platform::forms::VK_LEFT;
using platform::forms::VK_NEXT;
using platform::forms::VK_OEM_MINUS;
using platform::forms::VK_OEM_PLUS;
using platform::forms::VK_PRIOR;
using platform::forms::VK_RIGHT;
using platform::forms::VK_SUBTRACT;
using platform::forms::ssCtrl;

void TMForm::FormKeyDown(TObject*, int& key, TShiftState shift) {
  const auto choose = [this](int step) {
    const int item = std::clamp(cbZoom->ItemIndex() + step, 0, int(cbZoom->Items().size()) - 1);
    if (item != cbZoom->ItemIndex()) cbZoom->UserSelect(item);
  };
  switch (key) {
  case VK_LEFT:
  case VK_PRIOR:
    sbPrev->UserClick();
    break;
  case VK_RIGHT:
  case VK_NEXT:
    sbNext->UserClick();
    break;
  case VK_ADD:
  case VK_OEM_PLUS:
    choose(+1);
    break;
  case VK_SUBTRACT:
  case VK_OEM_MINUS:
    choose(-1);
    break;
  case 'O':
    if (!(shift & ssCtrl)) return;
    sbFOpen->UserClick();
    break;
  default:
    return;
  }
  key = 0;
}

// Over the plot, the wheel moves the pan scroll bar while it is shown.
void TMForm::FormMouseWheel(TObject*, TShiftState, int delta, int x, int y) {
  if (!pShift->Visible() || delta == 0 || !pGraf->BoundsRect().Contains(x, y)) return;
  sbShift->UserSetPosition(sbShift->Position() + (delta > 0 ? -1 : 1));
}

}  // namespace dgr
