#pragma once
#include <string>
#include <string_view>
#include <vector>

// Cuts text at every separator that starts on a character boundary and keeps the
// non-empty pieces. An empty separator becomes "," (written back). maxCount > 0
// keeps only that many pieces, 0 keeps all, < 0 keeps none. Returns out.size().
int splitNonEmpty(std::string_view text, std::string& separator, int maxCount,
                  std::vector<std::string>& out);
