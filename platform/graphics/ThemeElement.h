#pragma once

#include <optional>
#include <string_view>

namespace plat {

// The visual-style classes the theme service knows.
enum class TThemeClass { Button, ComboBox, Edit, Header, Progress, ScrollBar, Spin, Tab, Window };

// The class named in a ';'-separated list (case ignored, blanks around names too): the first one
// known; nothing when none is.
std::optional<TThemeClass> FindThemeClass(std::string_view ClassList);

// Upper case, as the platform spells them ("BUTTON").
std::string_view ThemeClassName(TThemeClass Class);

enum class TThemeElementKind {
    PushButton,
    CheckBox,
    RadioButton,
    // A button with an arrow: scroll-bar arrows, spin buttons, the combo box's drop-down button.
    ArrowButton,
    EditText,
    HeaderItem,
    ProgressBar,
    ProgressChunk,
    TabItem,
    TabPane,
    Caption,
    DialogFace,
};

enum class TThemeArrow { Up, Down, Left, Right };
enum class TThemeCheckMark { Unchecked, Checked, Mixed };

// What one part in one state of a class is, told apart from how a style draws it.
struct TThemeElement {
    TThemeElementKind Kind = TThemeElementKind::PushButton;
    TThemeArrow Arrow = TThemeArrow::Up;
    bool Vertical = false;
    TThemeCheckMark Mark = TThemeCheckMark::Unchecked;
    bool Enabled = true;
    bool Hot = false;
    bool Pressed = false;
    bool Focused = false;
    bool Defaulted = false;
    bool Selected = false;
    bool ReadOnly = false;
    // A window caption of the active window.
    bool Active = true;
};

// The element of a part and state (numbers of ThemeParts.h); nothing when the class has no such
// part or the part no such state. State 0 is the part's first state. Parts without states take
// any state number.
std::optional<TThemeElement> FindThemeElement(TThemeClass Class, int PartId, int StateId);

}  // namespace plat
