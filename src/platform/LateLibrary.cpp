#include "platform/LateLibrary.h"

#include <dlfcn.h>

namespace vellumora {

LateLibrary::LateLibrary(const char* fileName)
    // Its symbols stay its own: nothing loaded later may bind to them by chance.
    : m_handle(dlopen(fileName, RTLD_NOW | RTLD_LOCAL))
{
    if (!m_handle) {
        m_missing = QString::fromLocal8Bit(dlerror());
    }
}

void* LateLibrary::symbol(const char* name)
{
    void* found = m_handle ? dlsym(m_handle, name) : nullptr;
    if (m_handle && !found && m_missing.isEmpty()) {
        m_missing = QString::fromLocal8Bit(dlerror());
    }
    return found;
}

} // namespace vellumora
