#include "platform/framework/DialogTemplate.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "platform/framework/ResourceTable.h"
#include "platform/framework/Resources.h"

namespace {

struct KindName {
    const char* name;
    ControlKind kind;
};
const KindName kKinds[] = {
    {"EDIT", ControlKind::Edit},         {"BUTTON", ControlKind::Button},
    {"CHECKBOX", ControlKind::CheckBox}, {"STATIC", ControlKind::Static},
    {"PICTURE", ControlKind::Picture},   {"COMBOBOX", ControlKind::ComboBox},
    {"LISTVIEW", ControlKind::ListView}, {"TAB", ControlKind::Tab},
    {"MONTHCAL", ControlKind::MonthCal},
};

struct StyleName {
    const char* name;
    unsigned bit;
};
const StyleName kStyles[] = {
    {"BORDER", ControlStyle::Border},       {"TABSTOP", ControlStyle::TabStop},
    {"HIDDEN", ControlStyle::Hidden},       {"READONLY", ControlStyle::ReadOnly},
    {"LEFT", ControlStyle::Left},           {"CENTER", ControlStyle::Center},
    {"RIGHT", ControlStyle::Right},         {"MULTILINE", ControlStyle::MultiLine},
    {"AUTOHSCROLL", ControlStyle::AutoHScroll}, {"OWNERDRAW", ControlStyle::OwnerDraw},
    {"AUTOCHECKBOX", ControlStyle::AutoCheckBox}, {"DROPDOWN", ControlStyle::DropDown},
    {"SORT", ControlStyle::Sort},           {"VSCROLL", ControlStyle::VScroll},
    {"REPORT", ControlStyle::Report},       {"NOTODAY", ControlStyle::NoToday},
    {"PUSHBUTTON", ControlStyle::PushButton},
};

// Splits a line into words; a word in double quotes may hold blanks.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::vector<bool>& quoted) {
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') { ++i; continue; }
        if (line[i] == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) return false;
            words.push_back(line.substr(i + 1, end - i - 1));
            quoted.push_back(true);
            i = end + 1;
        } else {
            size_t end = line.find_first_of(" \t\r", i);
            if (end == std::string::npos) end = line.size();
            words.push_back(line.substr(i, end - i));
            quoted.push_back(false);
            i = end;
        }
    }
    return true;
}

bool ReadInt(const std::string& word, int& out) {
    char* end = nullptr;
    long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != 0) return false;
    out = static_cast<int>(v);
    return true;
}

bool ParseControl(const std::vector<std::string>& w, const std::vector<bool>& q, ControlTemplate& c,
                  std::string& error) {
    if (w.size() < 8) { error = "a CONTROL line needs id, kind, x, y, width, height and text"; return false; }
    if (!ReadInt(w[1], c.id)) { error = "bad control id " + w[1]; return false; }
    auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const KindName& k) { return w[2] == k.name; });
    if (kind == std::end(kKinds)) { error = "unknown control kind " + w[2]; return false; }
    c.kind = kind->kind;
    if (!ReadInt(w[3], c.x) || !ReadInt(w[4], c.y) || !ReadInt(w[5], c.width) || !ReadInt(w[6], c.height)) {
        error = "bad rectangle";
        return false;
    }
    if (!q[7]) { error = "the control's text must be quoted"; return false; }
    c.text = CString::FromUtf8(w[7]);
    for (size_t i = 8; i < w.size(); ++i) {
        if (w[i].rfind("IMAGE=", 0) == 0) { c.image = CString::FromUtf8(w[i].substr(6)); continue; }
        auto style = std::find_if(std::begin(kStyles), std::end(kStyles), [&](const StyleName& s) { return w[i] == s.name; });
        if (style == std::end(kStyles)) { error = "unknown style " + w[i]; return false; }
        c.styles |= style->bit;
    }
    return true;
}

bool ParseLine(const std::vector<std::string>& w, const std::vector<bool>& q, DialogTemplate& t, std::string& error) {
    const std::string& key = w[0];
    if (key == "DIALOG" && w.size() == 2) return ReadInt(w[1], t.id) || (error = "bad dialog id", false);
    if (key == "CAPTION" && w.size() == 2 && q[1]) { t.caption = CString::FromUtf8(w[1]); return true; }
    if (key == "SIZE" && w.size() == 3) return (ReadInt(w[1], t.width) && ReadInt(w[2], t.height)) || (error = "bad size", false);
    if (key == "FONT" && w.size() == 3 && q[2]) {
        t.fontFace = CString::FromUtf8(w[2]);
        return ReadInt(w[1], t.fontPoints) || (error = "bad font size", false);
    }
    if (key == "STYLE") { t.styles.assign(w.begin() + 1, w.end()); return true; }
    if (key == "EXSTYLE") {
        t.extendedStyles.assign(w.begin() + 1, w.end());
        t.captionOkButton = std::find(w.begin(), w.end(), "CAPTIONOKBTN") != w.end();
        return true;
    }
    if (key == "CONTROL") {
        ControlTemplate c;
        if (!ParseControl(w, q, c, error)) return false;
        t.controls.push_back(c);
        return true;
    }
    error = "unknown or malformed line starting with " + key;
    return false;
}

std::map<int, std::unique_ptr<DialogTemplate>>& Cache() {
    static std::map<int, std::unique_ptr<DialogTemplate>> cache;
    return cache;
}

} // namespace

const char* ControlKindName(ControlKind kind) {
    for (const KindName& k : kKinds) {
        if (k.kind == kind) return k.name;
    }
    return "?";
}

bool DialogTemplate::Parse(std::string_view text, DialogTemplate& out, std::string& error) {
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> words;
        std::vector<bool> quoted;
        if (!SplitWords(line, words, quoted)) { error = "line " + std::to_string(number) + ": unclosed quote"; return false; }
        if (words.empty() || (!quoted[0] && words[0][0] == '#')) continue;
        if (!ParseLine(words, quoted, out, error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
    }
    return true;
}

const DialogTemplate* DialogTemplate::Find(int id) {
    auto& cache = Cache();
    if (auto it = cache.find(id); it != cache.end()) return it->second.get();
    auto bytes = Resources::Find("DIALOG", std::to_string(id));
    if (bytes.empty()) return nullptr;
    auto parsed = std::make_unique<DialogTemplate>();
    std::string error;
    if (!Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), *parsed, error)) {
        // A broken template is a fault of the build, not of the user's data.
        std::fprintf(stderr, "dialog template %d: %s\n", id, error.c_str());
        std::abort();
    }
    return (cache[id] = std::move(parsed)).get();
}

void DialogTemplate::Register(const DialogTemplate& dialogTemplate) {
    Cache()[dialogTemplate.id] = std::make_unique<DialogTemplate>(dialogTemplate);
}

std::vector<int> DialogTemplate::AllIds() {
    std::vector<int> ids;
    for (const EmbeddedResource* r = g_embeddedResources; r->kind; ++r) {
        if (std::string_view(r->kind) == "DIALOG") ids.push_back(std::atoi(r->name));
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}
