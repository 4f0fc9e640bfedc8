// Stand-in dispatch until the full command-line tool arrives.
#include "SearchCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (!words.empty() && words[0] == "search")
        return tumbla::RunSearchCommand({words.begin() + 1, words.end()});
    std::cerr << "Usage: tumbla-cli search CODE NUMBER [--leaves N]\n";
    return 2;
}
