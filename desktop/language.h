// The window's language: the catalogue of captions (i18n/velquor_*.ts, built
// into the program) for the language asked for or the system's, and Tr(),
// which every caption the window shows goes through.
#pragma once

#include <QString>
#include <string_view>

class QCoreApplication;

// A caption (VQ_CAPTION) in the installed language; as it is without one.
QString Tr(const char* text);
QString Tr(std::string_view text);

// Installs the catalogue of "en" or "es" (ChooseLanguage of the asked one
// and the system's locale) into the application, in place of the one it
// had; returns the language. Windows made afterwards speak it.
QString InstallLanguage(QCoreApplication& app, std::string_view asked);
