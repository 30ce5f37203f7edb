#pragma once

#include "platform/tk/net/Fetch.h"

#include <memory>

// The Fetcher that goes to the network, with libcurl: HTTP and HTTPS only (a redirect from HTTPS may
// only lead to HTTPS), redirects followed up to the request's limit, the status checked, the body
// capped, the request's timeout for the whole transfer, certificates verified, compressed bodies
// decoded (the cap applies to the decoded size), no signals, and nothing written to standard error.

namespace tk {

class CurlFetcher final : public Fetcher {
public:
    CurlFetcher() = default;
    FetchResult fetch(const FetchRequest& request, std::stop_token stop) override;

    // [any] One instance for everyone (it holds no state); made on first use.
    static std::shared_ptr<CurlFetcher> shared();
};

} // namespace tk
