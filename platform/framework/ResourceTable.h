#pragma once
// The resources compiled into the program from res/resources.txt.

#include <cstddef>

struct EmbeddedResource {
    const char* kind;   // "DIALOG", "BITMAP", "ICON"
    const char* name;   // UTF-8: a number ("136") or a name ("종료U")
    const unsigned char* data;
    std::size_t size;
};

// Ends with an entry whose kind is null.
extern const EmbeddedResource g_embeddedResources[];
