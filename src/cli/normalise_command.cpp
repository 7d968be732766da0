// SPDX-License-Identifier: MIT
#include <iostream>
#include <iterator>

#include "cli/commands.h"
#include "core/text/text_normaliser.h"

namespace ravello::cli {

int runNormalise(CliContext& context, const Arguments& arguments)
{
    if (!arguments.empty())
        return context.usageError("normalise takes no arguments");
    std::string text((std::istreambuf_iterator<char>(context.in)),
                     std::istreambuf_iterator<char>());
    text::normaliseText(text);
    context.out << text;
    return context.finish();
}

} // namespace ravello::cli
