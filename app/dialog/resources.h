// Identifiers, texts and version of the program's windows. The numbers are
// the dialog's own control IDs; both window hosts use them.
#pragma once

#include <cstdint>

#include "caption.h"

namespace res {

// Main dialog (template 102).
inline constexpr int kPlotGroup = 1000;
inline constexpr int kSpin = 1002;
inline constexpr int kIterations = 1003;
inline constexpr int kIterate = 1004;
inline constexpr int kPredictor = 1005;
inline constexpr int kEnergy = 1006;
inline constexpr int kSearch = 1007;
inline constexpr int kPlay = 1008;
inline constexpr int kTab = 1010;
inline constexpr int kPotentialList = 1011;
inline constexpr int kPotentialLabel = -2;  // the label "Potencial": no ID of its own
inline constexpr int kPredictorGroup = -3;  // the "Predictor" group box: no ID of its own
inline constexpr int kWebLink = 1019;
// The settings dialog of the chosen potential, and a one-line note on a
// potential the search cannot take.
inline constexpr int kSettings = 1020;
inline constexpr int kPotentialNote = 1021;
inline constexpr const char* kSettingsCaption = VQ_CAPTION("Ajustes...");
inline constexpr int kOk = 1;

// System menu command of the About entry; the low four bits are the system's.
inline constexpr unsigned kAboutBoxCommand = 0x0010;

// Timer of the animated search.
inline constexpr unsigned kSearchTimer = 1;
inline constexpr unsigned kSearchTimerMs = 100;

// The "Niveles" tab: the levels as a table over the plot area.
inline constexpr int kLevelsTab = 2;
inline constexpr const char* kLevelsTabText = VQ_CAPTION("Niveles");

// The "Evolucion" tab: its index, its animation's timer (about the display's
// rate), and the controls of its band along the top of the plot.
inline constexpr int kEvolutionTab = 3;
inline constexpr unsigned kEvolutionTimer = 2;
inline constexpr unsigned kEvolutionTimerMs = 16;
inline constexpr int kEvolutionStates = 1040;
inline constexpr int kEvolutionWeights = 1041;
inline constexpr int kEvolutionPhases = 1042;
inline constexpr int kEvolutionSpeed = 1043;
inline constexpr int kEvolutionTime = 1044;
inline constexpr int kEvolutionApply = 1045;
inline constexpr int kEvolutionPlay = 1046;
inline constexpr int kEvolutionReset = 1047;
inline constexpr int kEvolutionEnergy = 1048;  // a label: <E>, or why nothing moves
inline constexpr const char* kEvolutionTabText = VQ_CAPTION("Evolucion");
inline constexpr const char* kPlayCaption = VQ_CAPTION("Play");
inline constexpr const char* kPauseCaption = VQ_CAPTION("Pausa");
inline constexpr const char* kNoLevelsText = VQ_CAPTION("Sin niveles");
inline constexpr double kMaxEvolutionSpeed = 100.0;
inline constexpr const char* kEnterSpeed = VQ_CAPTION("Enter a speed between 0 and 100.");
inline constexpr const char* kEnterTime = VQ_CAPTION("Enter a time that is not negative.");

// The "Transmision" tab: the continuum of the chosen potential, and the
// controls of its band.
inline constexpr int kTransmissionTab = 4;
inline constexpr int kTransmissionFrom = 1050;
inline constexpr int kTransmissionTo = 1051;
inline constexpr int kTransmissionEnergy = 1052;
inline constexpr int kTransmissionApply = 1053;
inline constexpr int kTransmissionInfo = 1054;        // a label: T and R at the marker
inline constexpr int kTransmissionResonances = 1055;  // a label: the resonances, or why none
inline constexpr const char* kTransmissionTabText = VQ_CAPTION("Transmision");
inline constexpr const char* kEnterTransmissionRange =
    VQ_CAPTION("Enter a range from above the lower limit of V to a larger energy.");

// The "Paquete" tab: a Gaussian wave packet on the open line, its timer, and
// the controls of its band.
inline constexpr int kPacketTab = 5;
inline constexpr unsigned kPacketTimer = 3;
inline constexpr unsigned kPacketTimerMs = 16;
inline constexpr int kPacketX0 = 1060;
inline constexpr int kPacketK0 = 1061;
inline constexpr int kPacketSigma = 1062;
inline constexpr int kPacketSplit = 1063;
inline constexpr int kPacketSpeed = 1064;
inline constexpr int kPacketTime = 1065;
inline constexpr int kPacketApply = 1066;
inline constexpr int kPacketPlay = 1067;
inline constexpr int kPacketReset = 1068;
inline constexpr int kPacketNumbers = 1069;  // a label: the probabilities left and right
inline constexpr const char* kPacketTabText = VQ_CAPTION("Paquete");
inline constexpr double kMaxPacketSpeed = 20.0;
inline constexpr double kMaxPacketTime = 1000.0;
inline constexpr const char* kEnterPacketSpeed = VQ_CAPTION("Enter a speed between 0 and 20.");
inline constexpr const char* kEnterPacketTime = VQ_CAPTION("Enter a time between 0 and 1000.");

inline constexpr const char* kTitle = "Velquor 1.0.0";
inline constexpr const char* kAboutMenuText = VQ_CAPTION("&About velquor...");  // string 101
inline constexpr const char* kAboutTitle = VQ_CAPTION("About velquor");
inline constexpr const char* kAboutVersionLine = "velquor Version 1.0";
inline constexpr const char* kAboutSecondLine = VQ_CAPTION("Bound states by the shooting method");
inline constexpr const char* kWebLinkCaption = VQ_CAPTION("Shooting method (web)");
inline constexpr const char* kWebAddress = "https://en.wikipedia.org/wiki/Shooting_method";

// Data-entry messages of the dialog's data exchange.
inline constexpr const char* kEnterNumber = VQ_CAPTION("Enter a number.");
inline constexpr const char* kEnterPositiveInteger = VQ_CAPTION("Enter a positive integer.");
inline constexpr const char* kEnterIntegerInRange =
    VQ_CAPTION("Enter an integer between 1 and 100.");

// Version record.
inline constexpr const char* kFileVersion = "1.0.0.1";
inline constexpr const char* kInternalName = "velquor";
inline constexpr const char* kProductName = "velquor Application";

}  // namespace res
