#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace vok {

// What Vok's arguments ask for: it has no options but --help and --version.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString text; // the help or version text, or why the arguments were refused
};

// The arguments include the program's name, as QCoreApplication::arguments() gives them.
CommandLine parseCommandLine(const QStringList& arguments);

QString versionText();

// Answers --help and --version and refuses any other argument, all without a display, so that
// they work in a terminal over ssh. Returns the exit code when the program must end here.
std::optional<int> answerCommandLine(int& argc, char* argv[]);

} // namespace vok
