#include "Korvane/Resources/Links.h"

namespace Korvane::Links {

const std::string& velmorSite() {
    static const std::string url = "https://velmor.example/";
    return url;
}

const std::string& velmorMastodonAccount() {
    static const std::string url = "https://social.velmor.example/@velmor";
    return url;
}

const std::string& velmorContactPage() {
    static const std::string url = "https://velmor.example/contact";
    return url;
}

} // namespace Korvane::Links
