// Pictures of the screen that tests leave for people to look at.
#pragma once

#include <string>

namespace e2e {

// Saves the whole screen as a 24-bit bitmap file (an artefact, not an assertion).
void SaveScreenBitmap(const std::string& path);

}  // namespace e2e
