#include "platform/fltk/PeerFactory.h"

#include "platform/fltk/ControlPeers.h"
#include "platform/fltk/FormPeer.h"
#include "platform/fltk/MemoPeer.h"
#include "platform/forms/Forms.h"

namespace platform::fltk {

using platform::forms::TWinControl;

namespace {

std::unique_ptr<WidgetPeer> MakePeer(TControl& control) {
  if (auto* c = dynamic_cast<TPanel*>(&control)) return MakePanelPeer(*c);
  if (auto* c = dynamic_cast<TImage*>(&control)) return MakeImagePeer(*c);
  if (auto* c = dynamic_cast<TStaticText*>(&control)) return MakeStaticTextPeer(*c);
  if (auto* c = dynamic_cast<TLabel*>(&control)) return MakeLabelPeer(*c);
  if (auto* c = dynamic_cast<TBevel*>(&control)) return MakeBevelPeer(*c);
  if (auto* c = dynamic_cast<TSpeedButton*>(&control)) return MakeSpeedButtonPeer(*c);
  if (auto* c = dynamic_cast<TRadioButton*>(&control)) return MakeRadioButtonPeer(*c);
  if (auto* c = dynamic_cast<TCheckBox*>(&control)) return MakeCheckBoxPeer(*c);
  if (auto* c = dynamic_cast<TButton*>(&control)) return MakeButtonPeer(*c);
  if (auto* c = dynamic_cast<TComboBox*>(&control)) return MakeComboBoxPeer(*c);
  if (auto* c = dynamic_cast<TScrollBar*>(&control)) return MakeScrollBarPeer(*c);
  if (auto* c = dynamic_cast<TMemo*>(&control)) return MakeMemoPeer(*c);
  return nullptr;
}

// The widget goes above the widgets of the siblings created before the control.
void InsertIntoParent(TControl& control, WidgetPeer& peer) {
  TWinControl* parent = control.Parent();
  WidgetPeer* parentPeer = parent ? PeerOf(*parent) : nullptr;
  Fl_Group* group = parentPeer ? parentPeer->ChildGroup() : nullptr;
  if (!group) return;
  if (Fl_Group* old = peer.Widget()->parent()) old->remove(peer.Widget());
  int index = 0;
  for (int i = 0; i < parent->ControlCount() && parent->Controls(i) != &control; ++i)
    if (WidgetPeer* sibling = PeerOf(*parent->Controls(i)); sibling && sibling->Widget()->parent() == group) ++index;
  group->insert(*peer.Widget(), index);
}

void AttachTree(TControl& control) {
  if (WidgetPeer* existing = PeerOf(control)) {
    InsertIntoParent(control, *existing);
    existing->ApplyAll();
    return;
  }
  std::unique_ptr<WidgetPeer> peer = MakePeer(control);
  if (!peer) return;
  WidgetPeer& attached = *peer;
  InsertIntoParent(control, attached);
  control.SetPeer(std::move(peer));
  attached.ApplyAll();
  if (auto* container = dynamic_cast<TWinControl*>(&control))
    for (int i = 0; i < container->ControlCount(); ++i) AttachTree(*container->Controls(i));
}

}

void AttachFormPeers(TForm& form) {
  std::unique_ptr<WidgetPeer> peer = MakeFormPeer(form);
  WidgetPeer& attached = *peer;
  form.SetPeer(std::move(peer));
  for (int i = 0; i < form.ControlCount(); ++i) AttachTree(*form.Controls(i));
  attached.ApplyAll();
}

void AttachControlPeers(TControl& control) {
  TForm* form = control.ParentForm();
  if (!form || !PeerOf(*form)) return;
  AttachTree(control);
}

}  // namespace platform::fltk
