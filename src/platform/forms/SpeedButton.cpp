#include "platform/forms/SpeedButton.h"

#include "platform/forms/Application.h"

namespace platform::forms {

namespace {
// Calls visit for every other speed button of button's parent that shares its group index.
template <class Visit>
void ForEachInGroup(TSpeedButton* button, Visit visit) {
  TWinControl* parent = button->Parent();
  if (parent == nullptr || button->GroupIndex() == 0) {
    return;
  }
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
    if (other != nullptr && other != button && other->GroupIndex() == button->GroupIndex()) {
      visit(other);
    }
  }
}
}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {}

void TSpeedButton::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed(TChange::Text);
  }
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0) {
    down = false;
  }
  if (down == down_ || (down_ && !allowAllUp_)) {
    return;
  }
  down_ = down;
  Changed(TChange::Down);
  if (down_) {
    ForEachInGroup(this, [](TSpeedButton* other) {
      if (other->down_) {
        other->down_ = false;
        other->Changed(TChange::Down);
      }
    });
  }
}

void TSpeedButton::SetGroupIndex(int groupIndex) {
  if (groupIndex == groupIndex_) {
    return;
  }
  groupIndex_ = groupIndex;
  if (down_) {
    if (groupIndex_ == 0) {
      down_ = false;
      Changed(TChange::Down);
    } else {
      ForEachInGroup(this, [](TSpeedButton* other) {
        if (other->down_) {
          other->down_ = false;
          other->Changed(TChange::Down);
        }
      });
    }
  }
}

void TSpeedButton::SetAllowAllUp(bool allowAllUp) {
  allowAllUp_ = allowAllUp;
  ForEachInGroup(this, [allowAllUp](TSpeedButton* other) { other->allowAllUp_ = allowAllUp; });
}

void TSpeedButton::SetFlat(bool flat) {
  if (flat != flat_) {
    flat_ = flat;
    Changed(TChange::Appearance);
  }
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  Changed(TChange::Appearance);
}

void TSpeedButton::SetSpacing(int spacing) {
  if (spacing != spacing_) {
    spacing_ = spacing;
    Changed(TChange::Appearance);
  }
}

void TSpeedButton::UserClick() {
  Application->Dispatch([this] {
    if (!EnabledInTree()) {
      return;
    }
    if (groupIndex_ != 0) {
      SetDown(!down_);
    }
    if (OnClick) {
      OnClick(this);
    }
  });
}

}  // namespace platform::forms
