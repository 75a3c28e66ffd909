// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "version.h"

#include <QCommandLineParser>

namespace vora::shell {

namespace {

// The options that QApplication reads itself (X11 ones included); they are
// accepted here so that, for example, a session manager's -session works.
struct QtOption {
    const char* name;
    const char* valueName; // nullptr: a switch
};

constexpr QtOption kQtOptions[] = {
    {"platform", "name"},
    {"platformpluginpath", "path"},
    {"platformtheme", "name"},
    {"plugin", "name"},
    {"qwindowgeometry", "geometry"},
    {"geometry", "geometry"},
    {"qwindowtitle", "title"},
    {"title", "title"},
    {"qwindowicon", "icon"},
    {"icon", "icon"},
    {"reverse", nullptr},
    {"session", "id"},
    {"display", "display"},
    {"name", "name"},
    {"stylesheet", "file"},
    {"widgetcount", nullptr},
};

QString Usage(const QCommandLineParser& parser) {
    // Without a QCoreApplication, which needs no display but is not made
    // here, Qt writes a placeholder for the program's name.
    return parser.helpText().replace("<executable_name>", "vora");
}

CommandLine UsageError(const QCommandLineParser& parser, const QString& what) {
    return {false, kUsageError, {}, "vora: " + what + "\n" + Usage(parser)};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    // Qt's own options are written with one dash: -platform, -display.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& q : kQtOptions) {
        QCommandLineOption option(q.name);
        if (q.valueName) option.setValueName(q.valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) return UsageError(parser, parser.errorText());
    if (parser.isSet(help)) return {false, 0, Usage(parser), {}};
    if (parser.isSet(version)) {
        return {false, 0, QString("VORA %1\n%2\n%3\n").arg(kVersion, kCopyright, kLicence), {}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(
            parser, QString("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]));
    }
    return {};
}

} // namespace vora::shell
