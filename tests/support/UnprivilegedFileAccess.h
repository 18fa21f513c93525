#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace vellumora {

// While it lives, the file system checks this thread's access as that of the user "nobody", so
// a file without read permission cannot be read even when the tests run as root. For any other
// user permissions hold anyway, and nothing changes.
class UnprivilegedFileAccess {
public:
    UnprivilegedFileAccess()
        : m_root(::geteuid() == 0)
    {
        if (m_root) {
            ::setfsuid(kNobody);
        }
    }
    ~UnprivilegedFileAccess()
    {
        if (m_root) {
            ::setfsuid(0);
        }
    }
    UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
    UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool m_root;
};

} // namespace vellumora
