#include "desk/CsvReader.h"

#include "desk/DeskFailure.h"

namespace {

class Scanner {
public:
    Scanner(std::string_view text, const std::string& file) : m_text(text), m_file(file) {}

    std::vector<CsvReader::Record> Records() {
        std::vector<CsvReader::Record> records;
        while (m_at < m_text.size()) records.push_back(Record());
        return records;
    }

private:
    CsvReader::Record Record() {
        CsvReader::Record record{m_line, {}};
        for (;;) {
            record.fields.push_back(Field());
            if (m_at >= m_text.size()) return record;
            char c = m_text[m_at++];
            if (c == ',') continue;
            if (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n') ++m_at;
            ++m_line;
            return record;
        }
    }

    std::string Field() {
        if (m_at >= m_text.size() || m_text[m_at] != '"') {
            size_t end = m_text.find_first_of(",\r\n", m_at);
            if (end == std::string_view::npos) end = m_text.size();
            std::string field(m_text.substr(m_at, end - m_at));
            m_at = end;
            return field;
        }
        int start = m_line;
        std::string field;
        for (++m_at;; ++m_at) {
            if (m_at >= m_text.size()) Fail(start, "따옴표가 닫히지 않았습니다");
            char c = m_text[m_at];
            if (c == '\n') ++m_line;
            if (c != '"') {
                field += c;
            } else if (m_at + 1 < m_text.size() && m_text[m_at + 1] == '"') {
                field += '"';
                ++m_at;
            } else {
                break;
            }
        }
        ++m_at;
        if (m_at < m_text.size() && std::string_view(",\r\n").find(m_text[m_at]) == std::string_view::npos) {
            Fail(m_line, "닫는 따옴표 뒤에 글자가 있습니다");
        }
        return field;
    }

    [[noreturn]] void Fail(int line, const std::string& why) const {
        throw DeskFailure(m_file + ": " + std::to_string(line) + "번째 줄: " + why);
    }

    std::string_view m_text;
    const std::string& m_file;
    size_t m_at = 0;
    int m_line = 1;
};

} // namespace

std::vector<CsvReader::Record> CsvReader::Read(std::string_view text, const std::string& file) {
    return Scanner(text, file).Records();
}
