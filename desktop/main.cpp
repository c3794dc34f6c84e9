#include "command_line.h"
#include "wave_app.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerWithoutWindow(argc, argv)) return *status;
    CWaveApp app(argc, argv);
    return app.InitInstance();
}
