#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace korvalin::testing {

// The bytes of the committed golden file at `name` under the tests' folder.
// With KORVALIN_UPDATE_GOLDEN set, `actual` is written there first: read
// the diff before committing it.
inline std::string goldenBytes(const std::string& name, const std::string& actual)
{
    const auto golden = std::filesystem::path(KORVALIN_TESTS_DIR) / name;
    if (std::getenv("KORVALIN_UPDATE_GOLDEN") != nullptr)
        std::ofstream(golden, std::ios::binary) << actual;
    return readBytes(golden);
}

}  // namespace korvalin::testing
