#pragma once
#include <string_view>

// Shows a text in the main window's title bar for one second, then puts back what it
// replaced. On the user-interface thread window events go on meanwhile (and may flash
// again inside); on another thread it simply waits.
void flashStatus(std::string_view text);

// The caption a recycle run shows (its progress, or empty). A flash that is up keeps its
// text for its second; when the last flash ends, this caption comes back, not the one the
// flash replaced, so a finished run never leaves its progress behind.
void setRunCaption(std::string_view text);
