#pragma once

// The maker's fixed web links, opened in the browser by the plug-in header's logo and by the
// application's buttons.

#include <string>

namespace Korvane::Links {

// [any] Each is made once, on first use.
const std::string& velmorSite();
const std::string& velmorMastodonAccount();
const std::string& velmorContactPage();

} // namespace Korvane::Links
