#pragma once
// The game binary's few arguments: with none it plays; --record and --playdemo play with a
// demo; --version and --help answer and end.

enum class Command { kPlay, kRecord, kPlayDemo, kVersion, kHelp, kUsage };

struct Arguments {
    Command command = Command::kPlay;
    const char* demo = nullptr; // the file of --record or --playdemo
};

// What the arguments ask for: kPlay with none, kRecord or kPlayDemo with the option and its
// file, kVersion or kHelp for that one argument alone, kUsage for anything else.
Arguments readCommandLine(int argc, const char* const* argv);

// Answers a command other than kPlay: the version or the help on stdout (exit code 0), or one
// line of usage on stderr naming the argument (exit code 2). Returns the exit code.
int answerCommand(Command command, int argc, const char* const* argv);

// "quorvish-blemp <version>", the answer to --version.
const char* versionLine();

// The version alone, for instance "1.2.0".
const char* gameVersion();
