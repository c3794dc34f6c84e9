// The module's face to the page: the dialog templates to lay the page out
// from, and one session whose methods are the page's events, each forwarded
// to one handler of the dialog.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <string>
#include <variant>

#include "accessibility.h"
#include "caption.h"
#include "dialog_template.h"
#include "resources.h"
#include "scenario_dialog.h"
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
        case ControlKind::Label:
            return "label";
    }
    return "text";
}

// A control as the page builds it: its kind, caption ("&" marks a mnemonic)
// and rectangle in pixels.
val Control(int id, ControlKind kind, const char* caption, const PixelRect& r, bool visible) {
    val control = val::object();
    control.set("id", id);
    control.set("kind", std::string(KindName(kind)));
    control.set("caption", std::string(caption));
    control.set("left", r.left);
    control.set("top", r.top);
    control.set("width", r.Width());
    control.set("height", r.Height());
    control.set("visible", visible);
    return control;
}

// A template as the page builds it: its title and client size in pixels, and
// its controls in tab order with their pixel rectangles.
val Layout(const DialogTemplate& dialog) {
    val controls = val::array();
    for (const ControlTemplate& c : dialog.controls)
        controls.call<void>("push",
                            Control(c.id, c.kind, c.caption, ControlPixelRect(c), c.visible));
    val layout = val::object();
    layout.set("title", std::string(dialog.title));
    layout.set("width", DialogUnitsToPixelsX(dialog.cx));
    layout.set("height", DialogUnitsToPixelsY(dialog.cy));
    layout.set("controls", controls);
    return layout;
}

// A tab's band: its controls in pixels from the top-left of the plot, a
// label's with the ID of its buddy.
val Band(const BandTemplate& band) {
    val controls = val::array();
    for (const BandControl& c : band.controls) {
        val control = Control(c.id, c.kind, c.caption, BandControlPixelRect(c), true);
        control.set("buddy", c.buddy);
        controls.call<void>("push", control);
    }
    val layout = val::object();
    layout.set("name", std::string(band.name));
    layout.set("tab", band.tab);
    layout.set("height", band.height);
    layout.set("enterCommand", band.enterCommand);
    layout.set("controls", controls);
    return layout;
}

// Template 102 and the bands of its tabs.
val MainLayout() {
    val layout = Layout(MainDialogTemplate());
    val bands = val::array();
    for (const BandTemplate& band : BandTemplates())
        bands.call<void>("push", Band(band));
    layout.set("bands", bands);
    return layout;
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

    // The settings dialog's OK with the texts typed into its fields, and its
    // Cancel; the dialog itself was opened by the command of "Ajustes...".
    val ApplySettings(val texts) {
        val answer = platform_.ApplySettings(texts);
        if (answer["applied"].as<bool>()) dlg_.OnPotentialChange();
        return answer;
    }
    void CancelSettings() { platform_.CancelSettings(); }

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

    // A scenario's JSON text opened as the window opens a file: "" when it
    // was, else the one-line message why not (and nothing changed).
    std::string OpenScenario(const std::string& text) {
        scenario::ReadResult read = scenario::Read(text);
        if (const auto* message = std::get_if<std::string>(&read)) return *message;
        return scenario::Open(dlg_, platform_, std::get<scenario::Scenario>(read)).value_or("");
    }
    // The state on show as a scenario, on one line (for a link).
    std::string Scenario() const { return scenario::Write(scenario::Capture(dlg_, platform_), -1); }
    // The picture in words, and the energy at a row of the frame ("Normal"'s
    // scale; NaN before there is one).
    std::string PlotDescription() { return ::PlotDescription(dlg_, platform_); }
    double EnergyAtRow(double row) const { return ::EnergyAtRow(dlg_, row).value_or(std::nan("")); }

    // Redraws the current view as a handler would (for measuring).
    void Redraw() { dlg_.Redraw(); }

    // The search's state, for the page's tests to check after every event.
    val State() const {
        const LevelSearch& search = dlg_.Search();
        const LevelSearch::Bracket& bracket = search.CurrentBracket();
        val levels = val::array();
        val parities = val::array();
        val nodes = val::array();  // -1 for a level shot from the centre
        for (const SearchLevel& level : search.Levels()) {
            levels.call<void>("push", level.energy);
            parities.call<void>("push", int{level.parity});
            nodes.call<void>("push", level.nodes);
        }
        val state = val::object();
        state.set("levelCount", static_cast<int>(search.Levels().size()));
        state.set("levels", levels);
        state.set("parities", parities);
        state.set("nodes", nodes);
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
};

// What the page needs to know of the dialog beyond its templates: the IDs
// of the controls it treats apart, the About entry's command.
// Every control's accessible name and description (captions to translate).
val Accessibility() {
    val texts = val::array();
    for (const AccessibleText& t : AccessibleTexts()) {
        val text = val::object();
        text.set("id", t.id);
        text.set("name", std::string(t.name));
        text.set("description", std::string(t.description));
        texts.call<void>("push", text);
    }
    return texts;
}

std::string Language(const std::string& asked, const std::string& system) {
    return ChooseLanguage(asked, system);
}

val Constants() {
    val c = val::object();
    c.set("predictor", res::kPredictor);
    c.set("tabs", res::kTab);
    c.set("potentialList", res::kPotentialList);
    c.set("settingsButton", res::kSettings);
    c.set("aboutCommand", res::kAboutBoxCommand);
    c.set("ok", res::kOk);
    c.set("energy", res::kEnergy);
    c.set("plotGroup", res::kPlotGroup);
    return c;
}

}  // namespace

EMSCRIPTEN_BINDINGS(velquor) {
    emscripten::function("mainLayout", &MainLayout);
    emscripten::function("aboutLayout", &AboutLayout);
    emscripten::function("constants", &Constants);
    emscripten::function("accessibility", &Accessibility);
    emscripten::function("chooseLanguage", &Language);
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("start", &WebSession::Start)
        .function("command", &WebSession::Command)
        .function("tabChanged", &WebSession::TabChanged)
        .function("potentialChanged", &WebSession::PotentialChanged)
        .function("timer", &WebSession::Timer)
        .function("sysCommand", &WebSession::SysCommand)
        .function("applySettings", &WebSession::ApplySettings)
        .function("cancelSettings", &WebSession::CancelSettings)
        .function("paint", &WebSession::Paint)
        .function("frameWidth", &WebSession::FrameWidth)
        .function("frameHeight", &WebSession::FrameHeight)
        .function("plotRect", &WebSession::PlotRect)
        .function("redraw", &WebSession::Redraw)
        .function("openScenario", &WebSession::OpenScenario)
        .function("scenario", &WebSession::Scenario)
        .function("plotDescription", &WebSession::PlotDescription)
        .function("energyAtRow", &WebSession::EnergyAtRow)
        .function("state", &WebSession::State);
}
