#pragma once

#include <QTemporaryDir>
#include <memory>

namespace vellumora {

// A temporary folder that also removes the files Qt cannot name (names outside UTF-8).
class TemporaryFolder : public QTemporaryDir {
public:
    ~TemporaryFolder();
};

// A temporary application folder laid out as installed: the empty folders system and SystemFolder.
std::unique_ptr<TemporaryFolder> newApplicationFolder();

} // namespace vellumora
