#include "wave_app.h"

#include <QStyleFactory>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "language.h"
#include "resources.h"
#include "wave_window.h"

// The build's version and the version record are one and the same.
static_assert(std::string_view(VELQUOR_VERSION) == res::kFileVersion);

CWaveApp::CWaveApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(res::kInternalName));
    setApplicationVersion(QStringLiteral(VELQUOR_VERSION));
    setDesktopFileName(QStringLiteral("velquor"));
    setWindowIcon(AppIcon());
    // The dialog is laid out in fixed pixels: one look on every desktop keeps
    // every caption inside its control.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) setStyle(style);
}

int CWaveApp::InitInstance() {
    std::vector<std::string> args;
    for (const QString& arg : arguments().mid(1))
        args.push_back(arg.toStdString());
    const WindowRequest request = ReadWindowRequest(args, std::getenv("VELQUOR_LANG"));
    InstallLanguage(*this, request.language);
    WaveWindow dlg;
    if (!request.scenario.empty()) dlg.OpenScenarioFile(QString::fromStdString(request.scenario));
    dlg.exec();
    return 0;
}

QIcon CWaveApp::AppIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velquor-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velquor-32.png"), QSize(32, 32));
    return icon;
}

QString CWaveApp::ProductName() {
    return QString::fromUtf8(res::kProductName);
}
