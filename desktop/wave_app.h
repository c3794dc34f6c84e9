// The application object: names the program, carries its version record and
// icon, and runs the main window until it closes.
#pragma once

#include <QApplication>
#include <QIcon>

class CWaveApp : public QApplication {
  public:
    CWaveApp(int& argc, char** argv);

    // Runs the main dialog modally; the program ends when it closes.
    int InitInstance();

    // Icon 128, in its 16 x 16 and 32 x 32 pictures.
    static QIcon AppIcon();
    // The version record's product name ("velquor Application").
    static QString ProductName();
};
