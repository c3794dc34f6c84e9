// What the main dialog needs from a window system. The Qt window implements
// it for a person at a screen; HeadlessPlatform implements it for tests and
// the command line. Everything else of the program is the dialog's own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialog_template.h"

class SettingsEditor;

class DialogPlatform {
  public:
    virtual ~DialogPlatform() = default;

    // A control's rectangle in the dialog's client pixels.
    virtual PixelRect ControlRect(int id) const = 0;

    // Memory for the frame the window shows at the plot rectangle: 3 x width
    // bytes a row (blue, green, red), the bottom row first. Null if there is
    // none to be had; it stays valid while the dialog lives.
    virtual std::uint8_t* CreateFrameBitmap(int width, int height) = 0;

    virtual void SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned id) = 0;

    virtual void EnableControl(int id, bool enable) = 0;
    // Ask for a paint; the window then calls CWaveDlg::OnPaint and shows the frame.
    virtual void Invalidate() = 0;

    virtual void InsertTab(int index, const std::string& text) = 0;
    // The focused tab; -1 if none.
    virtual int CurrentTab() const = 0;
    // Shows a tab as chosen, without telling the dialog (as SelectListItem).
    virtual void SelectTab(int index) = 0;

    virtual void AddListItem(const std::string& text, std::intptr_t data) = 0;
    virtual void SelectListItem(int index) = 0;
    // The item data of the list's selected item; -1 if nothing is selected.
    virtual std::intptr_t SelectedListItemData() const = 0;

    virtual std::string ControlText(int id) const = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    // The data-entry message for a control whose text does not read: shows
    // it (modally, in a window) and puts the focus and selection back there.
    virtual void DataEntryMessage(int id, const std::string& message) = 0;

    // A caption (VQ_CAPTION) in the user's language; as it is by default.
    virtual std::string Caption(std::string_view text) const { return std::string(text); }

    // The About entry of the system menu, after a separator.
    virtual void AppendAboutMenuItem(unsigned command, const std::string& text) = 0;
    virtual void OpenWebAddress(const std::string& address) = 0;
    virtual void RunAboutBox() = 0;
    // The settings dialog of the chosen potential, modal, showing the
    // editor's fields: Enter calls its Apply (a message keeps the dialog
    // open), Escape its Cancel. A platform without one leaves it untouched.
    virtual void RunSettingsDialog(SettingsEditor&) {}
    // The "Niveles" tab's table: its column captions and rows of texts, and
    // whether it is shown (over the plot area, while that tab is selected).
    virtual void SetLevelTable(const std::vector<std::string>& /*columns*/,
                               const std::vector<std::vector<std::string>>& /*rows*/) {}
    virtual void ShowLevelTable(bool /*shown*/) {}
};
