#pragma once

#include <string>

// One fault found in a data, settings or map file: where it is and what is wrong.
struct DataFileProblem {
    enum Severity { Warning, Error };

    std::string file;
    int line = 0;  // 0 when the fault concerns the file as a whole
    std::string message;
    Severity severity = Error;

    // "file:line: message" (or "file: message" without a line), prefixed
    // with "warning: " for warnings.
    std::string describe() const;
};
