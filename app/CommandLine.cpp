#include "app/CommandLine.h"
#include "app/Languages.h"
#include "controls/HelpViewer.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace vok {

QString versionText() {
    //: %1 is the version number, as 1.2.3; %2 the title of the help's topic about Vok.
    return QCoreApplication::translate(
               "vok::CommandLine",
               "Vok 97 v%1\n"
               "License GPL-3.0-or-later: GNU GPL version 3 or later "
               "<https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n"
               "More in Vok's help (F1): \"%2\".\n")
        .arg(QStringLiteral(VOK_VERSION), shownTitle(helpTopics().back()));
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "vok::CommandLine", "Shows how full the disks and memory are, and what fills them."));
    // Our own options rather than addHelpOption(): its --help-all lists Qt's options, which Vok
    // refuses.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("vok::CommandLine", "Displays this help and exits."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("vok::CommandLine", "Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);

    const auto refuse = [](const QString& why) {
        //: %1 says what is wrong with the arguments. The options and 'vok --help' stay as they are.
        return CommandLine{CommandLine::Action::Refuse,
                           QCoreApplication::translate("vok::CommandLine",
                                                       "vok: %1\nVok takes no arguments but --help "
                                                       "and --version; try 'vok --help'.\n")
                               .arg(why)};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("vok::CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return {CommandLine::Action::Help, parser.helpText()};
    if (parser.isSet(version))
        return {CommandLine::Action::Version, versionText()};
    return {};
}

std::optional<int> answerCommandLine(int& argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    // A core application needs no display and gives the parser the program's name.
    QCoreApplication core(argc, argv);
    speakTheUsersLanguage(core);
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.action == CommandLine::Action::Run)
        return std::nullopt;
    if (line.action == CommandLine::Action::Refuse) {
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    std::fputs(line.text.toLocal8Bit().constData(), stdout);
    // A full disk or a closed pipe must not pass for a printed answer.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs(QCoreApplication::translate("vok::CommandLine",
                                               "vok: could not write to standard output\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 1;
    }
    return 0;
}

} // namespace vok
