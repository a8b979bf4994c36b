#pragma once

#include <cstdint>
#include <string>

namespace korvalin {

// The diary line of a visa application at the embassy of the country whose
// main tile code is `destination`: "　　韓国大使館でビザを申請。", with the week's
// wait when the counter is crowded. Empty when no embassy is that country's.
std::string visaApplicationLine(std::uint8_t destination, bool crowded);

}  // namespace korvalin
