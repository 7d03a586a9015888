#pragma once
// The words after a command: options (`--name VALUE`, `--name=VALUE`, or a
// flag) and the plain words in their order. Only the options a command
// names are taken; any other is a usage error.

#include <map>
#include <set>
#include <string>
#include <vector>

class CommandArgs {
public:
    // `valued`: options that take a value; `flags`: those that do not.
    CommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
                const std::set<std::string>& flags);

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }
    bool Has(const std::string& name) const { return m_options.count(name) > 0; }
    std::string Value(const std::string& name, const std::string& otherwise = "") const;
    const std::vector<std::string>& Words() const { return m_words; }

private:
    std::map<std::string, std::string> m_options;
    std::vector<std::string> m_words;
    std::string m_error;
};
