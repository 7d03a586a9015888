#include "platform/framework/Resources.h"

#include "platform/framework/ResourceTable.h"

std::span<const unsigned char> Resources::Find(std::string_view kind, std::string_view utf8Name) {
    for (const EmbeddedResource* r = g_embeddedResources; r->kind; ++r) {
        if (kind == r->kind && utf8Name == r->name) return {r->data, r->size};
    }
    return {};
}
