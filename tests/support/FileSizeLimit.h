// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While it lives, a write that would make a regular file larger than the limit
// fails with EFBIG, as a write on a full disk fails: a real failing write for
// the tests, with no special file system and no privileges.
#include <csignal>
#include <sys/resource.h>

namespace zarn::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);  // the error, not the signal
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_handler)(int) = SIG_DFL;
};

}  // namespace zarn::test
