#pragma once
// The game binary's few arguments: with none it plays; --version and --help answer and end.

enum class Command { kPlay, kVersion, kHelp, kUsage };

// What the arguments ask for: kPlay with none, kVersion or kHelp for that one argument alone,
// kUsage for anything else.
Command readCommandLine(int argc, const char* const* argv);

// Answers a command other than kPlay: the version or the help on stdout (exit code 0), or one
// line of usage on stderr naming the argument (exit code 2). Returns the exit code.
int answerCommand(Command command, int argc, const char* const* argv);

// "quorvish-blemp <version>", the answer to --version.
const char* versionLine();
