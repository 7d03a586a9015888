#pragma once
// A dialog template: the dialog's caption, size, font and styles and its
// controls in template order. Templates are data (res/dialogs/*.dlg), read
// once from the resources; both window systems build their screens from them.
//
// The text form, one item a line, '#' starting a comment:
//   DIALOG 129
//   CAPTION "Dialog"
//   SIZE 141 157                     width and height in dialog units
//   FONT 9 "굴림체"                   point size and face
//   STYLE POPUP CAPTION SYSMENU MODALFRAME
//   EXSTYLE APPWINDOW CAPTIONOKBTN   CAPTIONOKBTN: the caption OK button
//   CONTROL 1027 COMBOBOX 23 2 78 83 "" DROPDOWN VSCROLL TABSTOP
// A CONTROL line holds the id (-1 for none), the kind, x y width height in
// dialog units, the quoted text and the control's styles. Kinds: EDIT BUTTON
// CHECKBOX STATIC PICTURE COMBOBOX LISTVIEW TAB MONTHCAL. A PICTURE names its
// bitmap with IMAGE=name.

#include <string>
#include <vector>

#include "platform/framework/CString.h"

enum class ControlKind { Edit, Button, CheckBox, Static, Picture, ComboBox, ListView, Tab, MonthCal };

// Control styles, one bit each.
namespace ControlStyle {
constexpr unsigned Border = 1u << 0;
constexpr unsigned TabStop = 1u << 1;
constexpr unsigned Hidden = 1u << 2;
constexpr unsigned ReadOnly = 1u << 3;
constexpr unsigned Left = 1u << 4;
constexpr unsigned Center = 1u << 5;
constexpr unsigned Right = 1u << 6;
constexpr unsigned MultiLine = 1u << 7;
constexpr unsigned AutoHScroll = 1u << 8;
constexpr unsigned OwnerDraw = 1u << 9;
constexpr unsigned AutoCheckBox = 1u << 10;
constexpr unsigned DropDown = 1u << 11;
constexpr unsigned Sort = 1u << 12;
constexpr unsigned VScroll = 1u << 13;
constexpr unsigned Report = 1u << 14;
constexpr unsigned NoToday = 1u << 15;
constexpr unsigned PushButton = 1u << 16;
} // namespace ControlStyle

struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::Static;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    CString text;
    unsigned styles = 0;
    CString image;                             // PICTURE: the bitmap's name
    bool Has(unsigned style) const { return (styles & style) != 0; }
};

struct DialogTemplate {
    int id = 0;
    CString caption;
    int width = 0, height = 0;                 // dialog units
    int fontPoints = 9;
    CString fontFace;
    std::vector<std::string> styles;           // POPUP CAPTION SYSMENU MODALFRAME
    std::vector<std::string> extendedStyles;   // APPWINDOW CAPTIONOKBTN
    bool captionOkButton = false;
    std::vector<ControlTemplate> controls;

    // The template with that number from the resources; null when there is none.
    static const DialogTemplate* Find(int id);
    // Reads the text form; on a malformed line returns false and says why.
    static bool Parse(std::string_view text, DialogTemplate& out, std::string& error);
    // Adds a template that is not in the resources (tests make their own).
    static void Register(const DialogTemplate& dialogTemplate);
    // Every template the resources hold, in number order.
    static std::vector<int> AllIds();
};

const char* ControlKindName(ControlKind kind);
