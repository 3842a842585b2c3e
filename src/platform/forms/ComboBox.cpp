#include "platform/forms/ComboBox.h"

#include "platform/forms/Application.h"

namespace platform::forms {

using platform::graphics::clWindow;

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) { SetDefaultColor(clWindow); }

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style != style_) {
    style_ = style;
    Changed(TChange::Appearance);
  }
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  itemIndex_ = -1;
  Changed(TChange::Items);
}

void TComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed(TChange::Items);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= int(items_.size())) {
    index = -1;
  }
  if (index != itemIndex_) {
    itemIndex_ = index;
    Changed(TChange::ItemIndex);
  }
}

std::string TComboBox::Text() const { return itemIndex_ >= 0 ? items_[std::size_t(itemIndex_)] : std::string(); }

void TComboBox::SetItemHeight(int height) {
  if (height != itemHeight_) {
    itemHeight_ = height;
    Changed(TChange::Appearance);
  }
}

void TComboBox::UserSelect(int index) {
  Application->Dispatch([this, index] {
    if (!EnabledInTree() || index < 0 || index >= int(items_.size())) {
      return;
    }
    SetItemIndex(index);
    if (OnChange) {
      OnChange(this);
    }
  });
}

}  // namespace platform::forms
