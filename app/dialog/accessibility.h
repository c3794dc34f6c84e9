// What a screen reader says of the dialog: a name and a description for every
// control (captions, VQ_CAPTION, in the user's language through the
// platform), and a line of text saying what the picture shows. The window
// gives them to QAccessible, the page to ARIA.
#pragma once

#include <optional>
#include <span>
#include <string>

class CWaveDlg;
class DialogPlatform;

struct AccessibleText {
    int id;                   // the control ID
    const char* name;         // the caption a control shows, or a name for one without
    const char* description;  // what it does
};

std::span<const AccessibleText> AccessibleTexts();
// The entry of a control; null for an ID without one.
const AccessibleText* FindAccessibleText(int id);

// The picture in words, for instance "Oscillator, level 3 of 9: E = −3.0503,
// 3 nodes, odd": the potential, then what the current tab shows.
std::string PlotDescription(CWaveDlg& dlg, const DialogPlatform& platform);

// The energy at a row of the frame (0 at the top) on the "Normal" tab's
// scale, rounded to 4 decimals; nothing before the views are set up.
std::optional<double> EnergyAtRow(const CWaveDlg& dlg, double row);
