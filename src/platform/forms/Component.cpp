#include "platform/forms/Component.h"

#include <algorithm>

namespace platform::forms {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) {
    owner_->components_.push_back(this);
  }
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ != nullptr) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;
  }
}

}  // namespace platform::forms
