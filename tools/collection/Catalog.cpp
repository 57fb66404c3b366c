#include "Catalog.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace gw::collection {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

int Number(const std::string& text, int low, int high, const std::string& where) {
  size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || v < low || v > high)
    throw std::runtime_error(where + ": \"" + text + "\" is not a number from " + std::to_string(low) + " to " +
                             std::to_string(high));
  return v;
}

bool KnownSource(const std::string& s) { return s.rfind("tango:", 0) == 0 || s.rfind("emoji:", 0) == 0; }

}  // namespace

std::vector<Entry> ReadCatalog(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::vector<Entry> entries;
  std::set<std::string> names;
  std::string text;
  for (int n = 1; std::getline(in, text); ++n) {
    if (text.empty() || text[0] == '#') continue;
    std::string where = path + ":" + std::to_string(n);
    std::vector<std::string> f = SplitTabs(text);
    if (f.size() != 5) throw std::runtime_error(where + ": five fields separated by tabs are expected");
    if (!KnownSource(f[1])) throw std::runtime_error(where + ": the source is neither tango: nor emoji:");
    if (!names.insert(f[0]).second) throw std::runtime_error(where + ": the name " + f[0] + " is used twice");
    entries.push_back({f[0], f[1], Number(f[2], 5, 40, where), Number(f[3], 1, 6, where), f[4], n});
  }
  return entries;
}

std::string SourceCredit(const Entry& e) {
  if (e.source.rfind("tango:", 0) == 0) return "Tango Icon Library " + e.source.substr(6);
  std::string points = e.source.substr(6), out;
  std::stringstream in(points);
  std::string one;
  while (std::getline(in, one, '-')) out += (out.empty() ? "U+" : " U+") + one;
  return "Noto Emoji " + out;
}

}  // namespace gw::collection
