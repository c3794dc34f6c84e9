#include "web_platform.h"

#include <emscripten/val.h>

#include <cstring>

namespace {

emscripten::val Host() {
    return emscripten::val::global("velquorHost");
}

}  // namespace

std::uint8_t* WebPlatform::CreateFrameBitmap(int width, int height) {
    width_ = width;
    height_ = height;
    bits_.assign(static_cast<std::size_t>(width) * height * 3, 0);
    Host().call<void>("createFrame", width, height);
    return bits_.data();
}

void WebPlatform::SetTimer(unsigned id, unsigned milliseconds) {
    Host().call<void>("setTimer", id, milliseconds);
}

void WebPlatform::KillTimer(unsigned id) {
    Host().call<void>("killTimer", id);
}

void WebPlatform::EnableControl(int id, bool enable) {
    Host().call<void>("enableControl", id, enable);
}

void WebPlatform::Invalidate() {
    Host().call<void>("invalidate");
}

void WebPlatform::InsertTab(int index, const std::string& text) {
    Host().call<void>("insertTab", index, text);
}

std::string WebPlatform::Caption(std::string_view text) const {
    return Host().call<std::string>("caption", std::string(text));
}

void WebPlatform::SelectTab(int index) {
    Host().call<void>("selectTab", index);
}

int WebPlatform::CurrentTab() const {
    return Host().call<int>("currentTab");
}

void WebPlatform::AddListItem(const std::string& text, std::intptr_t data) {
    Host().call<void>("addListItem", text, static_cast<double>(data));
}

void WebPlatform::SelectListItem(int index) {
    Host().call<void>("selectListItem", index);
}

std::intptr_t WebPlatform::SelectedListItemData() const {
    return static_cast<std::intptr_t>(Host().call<double>("selectedListItemData"));
}

std::string WebPlatform::ControlText(int id) const {
    return Host().call<std::string>("controlText", id);
}

void WebPlatform::SetControlText(int id, const std::string& text) {
    Host().call<void>("setControlText", id, text);
}

void WebPlatform::DataEntryMessage(int id, const std::string& message) {
    Host().call<void>("dataEntryMessage", id, message);
}

void WebPlatform::AppendAboutMenuItem(unsigned command, const std::string& text) {
    Host().call<void>("appendMenuItem", 0u, std::string());  // the separator
    Host().call<void>("appendMenuItem", command, text);
}

void WebPlatform::OpenWebAddress(const std::string& address) {
    Host().call<void>("openWebAddress", address);
}

void WebPlatform::RunAboutBox() {
    Host().call<void>("runAboutBox");
}

void WebPlatform::RunSettingsDialog(SettingsEditor& editor) {
    settings_ = std::make_unique<SettingsEditor>(editor);
    emscripten::val fields = emscripten::val::array();
    for (const SettingsEditor::Field& f : settings_->Fields()) {
        emscripten::val field = emscripten::val::object();
        field.set("name", f.name);
        field.set("range", f.range);
        field.set("text", f.text);
        fields.call<void>("push", field);
    }
    emscripten::val dialog = emscripten::val::object();
    dialog.set("caption", std::string(settings_->Info().caption));
    dialog.set("formula", std::string(settings_->Info().formula));
    dialog.set("fields", fields);
    Host().call<void>("runSettingsDialog", dialog);
}

emscripten::val WebPlatform::ApplySettings(const emscripten::val& texts) {
    emscripten::val answer = emscripten::val::object();
    answer.set("message", std::string());
    answer.set("applied", false);
    if (!settings_) return answer;
    std::vector<SettingsEditor::Field>& fields = settings_->Fields();
    const auto count = texts["length"].as<unsigned>();
    for (unsigned i = 0; i < count && i < fields.size(); ++i)
        fields[i].text = texts[i].as<std::string>();
    if (const std::optional<std::string> message = settings_->Apply()) {
        answer.set("message", *message);
        answer.set("field", settings_->BadField());
        return answer;
    }
    settings_.reset();
    answer.set("applied", true);
    return answer;
}

void WebPlatform::CancelSettings() {
    if (settings_) settings_->Cancel();
    settings_.reset();
}

void WebPlatform::SetLevelTable(const std::vector<std::string>& columns,
                                const std::vector<std::vector<std::string>>& rows) {
    emscripten::val captions = emscripten::val::array();
    for (const std::string& c : columns)
        captions.call<void>("push", c);
    emscripten::val lines = emscripten::val::array();
    for (const std::vector<std::string>& row : rows) {
        emscripten::val line = emscripten::val::array();
        for (const std::string& text : row)
            line.call<void>("push", text);
        lines.call<void>("push", line);
    }
    Host().call<void>("setLevelTable", captions, lines);
}

void WebPlatform::ShowLevelTable(bool shown) {
    Host().call<void>("showLevelTable", shown);
}

const std::vector<std::uint8_t>& WebPlatform::FrameRgba() {
    const auto w = static_cast<std::size_t>(width_);
    const auto h = static_cast<std::size_t>(height_);
    rgba_.resize(w * h * 4);
    // One 32-bit store a pixel: red, green, blue, opaque alpha in memory order.
    for (std::size_t row = 0; row < h; ++row) {
        const std::uint8_t* from = bits_.data() + (h - 1 - row) * w * 3;
        std::uint8_t* to = rgba_.data() + row * w * 4;
        for (std::size_t x = 0; x < w; ++x, from += 3, to += 4) {
            const std::uint32_t pixel =
                0xFF000000u | std::uint32_t{from[0]} << 16 | std::uint32_t{from[1]} << 8 | from[2];
            std::memcpy(to, &pixel, sizeof pixel);
        }
    }
    return rgba_;
}
