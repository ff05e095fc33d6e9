#pragma once
#include <string>
#include <vector>

namespace velmora {

// Fills a template: each "%s" takes the next value as it stands (no quoting,
// no escaping); a "%s" without a value left becomes empty, values without a
// "%s" left are ignored. Every other character is copied.
std::string Format(const std::string& pattern, const std::vector<std::string>& values);

} // namespace velmora
