#include "wave_app.h"

int main(int argc, char** argv) {
    CWaveApp app(argc, argv);
    return app.InitInstance();
}
