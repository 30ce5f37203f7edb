#include "platform/tk/base/Bundle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

// A scratch folder, removed with everything in it at the end of the test.
struct ScratchFolder {
    fs::path path;
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "tk-bundle-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    fs::path makeBundle(const std::string& name, const std::string& info = {}) const {
        auto dir = path / name;
        fs::create_directories(dir);
        if (!info.empty())
            std::ofstream(dir / "Info.json") << info;
        return dir;
    }
};

// Restores the main bundle a test changed.
struct MainBundleGuard {
    fs::path original = tk::Bundle::main().bundlePath();
    ~MainBundleGuard() { tk::Bundle::setMain(original); }
};

void codeMarker() {}

TEST(BundleTest, ReadsTheInformationDictionary) {
    ScratchFolder scratch;
    auto dir = scratch.makeBundle("Plug.bundle", R"({"CFBundleShortVersionString": "1.2.3",
        "CFBundleVersion": 7, "Flags": [true, null], "Nested": {"a": "b"}})");
    auto bundle = tk::Bundle::open(dir);
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->string("CFBundleShortVersionString"), "1.2.3");
    EXPECT_EQ(bundle->string("CFBundleVersion"), std::nullopt) << "a number is not a string";
    ASSERT_NE(bundle->object("CFBundleVersion"), nullptr);
    EXPECT_EQ(*bundle->object("CFBundleVersion")->number(), 7.0);
    ASSERT_NE(bundle->object("Flags"), nullptr);
    EXPECT_EQ(bundle->object("Flags")->array()->size(), 2u);
    EXPECT_EQ(*bundle->object("Nested")->object()->at(0).second.string(), "b");
    EXPECT_EQ(bundle->object("Missing"), nullptr);
}

TEST(BundleTest, AMissingOrDamagedInfoFileLeavesAnEmptyDictionary) {
    ScratchFolder scratch;
    auto none = tk::Bundle::open(scratch.makeBundle("None.bundle"));
    auto damaged = tk::Bundle::open(scratch.makeBundle("Damaged.bundle", "{\"CFBundleVersion\": "));
    auto array = tk::Bundle::open(scratch.makeBundle("Array.bundle", "[1, 2]"));
    ASSERT_TRUE(none && damaged && array);
    EXPECT_TRUE(none->infoDictionary().empty());
    EXPECT_TRUE(damaged->infoDictionary().empty());
    EXPECT_TRUE(array->infoDictionary().empty());
    EXPECT_FALSE(tk::Bundle::open(scratch.path / "Absent.bundle"));
    std::ofstream(scratch.path / "file.bundle") << "not a folder";
    EXPECT_FALSE(tk::Bundle::open(scratch.path / "file.bundle"));
}

TEST(BundleTest, FindsResourcesByNameAndExtension) {
    ScratchFolder scratch;
    auto dir = scratch.makeBundle("Res.bundle");
    fs::create_directories(dir / "Images" / "knobs");
    std::ofstream(dir / "Images" / "knobs" / "dial_01.png") << "png";
    std::ofstream(dir / "Colors.json") << "{}";
    auto bundle = tk::Bundle::open(dir);
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->url("Colors", "json"), fs::canonical(dir / "Colors.json"));
    EXPECT_EQ(bundle->url("Images/knobs/dial_01", "png"), fs::canonical(dir / "Images/knobs/dial_01.png"));
    EXPECT_EQ(bundle->url("Images/knobs/dial_02", "png"), std::nullopt);
    EXPECT_EQ(bundle->url("/etc/passwd", ""), std::nullopt);
}

TEST(BundleTest, TheMainBundleDefaultsToTheExecutablesFolderAndCanBeSet) {
    MainBundleGuard guard;
    const auto executable = fs::canonical("/proc/self/exe");
    EXPECT_EQ(tk::Bundle::main().bundlePath(), executable.parent_path());

    ScratchFolder scratch;
    auto dir = scratch.makeBundle("Ext.bundle", R"({"CFBundleShortVersionString": "2.0"})");
    EXPECT_TRUE(tk::Bundle::setMain(dir));
    EXPECT_EQ(tk::Bundle::main().string("CFBundleShortVersionString"), "2.0");
    EXPECT_FALSE(tk::Bundle::setMain(scratch.path / "Absent.bundle"));
    EXPECT_EQ(tk::Bundle::main().bundlePath(), fs::canonical(dir)) << "a failed setMain keeps the bundle";
}

TEST(BundleTest, TheBundleForCodeIsTheFolderOfTheObjectHoldingIt) {
    auto bundle = tk::Bundle::forCodeAt(reinterpret_cast<const void*>(&codeMarker));
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->bundlePath(), fs::canonical("/proc/self/exe").parent_path());
    EXPECT_FALSE(tk::Bundle::forCodeAt(nullptr));
}

TEST(BundleTest, FindLooksInTheMainBundleFirstThenNextToTheCode) {
    MainBundleGuard guard;
    ScratchFolder mainFolder;
    ASSERT_TRUE(tk::Bundle::setMain(mainFolder.path));
    const void* code = reinterpret_cast<const void*>(&codeMarker);
    EXPECT_FALSE(tk::Bundle::find("TkProbe_Absent.bundle", code));

    // Only next to the code (the test executable's folder).
    const auto besideCode =
        fs::canonical("/proc/self/exe").parent_path() / ("TkProbe_" + std::to_string(getpid()) + ".bundle");
    fs::create_directories(besideCode);
    const auto name = besideCode.filename().string();
    auto found = tk::Bundle::find(name, code);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->bundlePath(), besideCode);

    // In the main bundle too: that one wins.
    auto inMain = mainFolder.makeBundle(name);
    found = tk::Bundle::find(name, code);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->bundlePath(), fs::canonical(inMain));
    fs::remove_all(besideCode);
}

} // namespace
