#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace gw {

// The program's texts are written in Japanese, and the Japanese text is the key of the message
// catalogue: where the player's language has no catalogue (or is the C locale) the text stays
// exactly as written, so the Japanese program is unchanged byte for byte.
std::string Tr(const char* japanese);

// Marks a text for the catalogue where it is kept in a table and translated only where it is
// shown (a menu table, an error table); the text itself is returned unchanged.
constexpr const char* TrNoop(const char* japanese) { return japanese; }

// Puts values into a translated pattern: {1} is the first value, {2} the second, and so on.
// A translation may reorder them, which plain concatenation cannot allow.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace gw
