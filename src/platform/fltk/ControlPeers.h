#pragma once

#include "platform/fltk/WidgetPeer.h"

namespace platform::forms {
class TPanel;
class TImage;
class TStaticText;
class TLabel;
class TBevel;
class TSpeedButton;
class TRadioButton;
class TCheckBox;
class TButton;
class TComboBox;
class TScrollBar;
}  // namespace platform::forms

namespace platform::fltk {

using platform::forms::TBevel;
using platform::forms::TButton;
using platform::forms::TCheckBox;
using platform::forms::TComboBox;
using platform::forms::TImage;
using platform::forms::TLabel;
using platform::forms::TPanel;
using platform::forms::TRadioButton;
using platform::forms::TScrollBar;
using platform::forms::TSpeedButton;
using platform::forms::TStaticText;

// Peers of the controls whose widget needs no more than the properties passed on: each makes
// its widget at the control's place and wires the widget's user input to the control's
// user-input method, through the Application's guard.
std::unique_ptr<WidgetPeer> MakePanelPeer(TPanel& panel);
std::unique_ptr<WidgetPeer> MakeImagePeer(TImage& image);
std::unique_ptr<WidgetPeer> MakeStaticTextPeer(TStaticText& text);
std::unique_ptr<WidgetPeer> MakeLabelPeer(TLabel& label);
std::unique_ptr<WidgetPeer> MakeBevelPeer(TBevel& bevel);
std::unique_ptr<WidgetPeer> MakeSpeedButtonPeer(TSpeedButton& button);
std::unique_ptr<WidgetPeer> MakeRadioButtonPeer(TRadioButton& button);
std::unique_ptr<WidgetPeer> MakeCheckBoxPeer(TCheckBox& box);
std::unique_ptr<WidgetPeer> MakeButtonPeer(TButton& button);
std::unique_ptr<WidgetPeer> MakeComboBoxPeer(TComboBox& box);
std::unique_ptr<WidgetPeer> MakeScrollBarPeer(TScrollBar& bar);

}  // namespace platform::fltk
