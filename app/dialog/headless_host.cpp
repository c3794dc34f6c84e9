#include "headless_host.h"

#include "potential_choice.h"
#include "resources.h"

std::uint8_t* HeadlessPlatform::CreateFrameBitmap(int width, int height) {
    frameWidth = width;
    frameHeight = height;
    const std::size_t size = static_cast<std::size_t>(width) * height * 3;
    bitmap_.reset(static_cast<std::uint8_t*>(std::calloc(size, 1)));
    return bitmap_.get();
}

void HeadlessPlatform::SetTimer(unsigned id, unsigned milliseconds) {
    timers[id] = milliseconds;
    if (id != res::kSearchTimer) return;
    timerRunning = true;
    timerInterval = milliseconds;
}

void HeadlessPlatform::KillTimer(unsigned id) {
    timers.erase(id);
    if (id == res::kSearchTimer) timerRunning = false;
}

void HeadlessPlatform::InsertTab(int index, const std::string& text) {
    if (index < 0 || index > static_cast<int>(tabs.size())) index = static_cast<int>(tabs.size());
    tabs.insert(tabs.begin() + index, text);
    if (currentTab < 0) currentTab = 0;
}

void HeadlessPlatform::AddListItem(const std::string& text, std::intptr_t data) {
    listItems.emplace_back(text, data);
}

std::intptr_t HeadlessPlatform::SelectedListItemData() const {
    if (selectedItem < 0 || selectedItem >= static_cast<int>(listItems.size())) return -1;
    return listItems[selectedItem].second;
}

std::string HeadlessPlatform::ControlText(int id) const {
    const auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

void HeadlessPlatform::DataEntryMessage(int id, const std::string& message) {
    messages.emplace_back(id, message);
    if (whileModal) whileModal();
}

void HeadlessPlatform::AppendAboutMenuItem(unsigned command, const std::string& text) {
    systemMenu.emplace_back(0, "");  // the separator
    systemMenu.emplace_back(command, text);
}

void HeadlessPlatform::RunAboutBox() {
    ++aboutBoxes;
    if (whileModal) whileModal();
}

void HeadlessPlatform::RunSettingsDialog(SettingsEditor& editor) {
    ++settingsDialogs;
    if (whileSettings) {
        whileSettings(editor);
    } else {
        editor.Cancel();
    }
}

void HeadlessPlatform::SelectTab(int index) {
    if (index >= 0 && index < static_cast<int>(tabs.size())) currentTab = index;
}

bool HeadlessPlatform::IsEnabled(int id) const {
    const auto it = disabled_.find(id);
    return it == disabled_.end() || !it->second;
}

HeadlessSession::HeadlessSession(bool deferredDrawing) : dlg_(platform_) {
    dlg_.SetDeferredDrawing(deferredDrawing);
    dlg_.OnInitDialog();
}

void HeadlessSession::TypeEnergy(const std::string& text) {
    platform_.SetControlText(res::kEnergy, text);
}

void HeadlessSession::Click(int id) {
    if (!platform_.IsEnabled(id)) return;
    // A control the template hides cannot be reached.
    for (const ControlTemplate& c : MainDialogTemplate().controls)
        if (c.id == id && !c.visible) return;
    dlg_.OnCommand(id);
}

void HeadlessSession::SelectPotential(int index) {
    if (index < 0 || index >= static_cast<int>(platform_.listItems.size())) return;
    platform_.SelectListItem(index);
    dlg_.OnPotentialChange();
}

bool HeadlessSession::SelectPotential(const std::string& caption) {
    for (std::size_t i = 0; i < platform_.listItems.size(); ++i) {
        if (platform_.listItems[i].first == caption) {
            SelectPotential(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void HeadlessSession::Type(int id, const std::string& text) {
    platform_.SetControlText(id, text);
}

void HeadlessSession::ClickPlot(int x, int y) {
    dlg_.OnPlotMouse(x, y);
}

void HeadlessSession::PressPlotKey(PlotKey key) {
    dlg_.OnPlotKey(key);
}

void HeadlessSession::SelectTab(int index) {
    if (index < 0 || index >= static_cast<int>(platform_.tabs.size())) return;
    if (index == platform_.currentTab) return;  // no change, no notification
    platform_.currentTab = index;
    dlg_.OnTabChange();
}

bool HeadlessSession::Tick() {
    if (!platform_.timerRunning) return false;
    ++ticks_;
    dlg_.OnTimer(res::kSearchTimer);
    return true;
}

bool HeadlessSession::RunTimer(int maxTicks) {
    for (int i = 0; i < maxTicks && platform_.timerRunning; ++i)
        Tick();
    return !platform_.timerRunning;
}

bool HeadlessSession::TickEvolution() {
    if (!platform_.timers.contains(res::kEvolutionTimer)) return false;
    dlg_.OnTimer(res::kEvolutionTimer);
    return true;
}

bool HeadlessSession::TickPacket() {
    if (!platform_.timers.contains(res::kPacketTimer)) return false;
    dlg_.OnTimer(res::kPacketTimer);
    return true;
}

const std::vector<std::uint8_t>& HeadlessSession::Paint() {
    dlg_.OnPaint();
    const std::size_t size =
        static_cast<std::size_t>(platform_.frameWidth) * platform_.frameHeight * 3;
    if (const std::uint8_t* bits = platform_.Bitmap())
        platform_.frameBits.assign(bits, bits + size);
    return platform_.frameBits;
}

std::optional<std::string> HeadlessSession::ChangeSettings(const std::vector<std::string>& texts) {
    std::optional<std::string> message;
    platform_.whileSettings = [&](SettingsEditor& editor) {
        for (std::size_t i = 0; i < texts.size() && i < editor.Fields().size(); ++i)
            editor.Fields()[i].text = texts[i];
        message = editor.Apply();
        if (message) {
            platform_.messages.emplace_back(res::kSettings, *message);
            editor.Cancel();
        }
    };
    Click(res::kSettings);
    platform_.whileSettings = nullptr;
    return message;
}

// Enter runs the default button.
void HeadlessSession::PressEnter() {
    Click(res::kPredictor);
}
