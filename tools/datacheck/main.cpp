// datacheck <assets folder>: checks the game's data files, maps and zone
// settings; prints every fault as file:line: message and exits 1 on errors.
#include <cstdio>

#include "DataChecker.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: datacheck <assets folder>\n");
        return 2;
    }
    DataChecker checker(argv[1]);
    if (!checker.hasDataFiles()) {
        std::printf("datacheck: %s holds no data files; nothing to check\n", argv[1]);
        return 0;
    }
    checker.run();
    for (const DataFileProblem& problem : checker.problems())
        std::printf("%s\n", problem.describe().c_str());
    const int errors = checker.errorCount();
    std::printf("datacheck: %d error(s), %d warning(s)\n", errors,
                static_cast<int>(checker.problems().size()) - errors);
    return errors > 0 ? 1 : 0;
}
