// The command line of the desktop program: zentra [OPTIONS] [FILE.qbxsrc].
#pragma once

#include <QString>
#include <QStringList>

struct AppCommandLine {
    enum class Action { Start, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Start;
    QString document;  // absolute, or empty
    QString error;     // for Refuse: one line saying what is wrong
};

// `arguments` includes the program name, as QCoreApplication::arguments().
AppCommandLine parseAppCommandLine(const QStringList& arguments);

// Exit code for a refused command line, as zentra-cli's.
inline constexpr int kAppExitUsage = 64;
