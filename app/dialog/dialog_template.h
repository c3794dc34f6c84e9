// The dialog templates in dialog units, and their conversion to pixels. Both
// the window and the headless host lay the dialog out from these tables, so
// the plot rectangle is the same everywhere.
#pragma once

#include <cstdint>
#include <span>

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

enum class ControlKind {
    Edit,
    UpDown,
    GroupBox,
    PushButton,
    DefaultPushButton,
    TabControl,
    DropDownList,
    StaticText,
    StaticIcon,
    // One line of text centred on its height; "&" marks a mnemonic that
    // gives the focus to the label's buddy.
    Label,
};

struct ControlTemplate {
    int id;  // the control ID (negative where the template gives none)
    ControlKind kind;
    const char* caption;
    int x, y, cx, cy;  // dialog units
    bool visible;
};

struct DialogTemplate {
    const char* title;
    int cx, cy;                                 // client size in dialog units
    std::span<const ControlTemplate> controls;  // in tab order
};

// Template 102, the main dialog, and template 100, the About box.
const DialogTemplate& MainDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

// A control of a band, in pixels from the top-left corner of the plot
// rectangle.
struct BandControl {
    int id;  // the control ID; negative for a label, which has none
    ControlKind kind;
    const char* caption;  // "&" marks the mnemonic
    int x, y, cx, cy;     // pixels
    int buddy;            // a label's: the control its mnemonic focuses; 0 for none
};

// The controls a tab lays over the top rows of the plot rectangle (which its
// picture leaves blank), shown while that tab is selected.
struct BandTemplate {
    const char* name;                       // "evolution": the page's element is "evolution-band"
    int tab;                                // the index of the tab it belongs to
    int height;                             // pixels, across the plot's width
    int enterCommand;                       // what Enter in one of its fields runs
    std::span<const BandControl> controls;  // in tab order
};

// The bands of the main dialog's tabs: the "Evolucion" and "Paquete" tabs'.
std::span<const BandTemplate> BandTemplates();

// The 8-point dialog font at 96 dots per inch: base units 6 x 13.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// a * b / c rounded half away from zero, as the dialog manager does it.
int MulDiv(int a, int b, int c);
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// A control's rectangle in client pixels: each of x, y, width and height is
// converted on its own.
PixelRect ControlPixelRect(const ControlTemplate& control);
// A control of the main dialog by ID; all zero for an ID it does not have.
PixelRect MainControlPixelRect(int id);
// A band control's rectangle in pixels from the top-left of the plot.
PixelRect BandControlPixelRect(const BandControl& control);
