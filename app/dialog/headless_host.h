// The dialog without a window: a DialogPlatform that keeps every control's
// state in memory, and a session that drives the dialog the way a person at
// the window would (typing, clicking, choosing, the timer ticking).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialog_platform.h"
#include "wave_dlg.h"

class HeadlessPlatform : public DialogPlatform {
  public:
    PixelRect ControlRect(int id) const override { return MainControlPixelRect(id); }
    std::uint8_t* CreateFrameBitmap(int width, int height) override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void EnableControl(int id, bool enable) override { disabled_[id] = !enable; }
    void Invalidate() override { ++invalidations; }
    void InsertTab(int index, const std::string& text) override;
    int CurrentTab() const override { return currentTab; }
    void SelectTab(int index) override;
    void AddListItem(const std::string& text, std::intptr_t data) override;
    void SelectListItem(int index) override { selectedItem = index; }
    std::intptr_t SelectedListItemData() const override;
    std::string ControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override { texts_[id] = text; }
    void DataEntryMessage(int id, const std::string& message) override;
    void AppendAboutMenuItem(unsigned command, const std::string& text) override;
    void OpenWebAddress(const std::string& address) override { openedAddresses.push_back(address); }
    void RunAboutBox() override;
    void RunSettingsDialog(SettingsEditor& editor) override;
    void SetLevelTable(const std::vector<std::string>& columns,
                       const std::vector<std::vector<std::string>>& rows) override {
        levelColumns = columns;
        levelRows = rows;
    }
    void ShowLevelTable(bool shown) override { levelTableShown = shown; }

    bool IsEnabled(int id) const;

    // What the dialog has asked of the window so far. The search's timer;
    // every running timer by its ID, with its interval.
    bool timerRunning = false;
    unsigned timerInterval = 0;
    std::map<unsigned, unsigned> timers;
    int invalidations = 0;
    int currentTab = -1;
    int selectedItem = -1;
    std::vector<std::string> tabs;
    std::vector<std::pair<std::string, std::intptr_t>> listItems;
    std::vector<std::pair<int, std::string>> messages;  // control, text
    std::vector<std::pair<unsigned, std::string>> systemMenu;
    std::vector<std::string> openedAddresses;
    int aboutBoxes = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    // The frame as last painted by HeadlessSession::Paint: bottom row first,
    // blue-green-red.
    std::vector<std::uint8_t> frameBits;

    // Run while a modal box is up (the data-entry message, the About box):
    // a test can tick the timer there as a nested message loop would.
    std::function<void()> whileModal;

    // The "Niveles" tab's table as last set, and whether it is shown.
    std::vector<std::string> levelColumns;
    std::vector<std::vector<std::string>> levelRows;
    bool levelTableShown = false;
    // What a person does in the settings dialog; without it, Escape.
    std::function<void(SettingsEditor&)> whileSettings;
    int settingsDialogs = 0;

    // The frame bitmap's memory as the dialog painted it; null before any.
    const std::uint8_t* Bitmap() const { return bitmap_.get(); }

  private:
    struct Free {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    // Zeroed by the system as its pages are first touched: a session that
    // never paints (velquor-cli levels) never pays for it.
    std::unique_ptr<std::uint8_t[], Free> bitmap_;
    std::map<int, bool> disabled_;
    std::map<int, std::string> texts_;
};

// One run of the program with no screen.
class HeadlessSession {
  public:
    // Builds the dialog and runs its set-up, as opening the window does.
    explicit HeadlessSession(bool deferredDrawing = false);

    CWaveDlg& Dialog() { return dlg_; }
    const CWaveDlg& Dialog() const { return dlg_; }
    HeadlessPlatform& Platform() { return platform_; }

    void TypeEnergy(const std::string& text);
    // A click on a button; a disabled or hidden one does nothing.
    void Click(int id);
    void PressEnter();
    // Choose a list item by position, or by its caption.
    void SelectPotential(int index);
    bool SelectPotential(const std::string& caption);
    void SelectTab(int index);
    // Types into a control of a band (or any edit) as a person would.
    void Type(int id, const std::string& text);
    // A click on the picture at (x, y), pixels from its top-left corner, and
    // a key pressed over it.
    void ClickPlot(int x, int y);
    void PressPlotKey(PlotKey key);
    // Opens the settings dialog, types texts into its first fields and
    // presses Enter. A message (returned, and kept in messages) leaves the
    // dialog open; Escape then closes it.
    std::optional<std::string> ChangeSettings(const std::vector<std::string>& texts);
    // One timer tick, if the timer runs. Returns whether one was delivered.
    bool Tick();
    // Ticks until the timer stops; false if it still runs after maxTicks.
    bool RunTimer(int maxTicks = 100000);
    // One tick of the "Evolucion" tab's timer, if it runs.
    bool TickEvolution();
    // One tick of the "Paquete" tab's timer, if it runs.
    bool TickPacket();
    // Paints and returns the frame as the window shows it (bottom row first).
    const std::vector<std::uint8_t>& Paint();

    int Ticks() const { return ticks_; }

  private:
    HeadlessPlatform platform_;
    CWaveDlg dlg_;
    int ticks_ = 0;
};
