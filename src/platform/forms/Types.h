#pragma once

#include "platform/graphics/Point.h"

namespace platform::forms {

// Small value types and enumerations shared by the control classes, with the old platform's names.

// A rectangle given by its edges; Right and Bottom lie just outside it.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool operator==(const TRect&) const = default;
};

// Alignment of a control inside its parent's client area. The parent places its children in
// the order bottom, left, client: each alBottom child takes the full width at the bottom of the
// area that is left, each alLeft child the full height at its left, and an alClient child all
// that remains.
enum TAlign { alNone, alBottom, alLeft, alClient };

enum TCursor { crDefault = 0, crCross = -3, crSizeWE = -9 };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and mouse buttons held during a mouse event, as a set of flags.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;

// What changed on a control; the platform's single notification path passes one of these to the
// control's peer (see TControlPeer).
enum class TChange {
  Bounds,       // Left, Top, Width, Height; for a form also its client size and border style
  Visible,      // Visible; for a form also raised by Show and Hide
  Enabled,
  Text,         // Caption of a form or control, text of a memo
  Font,
  Color,
  Hint,         // Hint, ShowHint, ParentShowHint
  Cursor,
  Appearance,   // bevels, border width and style, alignment, flat, glyph, spacing, word wrap,
                // scroll bars, style, item height, shape, kind, form icon and position
  Picture,      // an image's picture or its Transparent
  Down,         // a speed button's Down
  Checked,      // a radio button's or check box's Checked
  Items,        // a combo box's Items
  ItemIndex,    // a combo box's ItemIndex
  Scroll,       // a scroll bar's Min, Max, PageSize, SmallChange, LargeChange or Position
  BringToFront, // a form was shown with Show and comes to the front
};

// Virtual-key codes of the keys the windows react to, as the old platform numbered them.
constexpr int VK_PRIOR = 0x21;     // Page Up
constexpr int VK_NEXT = 0x22;      // Page Down
constexpr int VK_LEFT = 0x25;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_ADD = 0x6B;       // + on the keypad
constexpr int VK_SUBTRACT = 0x6D;  // - on the keypad
constexpr int VK_OEM_PLUS = 0xBB;  // the =/+ key
constexpr int VK_OEM_MINUS = 0xBD; // the -/_ key
// Letters and digits are their upper-case ASCII codes ('O' is 0x4F).

}  // namespace platform::forms
