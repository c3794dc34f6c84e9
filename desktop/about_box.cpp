#include "about_box.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_builder.h"
#include "language.h"
#include "resources.h"
#include "wave_app.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const DialogTemplate& dialog = AboutDialogTemplate();
    setWindowTitle(Tr(dialog.title));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());
    setFixedSize(ClientSize(dialog));
    setWindowIcon(CWaveApp::AppIcon());

    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = CreateControl(control, this);
        if (control.kind == ControlKind::StaticIcon) {
            static_cast<QLabel*>(widget)->setPixmap(CWaveApp::AppIcon().pixmap(32, 32));
        } else if (control.id == res::kOk) {
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    &QDialog::accept);
        }
    }
    if (QWidget* first = FirstTabStop(this)) first->setFocus();
}
