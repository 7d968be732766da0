// SPDX-License-Identifier: MIT
// The text normaliser on any bytes: it never lengthens a text and gives what the earlier
// normaliser, which erased replaced bytes in place, gave.
#include "core/text/text_normaliser.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/text_normaliser_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    std::string text(fuzz::textOf(data, size));
    std::string expected = text;
    text::normaliseText(text);
    fuzz::check(text.size() <= size);
    // The erasing normaliser is quadratic: compare on texts of ordinary length only.
    if (size <= 16384) {
        text::reference::normaliseTextByErasing(expected);
        fuzz::check(text == expected);
    }
    return 0;
}
