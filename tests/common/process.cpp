#include "tests/common/process.h"

namespace plxtest {

std::vector<std::string> shellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quote == '\'') {
            if (c == '\'') quote = 0;
            else word += c;
        } else if (quote == '"') {
            if (c == '"') quote = 0;
            else if (c == '\\' && i + 1 < line.size() &&
                     std::string("\"\\$`").find(line[i + 1]) != std::string::npos)
                word += line[++i];
            else word += c;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '\'' || c == '"') quote = c;
            else if (c == '\\' && i + 1 < line.size()) word += line[++i];
            else word += c;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

} // namespace plxtest
