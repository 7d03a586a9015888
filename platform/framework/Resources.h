#pragma once
// Looks resources up by kind and by name or number, as the device's resource
// loader does.

#include <span>
#include <string_view>

class Resources {
public:
    // The bytes of the resource, empty when there is none.
    static std::span<const unsigned char> Find(std::string_view kind, std::string_view utf8Name);
};
