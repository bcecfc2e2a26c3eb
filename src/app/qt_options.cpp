// SPDX-License-Identifier: MIT
#include "app/qt_options.h"

#include <QCommandLineParser>

namespace qm5 {

namespace {

constexpr const char* kQtValueOptions[] = {
    "platform",     "display",     "style",         "stylesheet", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "platformtheme", "plugin",     "session"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

}  // namespace

void addQtOwnOptions(QCommandLineParser& parser) {
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace qm5
