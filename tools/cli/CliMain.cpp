#include "Cli.h"

#include "AdviseCommand.h"
#include "SearchCommand.h"
#include "record/ScoreTableText.h"

#include <iostream>
#include <string_view>

namespace tumbla::cli {
namespace {

// The search command explains itself and prints on its own.
int Search(const Arguments& args, std::ostream&, std::ostream&) {
    return RunSearchCommand(args);
}

struct Command {
    std::string_view name;
    int (*run)(const Arguments&, std::ostream&, std::ostream&);
    std::string_view help;
};

const Command Commands[] = {
    {"play", Play,
     "usage: tumbla-cli play CODE NUMBER [MOVE ...]\n"
     "Plays a situation as the game window would and prints every position.\n"
     "  CODE    the 9-character settings code (case and blanks do not matter)\n"
     "  NUMBER  the situation number, a signed 32-bit whole number other than 0\n"
     "  MOVE    r/c clicks the cell at row r, column c; D N L P click the gravity\n"
     "          button for down, up, left, right\n"
     "Prints 'situation CODE NUMBER', then for position 1 and each performed move\n"
     "'position P gravity G total T removed R glass B points X lock K over O' and the\n"
     "rows of cell codes; a refused move prints 'refused MOVE'; last 'end P L'.\n"
     "Exit 2 on a malformed argument or a code that does not decode.\n"},
    {"hints", Hints,
     "usage: tumbla-cli hints CODE NUMBER [MOVE ...]\n"
     "Plays the moves silently (as in play) and prints 'hints V1 V2 ...', the hint's\n"
     "candidates at the position reached: row*100+column, or 0..3 for a gravity change.\n"},
    {"verify", Verify,
     "usage: tumbla-cli verify FILE\n"
     "Replays a saved game (.hra or .hre) from its regenerated first position through\n"
     "its recorded moves and compares every stored position with the replayed one.\n"
     "Prints 'ok TOTAL' (exit 0) or 'mismatch at position K: WHAT' (exit 1);\n"
     "a file that cannot be read or is damaged exits 2.\n"},
    {"info", Info,
     "usage: tumbla-cli info FILE\n"
     "For a saved game prints 'code', 'number', 'position' (P) and 'total' lines;\n"
     "for a settings file (.hrs) its 'code' and 'number'. Exit 2 on a bad file.\n"},
    {"search", Search, ""},
    {"advise", Advise, AdviseHelp},
    {"analyse", Analyse, AnalyseHelp},
    {"table", Table,
     "usage: tumbla-cli table\n"
     "Prints the score table: points of a group of 1..70 stones by the three ratings.\n"},
};

void PrintUsage(std::ostream& out) {
    out << "usage: tumbla-cli COMMAND [ARGUMENTS]\n"
           "The Tumbla game without a window. Commands:\n";
    for (const Command& command : Commands) out << "  " << command.name << "\n";
    out << "'tumbla-cli COMMAND --help' explains one of them.\n";
}

} // namespace

bool WantsHelp(const Arguments& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

int Table(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "table takes no arguments\n";
        return 2;
    }
    for (const std::string& line : ScoreTableText()) out << line << "\n";
    return 0;
}

int Main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    const Arguments args(argv + 2, argv + argc);
    for (const Command& command : Commands) {
        if (command.name != name) continue;
        if (WantsHelp(args) && !command.help.empty()) {
            std::cout << command.help;
            return 0;
        }
        return command.run(args, std::cout, std::cerr);
    }
    std::cerr << "unknown command: " << name << "\n";
    PrintUsage(std::cerr);
    return 2;
}

} // namespace tumbla::cli

int main(int argc, char** argv) {
    return tumbla::cli::Main(argc, argv);
}
