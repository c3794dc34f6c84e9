#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "caption.h"

namespace {

constexpr const char* kContext = "velquor";
const QString kCatalogueName = QStringLiteral("velquor-captions");

}  // namespace

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QString Tr(std::string_view text) {
    return Tr(std::string(text).c_str());
}

QString InstallLanguage(QCoreApplication& app, std::string_view asked) {
    const QString language =
        QString::fromLatin1(ChooseLanguage(asked, QLocale::system().name().toStdString()));
    // Another language's catalogue goes first.
    for (QTranslator* old : app.findChildren<QTranslator*>(kCatalogueName)) {
        app.removeTranslator(old);
        delete old;
    }
    auto* catalogue = new QTranslator(&app);  // the application's child
    catalogue->setObjectName(kCatalogueName);
    if (catalogue->load(QStringLiteral(":/i18n/velquor_") + language + QStringLiteral(".qm")))
        app.installTranslator(catalogue);
    return language;
}
