#include "platform/tk/net/CurlFetcher.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string_view>

namespace tk {

namespace {

void initialiseCurlOnce() {
    // Process-wide set-up that libcurl wants before the first handle; never undone, since other code
    // in the process may use libcurl too.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

struct Transfer {
    std::string body;
    std::size_t maximumBytes = 0;
    bool overflowed = false;
    std::stop_token stop;
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    const std::size_t bytes = size * count;
    if (bytes > transfer.maximumBytes - transfer.body.size()) {
        transfer.overflowed = true;
        return 0; // makes libcurl stop with a write error
    }
    transfer.body.append(data, bytes);
    return bytes;
}

int progress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    // libcurl calls this often, also while waiting, so a stop request ends the transfer promptly.
    return static_cast<Transfer*>(context)->stop.stop_requested() ? 1 : 0;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::shared_ptr<CurlFetcher> CurlFetcher::shared() {
    static const auto instance = std::make_shared<CurlFetcher>();
    return instance;
}

FetchResult CurlFetcher::fetch(const FetchRequest& request, std::stop_token stop) {
    const bool https = startsWith(request.url, "https://");
    if (!https && !startsWith(request.url, "http://"))
        return FetchResult::failure(FetchError::Kind::invalidRequest, "only http and https addresses");
    if (request.url.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos)
        return FetchResult::failure(FetchError::Kind::invalidRequest, "control characters in the address");
    if (stop.stop_requested())
        return FetchResult::failure(FetchError::Kind::cancelled, "cancelled");

    initialiseCurlOnce();
    std::unique_ptr<CURL, EasyHandleDeleter> handle(curl_easy_init());
    if (!handle)
        return FetchResult::failure(FetchError::Kind::transport, "no transfer handle");
    CURL* curl = handle.get();

    Transfer transfer;
    transfer.maximumBytes = request.maximumBytes;
    transfer.stop = stop;
    char errorText[CURL_ERROR_SIZE] = {};
    const auto timeoutMs = std::max<long long>(
        1, std::chrono::duration_cast<std::chrono::milliseconds>(request.timeout).count());

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, https ? "https" : "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, request.maximumRedirects > 0 ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, static_cast<long>(std::max(request.maximumRedirects, 0)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, ""); // every encoding libcurl can decode
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(request.maximumBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);

    if (code != CURLE_OK) {
        if (transfer.overflowed || code == CURLE_FILESIZE_EXCEEDED)
            return FetchResult::failure(FetchError::Kind::tooLarge, "body over the size limit", status);
        if (code == CURLE_ABORTED_BY_CALLBACK)
            return FetchResult::failure(FetchError::Kind::cancelled, "cancelled", status);
        if (code == CURLE_URL_MALFORMAT || code == CURLE_UNSUPPORTED_PROTOCOL)
            return FetchResult::failure(FetchError::Kind::invalidRequest,
                                        errorText[0] ? errorText : curl_easy_strerror(code), status);
        return FetchResult::failure(FetchError::Kind::transport,
                                    errorText[0] ? errorText : curl_easy_strerror(code), status);
    }
    if (status < 200 || status > 299)
        return FetchResult::failure(FetchError::Kind::httpStatus, "HTTP status " + std::to_string(status),
                                    status);
    return FetchResult::success(std::move(transfer.body), status);
}

} // namespace tk
