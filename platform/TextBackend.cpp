#include "platform/TextBackend.h"

#include <stdexcept>

namespace platform {

namespace {

TextBackend* current = nullptr;

} // namespace

TextBackend& CurrentTextBackend()
{
    if (current == nullptr)
        throw std::logic_error("No text backend was handed to the engine");
    return *current;
}

TextBackend* SetTextBackend(TextBackend* backend)
{
    TextBackend* const previous = current;
    current = backend;
    return previous;
}

} // namespace platform
