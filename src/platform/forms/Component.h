#pragma once

#include <string>
#include <vector>

namespace platform::forms {

// Root of the class tree; handlers receive the control that raised an event as a TObject*.
class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// A named object with a Tag, owned by another component. An owner destroys the components it
// owns, the last created first, when it is destroyed. Owned components are made with new.
class TComponent : public TObject {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return int(components_.size()); }
  TComponent* Components(int index) const { return components_.at(std::size_t(index)); }

protected:
  // Destroys the owned components, the last first. A derived class whose owned components need
  // its own parts calls this from its destructor.
  void DestroyComponents();

private:
  TComponent* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
};

}  // namespace platform::forms
