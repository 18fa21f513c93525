#pragma once

#include <QString>

namespace vellumora {

// A shared library of the system opened when it is first needed instead of with the program.
// Every library linked is mapped at the start and costs memory in every process, the one in the
// background included; the desktop's settings, the backup's archives and the cameras' EXIF data
// are needed seldom or never. Its functions are found by name and typed from the library's own
// header, so a call through them is checked as a direct one would be.
class LateLibrary {
public:
    // The file name with its major version, as the dynamic linker knows it: "libexif.so.12".
    // Never closed: GLib's types, for one, cannot be taken out of a process.
    explicit LateLibrary(const char* fileName);
    LateLibrary(const LateLibrary&) = delete;
    LateLibrary& operator=(const LateLibrary&) = delete;

    template <typename Function> Function* function(const char* name)
    {
        return reinterpret_cast<Function*>(symbol(name));
    }

    // Opened, with every function asked for found.
    bool ready() const { return m_handle && m_missing.isEmpty(); }
    // Why it is not: the dynamic linker's words, or the first function missing.
    const QString& missing() const { return m_missing; }

private:
    void* symbol(const char* name);

    void* m_handle = nullptr;
    QString m_missing;
};

} // namespace vellumora

// A member of a table of the library's functions, named and typed as the header declares it.
#define VELLUMORA_LATE_FUNCTION(library, name)                                                               \
    decltype(&::name) name = (library).function<decltype(::name)>(#name)
