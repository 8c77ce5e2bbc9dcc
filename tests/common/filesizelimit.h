#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

// Stands for a full disk in tests: while an object lives, no file of this
// process may grow beyond the given size (root included), and a write that
// would fails with EFBIG instead of ending the process.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set (the test cannot run).
    bool isActive() const { return m_ok; }

private:
    struct rlimit m_old = {};
    void (*m_previousHandler)(int) = nullptr;
    bool m_ok = false;
};

#endif // FILESIZELIMIT_H
