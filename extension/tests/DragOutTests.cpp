// Dragging the sequence out as a MIDI file: the dated name, the file an independent reader reads
// back, the printed lines, and the drag from the window's MIDI button.

#include "InterfaceFixture.h"

#include "extension/Interface/MIDIDragOut.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"

#include <gtest/gtest.h>

#ifdef ZINDRAL_HAVE_LIBSMF
#include <smf.h>
#endif

#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <locale>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using interfacetest::Interface;

std::chrono::system_clock::time_point utc(int year, int month, int day, int h, int m, int s) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = h;
    t.tm_min = m;
    t.tm_sec = s;
    return std::chrono::system_clock::from_time_t(timegm(&t));
}

struct UtcZone {
    std::string saved;
    bool had = false;
    UtcZone() {
        if (const char* tz = std::getenv("TZ")) {
            saved = tz;
            had = true;
        }
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone() {
        if (had)
            setenv("TZ", saved.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
};

TEST(DragOut, TheFileIsNamedForTheMomentInTheTemporaryDirectory) {
    UtcZone zone;
    EXPECT_EQ(extension::midiFileName(utc(2026, 3, 1, 14, 5, 9)), "Zindral 2026-03-01 14.05.09.mid");
    EXPECT_EQ(extension::midiFileName(utc(1999, 12, 31, 23, 59, 59)), "Zindral 1999-12-31 23.59.59.mid");
    EXPECT_EQ(extension::midiFileURL("a.mid"), fs::temp_directory_path() / "a.mid");

    // The user's locale does not reach the name.
    try {
        std::locale previous = std::locale::global(std::locale("de_DE.utf8"));
        setlocale(LC_ALL, "de_DE.utf8");
        EXPECT_EQ(extension::midiFileName(utc(2026, 3, 1, 14, 5, 9)), "Zindral 2026-03-01 14.05.09.mid");
        std::locale::global(previous);
        setlocale(LC_ALL, "C");
    } catch (const std::runtime_error&) {
        // no such locale here
    }
}

TEST(DragOut, TheItemIsAStandardMIDIFileThatLibsmfReadsBack) {
    Interface f;
    std::ostringstream out;
    auto item = extension::makeMIDIItemProvider(f.settings(), utc(2026, 3, 1, 14, 5, 9), out);
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(fs::path(item->filePath).parent_path(), fs::temp_directory_path());
    EXPECT_EQ(item->suggestedName, fs::path(item->filePath).filename().string());
    EXPECT_EQ(out.str(), "MIDI saved to: " + item->filePath + "\n");

    std::ifstream file(item->filePath, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, f.unit().generateMIDIData());
#ifdef ZINDRAL_HAVE_LIBSMF
    smf_t* smf = smf_load(item->filePath.c_str());
    ASSERT_NE(smf, nullptr);
    EXPECT_EQ(smf->format, 0);
    EXPECT_EQ(smf->number_of_tracks, 1);
    EXPECT_EQ(smf->ppqn, 480);
    int noteOns = 0, noteOffs = 0;
    while (smf_event_t* event = smf_get_next_event(smf)) {
        if (smf_event_is_metadata(event))
            continue;
        uint8_t status = event->midi_buffer[0] & 0xF0;
        noteOns += status == 0x90;
        noteOffs += status == 0x80;
    }
    EXPECT_GT(noteOns, 0);
    EXPECT_EQ(noteOns, noteOffs);
    smf_delete(smf);
#endif
    fs::remove(item->filePath);
}

TEST(DragOut, AFailedSaveOnlyPrintsWhy) {
    Interface f;
    fs::path blocker = fs::temp_directory_path() / ("zindral-dragout-" + std::to_string(getpid()));
    std::ofstream(blocker) << "a file, not a folder";
    std::ostringstream out;
    EXPECT_FALSE(extension::saveMIDIFile(f.settings(), blocker / "line.mid", out));
    const std::string printed = out.str();
    EXPECT_EQ(printed.rfind("Failed to save MIDI file: ", 0), 0u) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_FALSE(fs::exists(blocker / "line.mid"));
    fs::remove(blocker);
}

TEST(DragOut, WithoutAUnitNothingIsWrittenPrintedOrOffered) {
    tk::TestMainLoop loop;
    auto lonely = extension::Settings::create(settingstest::quietEnvironment());
    std::ostringstream quiet;
    EXPECT_FALSE(
        extension::makeMIDIItemProvider(*lonely, std::chrono::system_clock::now(), quiet).has_value());
    EXPECT_EQ(quiet.str(), "");
}

std::vector<std::string> textsDrawn(Interface& f) {
    tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
    f.w().window().render(context);
    return context.textStrings();
}

TEST(DragOut, TheMIDIButtonShowsItsHintOnATapAndDragsTheFileOut) {
    Interface f;
    auto has = [](const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    auto* backend = tk::HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    const size_t dragsBefore = backend->drags().size();
    tk::Point midi = f.centreOf("midi-button");
    EXPECT_FALSE(has(textsDrawn(f), "DRAG TO EXPORT"));
    f.w().click(midi);
    f.settle();
    EXPECT_TRUE(has(textsDrawn(f), "DRAG TO EXPORT"));

    f.w().drag(midi, {midi.x - 60, midi.y - 80}, 6);
    f.settle();
    ASSERT_EQ(backend->drags().size(), dragsBefore + 1);
    const tk::DragItem& item = backend->drags().back().item;
    EXPECT_EQ(item.suggestedName.rfind("Zindral ", 0), 0u);
    EXPECT_TRUE(fs::exists(item.filePath));
    EXPECT_FALSE(has(textsDrawn(f), "DRAG TO EXPORT"));
    fs::remove(item.filePath);
}

} // namespace
