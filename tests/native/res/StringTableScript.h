// The settings program's resource scripts read as text: string tables with their ids resolved through the id
// header, for the tests that check the tables and the help pages that quote them.
#pragma once

#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tapstart::test {

using StringTable = std::map<int, std::string>;  // id -> UTF-8 text with the script's escapes resolved

inline std::string ReadSource(const std::string& relative) {
  std::ifstream in(std::string(TAPSTART_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Resolves a resource-script string literal body: "" is one quote; \n, \t, \\ and \" are escapes.
inline std::string Unescape(const std::string& body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') {
      out += '"';
      ++i;
    } else if (c == '\\' && i + 1 < body.size()) {
      const char e = body[++i];
      out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
    } else {
      out += c;
    }
  }
  return out;
}

struct ParsedTable {
  StringTable strings;
  std::vector<int> duplicates;
  std::vector<std::string> unparsed;  // lines in a table that are neither entries, blank nor comments
  int tables = 0;                     // STRINGTABLE blocks seen
};

// Every "#define NAME number" of the program's id header: the scripts name their ids.
inline const std::map<std::string, int>& IdNames() {
  static const std::map<std::string, int> names = [] {
    std::map<std::string, int> all;
    static const std::regex define(R"(^#define\s+(\w+)\s+(\d+))");
    std::istringstream lines(ReadSource("settings/res/resource.h"));
    std::string line;
    std::smatch m;
    while (std::getline(lines, line))
      if (std::regex_search(line, m, define)) all[m[1]] = std::stoi(m[2]);
    return all;
  }();
  return names;
}

// An id as a script writes it, by name or number; -1 for a name the header lacks.
inline int IdOf(const std::string& token) {
  if (!token.empty() && std::isdigit(static_cast<unsigned char>(token[0]))) return std::stoi(token);
  const auto it = IdNames().find(token);
  return it != IdNames().end() ? it->second : -1;
}

// Reads every "id "text"" entry between STRINGTABLE's BEGIN and END.
inline ParsedTable ParseStringTable(const std::string& script) {
  ParsedTable parsed;
  static const std::regex entry(R"re(^\s*(\w+)\s*,?\s*"((?:[^"]|"")*)"\s*(?://.*)?$)re");
  static const std::regex ignorable(R"(^\s*(//.*)?$)");
  std::istringstream lines(script);
  std::string line;
  bool inTable = false, inBlock = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("STRINGTABLE", 0) == 0) {
      inTable = true;
      ++parsed.tables;
      continue;
    }
    if (inTable && line.rfind("BEGIN", 0) == 0) {
      inBlock = true;
      continue;
    }
    if (inBlock && line.rfind("END", 0) == 0) {
      inTable = inBlock = false;
      continue;
    }
    std::smatch m;
    if (inBlock && std::regex_match(line, m, entry)) {
      const int id = IdOf(m[1]);
      if (id < 0) {
        parsed.unparsed.push_back(line);
      } else if (!parsed.strings.emplace(id, Unescape(m[2])).second) {
        parsed.duplicates.push_back(id);
      }
    } else if (inBlock && !std::regex_match(line, ignorable)) {
      parsed.unparsed.push_back(line);
    }
  }
  return parsed;
}

// The strings of one language's script.
inline StringTable ReadStringTable(const std::string& script) { return ParseStringTable(ReadSource(script)).strings; }

}  // namespace tapstart::test
