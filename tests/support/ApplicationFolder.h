#pragma once

#include <QTemporaryDir>
#include <memory>

namespace vellumora {

// A temporary application folder laid out as installed: the empty folders system and SystemFolder.
std::unique_ptr<QTemporaryDir> newApplicationFolder();

} // namespace vellumora
