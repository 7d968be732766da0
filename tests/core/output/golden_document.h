// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

#include "tests/support/temporary_folder.h"

namespace ravello::testing {

// Compares a built document with its golden file under tests/fixtures/output, byte for byte.
// With RAVELLO_UPDATE_GOLDEN=1 in the environment the golden file is rewritten instead.
inline void expectGolden(std::string_view fileName, const std::string& document)
{
    const auto path = fixturePath(std::string("output/") + std::string(fileName));
    const char* update = std::getenv("RAVELLO_UPDATE_GOLDEN");
    if (update != nullptr && std::string_view(update) == "1") {
        writeFileBytes(path, document);
        return;
    }
    EXPECT_EQ(readFileBytes(path), document) << "golden file " << path;
}

} // namespace ravello::testing
