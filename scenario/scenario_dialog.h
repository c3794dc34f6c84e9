// A scenario and the dialog: what the dialog shows now, as a scenario, and a
// scenario opened on the dialog the way a person would set it up (the list,
// the settings dialog, the energy box and "Predictor", the band's fields and
// "Aplicar", the tab). Every host opens scenarios through here, so a scenario
// shows the same picture in the window, in the page and in velquor-cli.
#pragma once

#include <optional>
#include <string>

#include "scenario.h"

class CWaveDlg;
class DialogPlatform;

namespace scenario {

Scenario Capture(const CWaveDlg& dlg, const DialogPlatform& platform);

// Tried first on a dialog without a window: a scenario the dialog would
// refuse anywhere (a formula it cannot read, a level the potential does not
// have) gives that message, and the dialog is left as it was.
std::optional<std::string> Open(CWaveDlg& dlg, DialogPlatform& platform, const Scenario& s);

}  // namespace scenario
