#pragma once
// The names of res/resource.h, so that a scenario can write IDC_PL_BTN_SAVE
// where it would write 1010. Several dialogs give one number to different
// controls, so a control's name is resolved against the dialog in front.

#include <optional>
#include <string_view>

struct ResourceName {
    const char* name;
    int number;
    int owner;  // the template whose control it is; 0 for a template's own name
};

// Generated from res/resource.h at build time; ends with a null name.
extern const ResourceName g_resourceNames[];

class ResourceNames {
public:
    // Whether a word is written as a name rather than a number.
    static bool LooksLikeName(std::string_view word);
    static std::optional<int> TemplateNumber(std::string_view name);
    // Whether some dialog has a control of that name.
    static bool IsControlName(std::string_view name);
    // The control's number when the name belongs to that template.
    static std::optional<int> ControlNumber(std::string_view name, int templateId);
    // The template a control's name belongs to (the first, should two share it).
    static int OwnerOf(std::string_view name);
};
