// The module's face to the page: the dialog templates to lay the page out
// from, and one session whose methods are the page's events, each forwarded
// to one handler of the dialog.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

#include "dialog_template.h"
#include "evolution_view.h"
#include "potential_choice.h"
#include "resources.h"
#include "wave_dlg.h"
#include "web_platform.h"

namespace {

using emscripten::val;

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "edit";
        case ControlKind::UpDown:
            return "updown";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::DefaultPushButton:
            return "default-button";
        case ControlKind::TabControl:
            return "tabs";
        case ControlKind::DropDownList:
            return "list";
        case ControlKind::StaticText:
            return "text";
        case ControlKind::StaticIcon:
            return "icon";
    }
    return "text";
}

// A template as the page builds it: its title and client size in pixels, and
// its controls in tab order with their pixel rectangles.
val Layout(const DialogTemplate& dialog) {
    val controls = val::array();
    for (const ControlTemplate& c : dialog.controls) {
        const PixelRect r = ControlPixelRect(c);
        val control = val::object();
        control.set("id", c.id);
        control.set("kind", std::string(KindName(c.kind)));
        control.set("caption", std::string(c.caption));
        control.set("left", r.left);
        control.set("top", r.top);
        control.set("width", r.Width());
        control.set("height", r.Height());
        control.set("visible", c.visible);
        controls.call<void>("push", control);
    }
    val layout = val::object();
    layout.set("title", std::string(dialog.title));
    layout.set("width", DialogUnitsToPixelsX(dialog.cx));
    layout.set("height", DialogUnitsToPixelsY(dialog.cy));
    layout.set("controls", controls);
    return layout;
}

val MainLayout() {
    return Layout(MainDialogTemplate());
}
val AboutLayout() {
    return Layout(AboutDialogTemplate());
}

class WebSession {
  public:
    // Draws only when the page paints: several events between two animation
    // frames cost one drawing.
    WebSession() { dlg_.SetDeferredDrawing(true); }
    ~WebSession() { dlg_.OnDestroy(); }
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    void Start() { dlg_.OnInitDialog(); }

    // A click on a push button.
    void Command(int id) { dlg_.OnCommand(id); }
    void TabChanged() { dlg_.OnTabChange(); }
    void PotentialChanged() { dlg_.OnPotentialChange(); }
    void Timer(unsigned id) { dlg_.OnTimer(id); }
    bool SysCommand(unsigned command) { return dlg_.OnSysCommand(command); }

    // "Ajustes...": a page cannot wait for its answer inside the click, so
    // the settings dialog runs in three steps: the fields of the chosen
    // potential's family (null if it has none), then Apply with the texts
    // typed (the message and the field it names, or an empty message when
    // the settings were taken), or Cancel.
    val OpenSettings() {
        const std::optional<FamilyId> family =
            PotentialChoice::FamilyOfData(platform_.SelectedListItemData());
        if (!family) return val::null();
        settings_ = std::make_unique<SettingsEditor>(dlg_.Choice(), *family);
        val fields = val::array();
        for (const SettingsEditor::Field& f : settings_->Fields()) {
            val field = val::object();
            field.set("name", f.name);
            field.set("range", f.range);
            field.set("text", f.text);
            fields.call<void>("push", field);
        }
        val dialog = val::object();
        dialog.set("caption", std::string(settings_->Info().caption));
        dialog.set("formula", std::string(settings_->Info().formula));
        dialog.set("fields", fields);
        return dialog;
    }
    val ApplySettings(val texts) {
        val answer = val::object();
        answer.set("message", std::string());
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
        dlg_.OnPotentialChange();
        return answer;
    }
    void CancelSettings() {
        if (settings_) settings_->Cancel();
        settings_.reset();
    }

    // Draws what is due and returns the frame for the canvas (rows top to
    // bottom, RGBA), a view of the module's memory valid until the next call.
    val Paint() {
        dlg_.OnPaint();
        const std::vector<std::uint8_t>& rgba = platform_.FrameRgba();
        return val(emscripten::typed_memory_view(rgba.size(), rgba.data()));
    }
    int FrameWidth() const { return platform_.FrameWidth(); }
    // Where the frame lies in the dialog's client area.
    val PlotRect() const {
        const PixelRect& r = dlg_.PlotRect();
        val rect = val::object();
        rect.set("left", r.left);
        rect.set("top", r.top);
        rect.set("right", r.right);
        rect.set("bottom", r.bottom);
        return rect;
    }
    int FrameHeight() const { return platform_.FrameHeight(); }

    // Redraws the current view as a handler would (for measuring).
    void Redraw() { dlg_.Redraw(); }

    // The search's state, for the page's tests to check after every event.
    val State() const {
        const LevelSearch& search = dlg_.Search();
        const LevelSearch::Bracket& bracket = search.CurrentBracket();
        val levels = val::array();
        val parities = val::array();
        for (const SearchLevel& level : search.Levels()) {
            levels.call<void>("push", level.energy);
            parities.call<void>("push", int{level.parity});
        }
        val state = val::object();
        state.set("levelCount", static_cast<int>(search.Levels().size()));
        state.set("levels", levels);
        state.set("parities", parities);
        state.set("searchState", static_cast<int>(bracket.phase));
        state.set("searching", search.Searching() ? 1 : 0);
        state.set("energy", dlg_.Energy());
        state.set("eLow", bracket.low);
        state.set("eHigh", bracket.high);
        state.set("eCeiling", bracket.ceiling);
        state.set("timerRunning", dlg_.TimerRunning());
        return state;
    }

  private:
    WebPlatform platform_;
    CWaveDlg dlg_{platform_};
    std::unique_ptr<SettingsEditor> settings_;
};

// What the page needs to know of the dialog beyond its template.
val Constants() {
    val c = val::object();
    c.set("settingsButton", res::kSettings);
    c.set("evolutionTab", res::kEvolutionTab);
    c.set("evolutionBandHeight", EvolutionView::kBandHeight);
    c.set("evolutionApply", res::kEvolutionApply);
    return c;
}

}  // namespace

EMSCRIPTEN_BINDINGS(velquor) {
    emscripten::function("mainLayout", &MainLayout);
    emscripten::function("aboutLayout", &AboutLayout);
    emscripten::function("constants", &Constants);
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("start", &WebSession::Start)
        .function("command", &WebSession::Command)
        .function("tabChanged", &WebSession::TabChanged)
        .function("potentialChanged", &WebSession::PotentialChanged)
        .function("timer", &WebSession::Timer)
        .function("sysCommand", &WebSession::SysCommand)
        .function("openSettings", &WebSession::OpenSettings)
        .function("applySettings", &WebSession::ApplySettings)
        .function("cancelSettings", &WebSession::CancelSettings)
        .function("paint", &WebSession::Paint)
        .function("frameWidth", &WebSession::FrameWidth)
        .function("frameHeight", &WebSession::FrameHeight)
        .function("plotRect", &WebSession::PlotRect)
        .function("redraw", &WebSession::Redraw)
        .function("state", &WebSession::State);
}
