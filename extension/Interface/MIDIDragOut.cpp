#include "extension/Interface/MIDIDragOut.h"

#include "extension/Settings/Settings.h"
#include "extension/ZindralAudioUnit.h"
#include "platform/tk/base/MainThread.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <locale>
#include <ostream>
#include <sstream>
#include <system_error>

namespace extension {

std::string midiFileName(std::chrono::system_clock::time_point now) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    std::ostringstream name;
    name.imbue(std::locale::classic());
    name << "Zindral " << std::put_time(&local, "%Y-%m-%d %H.%M.%S") << ".mid";
    return name.str();
}

std::filesystem::path midiFileURL(const std::string& fileName) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        folder = "/tmp";
    }
    return folder / fileName;
}

namespace {

// The reason a write failed, or nothing when the bytes are on disk.
std::optional<std::string> writeFile(const std::filesystem::path& url, const std::vector<uint8_t>& data) {
    std::error_code error;
    if (url.has_parent_path()) {
        std::filesystem::create_directories(url.parent_path(), error);
        if (error) {
            return "cannot create " + url.parent_path().string() + ": " + error.message();
        }
    }
    std::ofstream file(url, std::ios::binary | std::ios::trunc);
    if (!file) {
        return "cannot open " + url.string() + ": " + std::strerror(errno);
    }
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    file.close();
    if (!file) {
        return "cannot write " + url.string();
    }
    return std::nullopt;
}

} // namespace

bool saveMIDIFile(const Settings& settings, const std::filesystem::path& url, std::ostream& out) {
    TK_CHECK_MAIN_THREAD();
    auto unit = std::dynamic_pointer_cast<ZindralAudioUnit>(settings.audioUnit());
    if (!unit) {
        return false;
    }
    std::vector<uint8_t> data = unit->generateMIDIData();
    if (auto problem = writeFile(url, data)) {
        out << "Failed to save MIDI file: " << *problem << std::endl;
        return false;
    }
    out << "MIDI saved to: " << url.string() << std::endl;
    return true;
}

std::optional<tk::DragItem>
makeMIDIItemProvider(const Settings& settings, std::chrono::system_clock::time_point now, std::ostream& out) {
    TK_CHECK_MAIN_THREAD();
    std::string name = midiFileName(now);
    std::filesystem::path url = midiFileURL(name);
    if (!saveMIDIFile(settings, url, out)) {
        return std::nullopt;
    }
    return tk::DragItem{url.string(), name};
}

} // namespace extension
