#pragma once

// The application's fixed addresses.

#include <string>

namespace app::Links {

// [any] The maker's welcome help page for this product, made once on first use.
const std::string& helpPage();
// [any] The update feed (an appcast on the maker's update server), shared with the plug-in.
const std::string& updateFeed();

} // namespace app::Links
