#include "tools/script/ResourceNames.h"

bool ResourceNames::LooksLikeName(std::string_view word) {
    return !word.empty() && word.front() >= 'A' && word.front() <= 'Z';
}

std::optional<int> ResourceNames::TemplateNumber(std::string_view name) {
    for (const ResourceName* entry = g_resourceNames; entry->name; ++entry) {
        if (entry->owner == 0 && name == entry->name) return entry->number;
    }
    return std::nullopt;
}

bool ResourceNames::IsControlName(std::string_view name) {
    return OwnerOf(name) != 0;
}

std::optional<int> ResourceNames::ControlNumber(std::string_view name, int templateId) {
    for (const ResourceName* entry = g_resourceNames; entry->name; ++entry) {
        if (entry->owner == templateId && name == entry->name) return entry->number;
    }
    return std::nullopt;
}

int ResourceNames::OwnerOf(std::string_view name) {
    for (const ResourceName* entry = g_resourceNames; entry->name; ++entry) {
        if (entry->owner != 0 && name == entry->name) return entry->owner;
    }
    return 0;
}
