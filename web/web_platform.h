// The dialog's platform in a web page. The page's script (velquor.js) keeps
// the controls as elements; every request of the dialog is forwarded to the
// script object `velquorHost`, and every event of the page comes back as one
// handler call through WebSession (web_main.cpp).
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog_platform.h"
#include "potential_choice.h"

class WebPlatform : public DialogPlatform {
  public:
    PixelRect ControlRect(int id) const override { return MainControlPixelRect(id); }
    std::uint8_t* CreateFrameBitmap(int width, int height) override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void EnableControl(int id, bool enable) override;
    void Invalidate() override;
    void InsertTab(int index, const std::string& text) override;
    int CurrentTab() const override;
    void SelectTab(int index) override;
    void AddListItem(const std::string& text, std::intptr_t data) override;
    void SelectListItem(int index) override;
    std::intptr_t SelectedListItemData() const override;
    std::string ControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void DataEntryMessage(int id, const std::string& message) override;
    std::string Caption(std::string_view text) const override;
    void AppendAboutMenuItem(unsigned command, const std::string& text) override;
    void OpenWebAddress(const std::string& address) override;
    void RunAboutBox() override;
    // A page cannot wait inside the click: the page is handed the editor's
    // fields and opens its settings dialog, and this returns at once. A
    // copy of the editor, of the same choice and family, stays here for the
    // dialog's OK or Cancel.
    void RunSettingsDialog(SettingsEditor& editor) override;
    void SetLevelTable(const std::vector<std::string>& columns,
                       const std::vector<std::vector<std::string>>& rows) override;
    void ShowLevelTable(bool shown) override;

    // OK with the texts typed: {message, field, applied}, the message and the
    // field it names when one does not read (the dialog stays open), or an
    // empty message and applied when the settings were taken.
    emscripten::val ApplySettings(const emscripten::val& texts);
    // Cancel: nothing changes.
    void CancelSettings();

    int FrameWidth() const { return width_; }
    int FrameHeight() const { return height_; }
    // The frame as a canvas takes it: rows top to bottom, red, green, blue,
    // alpha. Valid until the next call.
    const std::vector<std::uint8_t>& FrameRgba();

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;  // bottom row first, blue-green-red
    std::vector<std::uint8_t> rgba_;
    std::unique_ptr<SettingsEditor> settings_;  // while the settings dialog is open
};
