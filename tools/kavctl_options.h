#pragma once
// The command line of kavctl.
#include <string>
#include <vector>

#include "link_choice.h"

namespace kav::kavctl {

struct Options {
    enum class Command { Help, Info, Exec };
    Command command = Command::Help;
    LinkChoice link;
    bool trace = false;
    std::string name;       // exec: the command's name
    std::string parameters; // exec: the parameter text, fields separated by "|"
    std::string type = "S"; // exec: the type letter the value is decoded with
};

// Reads the arguments after the program name. On a bad command line returns
// false and puts a one-line reason into `error`.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char kUsage[];
// The letters a reply can be decoded with.
inline constexpr char kTypeLetters[] = "N M D B C I L F Q P S";
bool isTypeLetter(const std::string& letter);

} // namespace kav::kavctl
