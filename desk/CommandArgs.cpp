#include "desk/CommandArgs.h"

CommandArgs::CommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
                         const std::set<std::string>& flags) {
    for (size_t i = 0; i < words.size() && Ok(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') {
            m_words.push_back(word);
            continue;
        }
        size_t equals = word.find('=');
        std::string name = word.substr(0, equals);
        if (flags.count(name) && equals == std::string::npos) {
            m_options[name] = "";
        } else if (!valued.count(name)) {
            m_error = "알 수 없는 옵션 " + word;
        } else if (equals != std::string::npos) {
            m_options[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            m_options[name] = words[++i];
        } else {
            m_error = name + " 뒤에 값이 없습니다";
        }
        if (Ok() && valued.count(name) && m_options[name].empty()) m_error = name + "의 값이 비어 있습니다";
    }
}

std::string CommandArgs::Value(const std::string& name, const std::string& otherwise) const {
    auto found = m_options.find(name);
    return found == m_options.end() ? otherwise : found->second;
}
