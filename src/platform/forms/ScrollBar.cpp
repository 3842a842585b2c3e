#include "platform/forms/ScrollBar.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Exception.h"

namespace platform::forms {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind != kind_) {
    kind_ = kind;
    Changed(TChange::Appearance);
  }
}

void TScrollBar::SetPosition(int position) { SetParams(position, min_, max_); }

void TScrollBar::SetMin(int min) { SetParams(position_, min, max_); }

void TScrollBar::SetMax(int max) { SetParams(position_, min_, max); }

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min || max < pageSize_) {
    throw Exception("Scroll bar property out of range");
  }
  position = std::clamp(position, min, max);
  const bool rangeChanged = min != min_ || max != max_;
  const bool positionChanged = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  if (rangeChanged || positionChanged) {
    Changed(TChange::Scroll);
  }
  if (positionChanged && OnChange) {
    OnChange(this);
  }
}

void TScrollBar::SetPageSize(int pageSize) {
  if (pageSize < 0 || pageSize > max_) {
    throw Exception("Scroll bar property out of range");
  }
  if (pageSize != pageSize_) {
    pageSize_ = pageSize;
    Changed(TChange::Scroll);
  }
}

void TScrollBar::SetSmallChange(int change) {
  if (change != smallChange_) {
    smallChange_ = change;
    Changed(TChange::Scroll);
  }
}

void TScrollBar::SetLargeChange(int change) {
  if (change != largeChange_) {
    largeChange_ = change;
    Changed(TChange::Scroll);
  }
}

void TScrollBar::UserSetPosition(int position) {
  Application->Dispatch([this, position] {
    if (EnabledInTree()) {
      SetPosition(position);
    }
  });
}

}  // namespace platform::forms
