#pragma once

// The program's documents as the desktop knows them: the list of recently opened documents (newest
// first, at most kMaximumRecentDocuments, kept between runs) and opening a document by its path.
//
// The list lives in a text file in the XDG data folder, one absolute path per line:
//
//     $XDG_DATA_HOME/<program>/recent-documents   (~/.local/share/<program>/... when unset)
//
// It is read on every request (another instance may have changed it) and rewritten through a
// temporary file. Paths whose files are gone stay listed; whoever shows the list leaves them out.
//
// All members are [main].

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace tk {

class DocumentController {
public:
    static constexpr std::size_t kMaximumRecentDocuments = 10;

    // Opens the document at a path (and shows it when `display`), then reports whether it could.
    using Opener = std::function<void(const std::filesystem::path&, bool display, std::function<void(bool)>)>;

    // The process's document controller.
    static DocumentController& shared();

    std::vector<std::filesystem::path> recentDocumentURLs() const;
    // Puts the path at the top of the list (moving it there when it was listed already).
    void noteNewRecentDocumentURL(const std::filesystem::path& path);
    void clearRecentDocuments();

    // Opens the document through the opener; a document that opened becomes the newest recent one.
    // Without an opener nothing can be opened and `completion` hears false.
    void openDocument(const std::filesystem::path& path, bool display,
                      std::function<void(bool)> completion = {});
    void setOpener(Opener opener) { opener_ = std::move(opener); }

    // The file the list is kept in; none without a data folder.
    static std::optional<std::filesystem::path> recentDocumentsFile();

private:
    void write(const std::vector<std::filesystem::path>& paths) const;
    Opener opener_;
};

} // namespace tk
