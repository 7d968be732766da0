// SPDX-License-Identifier: MIT
#include "core/output/xml_value.h"

#include "core/text/text_normaliser.h"

namespace ravello::output {
namespace {

struct Entity
{
    char character;
    std::string_view text;
};

constexpr Entity kEntities[] = {
    {'&', "&amp;"},
    {'<', "&lt;"},
    {'>', "&gt;"},
    {'"', "&quot;"},
};

void appendEscaped(std::string& out, char c)
{
    for (const Entity& entity : kEntities) {
        if (entity.character == c) {
            out += entity.text;
            return;
        }
    }
    out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
}

} // namespace

std::string xmlValue(std::string_view text)
{
    // Normalising comes first and is not repeated on the finished line: the normaliser
    // would turn the entities written here back into the characters they stand for.
    std::string normalised(text);
    text::normaliseText(normalised);
    std::string out;
    out.reserve(normalised.size());
    for (const char c : normalised)
        appendEscaped(out, c);
    return out;
}

} // namespace ravello::output
