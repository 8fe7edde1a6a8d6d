#include "tests/core/reference.h"
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

const std::string kDir = DYXEL_TESTDATA;

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return "";
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

struct Table {
    bool read = false;
    std::map<std::string, std::string> values;
};

// "key = value # note" lines, and lines of "key=value" items such as the mapping edges.
Table readTable() {
    Table t;
    std::ifstream in(kDir + "/rng-reference.txt");
    if (!in)
        return t;
    t.read = true;
    std::string line, section;
    while (std::getline(in, line)) {
        line = trim(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const size_t eq = line.find(" = ");
        if (eq != std::string::npos) {
            t.values[section + "/" + trim(line.substr(0, eq))] = trim(line.substr(eq + 3));
            continue;
        }
        std::istringstream items(line);
        std::string item;
        while (items >> item) {
            const size_t at = item.find('=');
            if (at != std::string::npos)
                t.values[section + "/" + item.substr(0, at)] =
                    item.substr(at + 1, item.find('(') - at - 1);
        }
    }
    return t;
}

} // namespace

std::string ReferenceValue(const std::string& section, const std::string& key) {
    static const Table table = readTable();
    if (!table.read) {
        ADD_FAILURE() << "reference file missing: " << kDir << "/rng-reference.txt";
        return "";
    }
    const auto it = table.values.find(section + "/" + key);
    if (it == table.values.end()) {
        ADD_FAILURE() << "no value [" << section << "] " << key << " in rng-reference.txt";
        return "";
    }
    return it->second;
}

std::vector<uint32_t> HexWords(const std::string& value) {
    std::vector<uint32_t> words;
    std::istringstream in(value);
    std::string item;
    while (in >> item)
        words.push_back(static_cast<uint32_t>(std::stoul(item, nullptr, 16)));
    return words;
}

std::vector<int32_t> Decimals(const std::string& value) {
    std::vector<int32_t> numbers;
    std::istringstream in(value);
    std::string item;
    while (in >> item)
        numbers.push_back(static_cast<int32_t>(std::stol(item)));
    return numbers;
}

std::vector<uint32_t> RandvectWords() {
    std::vector<uint32_t> words;
    std::ifstream in(kDir + "/isaac-randvect.txt");
    if (!in) {
        ADD_FAILURE() << "reference file missing: " << kDir << "/isaac-randvect.txt";
        return words;
    }
    std::string line;
    while (std::getline(in, line)) {
        line = trim(line);
        for (size_t at = 0; at + 8 <= line.size(); at += 8)
            words.push_back(static_cast<uint32_t>(std::stoul(line.substr(at, 8), nullptr, 16)));
    }
    return words;
}
