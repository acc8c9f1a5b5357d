#include "support/FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(size_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &_old);
    _oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = _old;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &_old);
    std::signal(SIGXFSZ, _oldHandler);
}
