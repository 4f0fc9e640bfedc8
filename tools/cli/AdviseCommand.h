#pragma once
// `advise` and `analyse`: the move advisor from the command line.

#include "Cli.h"

namespace tumbla::cli {

int Advise(const Arguments& args, std::ostream& out, std::ostream& err);
int Analyse(const Arguments& args, std::ostream& out, std::ostream& err);

extern const char* const AdviseHelp;
extern const char* const AnalyseHelp;

} // namespace tumbla::cli
