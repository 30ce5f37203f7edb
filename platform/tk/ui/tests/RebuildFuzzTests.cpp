// Random trees rebuilt over one another: whatever the shapes, the realised views match the latest
// description, nothing is left behind, and state in places whose shape stayed survives.

#include "platform/tk/base/Observable.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/Button.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace tk::ui {
namespace {

int countNamed(const View& v, std::string_view name) {
    int n = v.identifier() == name ? 1 : 0;
    for (const auto& sub : v.subviews())
        n += countNamed(*sub, name);
    return n;
}

struct Leaf {
    State<int> taps{0};
    Node body() { return Text(std::to_string(taps.get())).identifier("leaf"); }
};

// Builds a random tree and counts the texts and leaves it holds.
struct TreeMaker {
    std::mt19937_64 random;
    int texts = 0;
    int leaves = 0;

    int pick(int n) { return int(random() % std::uint64_t(n)); }

    Node make(int depth) {
        const int what = depth > 3 ? pick(3) : pick(9);
        Node n;
        switch (what) {
        case 0:
            ++texts;
            n = Text("t" + std::to_string(pick(5))).identifier("text");
            break;
        case 1:
            n = Rectangle().fill(Color::gray(0.5)).frame(double(pick(30)), double(pick(30)));
            break;
        case 2:
            n = Node(); // sometimes nothing
            break;
        case 3:
            ++leaves;
            n = Leaf{};
            break;
        default: {
            std::vector<Node> children;
            const int count = pick(5);
            for (int i = 0; i < count; ++i)
                children.push_back(make(depth + 1));
            if (what == 4)
                n = VStack({.spacing = double(pick(9) - 4)}, std::move(children));
            else if (what == 5)
                n = HStack(std::move(children));
            else if (what == 6)
                n = ZStack(std::move(children));
            else if (what == 7)
                n = Group(std::move(children));
            else
                n = HStack({Spacer(), VStack(std::move(children)), Spacer(4)});
            break;
        }
        }
        if (n.isEmpty())
            return n;
        switch (pick(8)) {
        case 0:
            return n.padding(double(pick(10) - 3));
        case 1:
            return n.offset(double(pick(10)), 2).opacity(0.5);
        case 2:
            return n.id(std::size_t(pick(3)));
        case 3:
            return n.onTapGesture([] {}).onChange(pick(3), [](const int&, const int&) {});
        case 4:
            return Button([] {}, n);
        case 5:
            return n.frame({.maxWidth = kInfinity}).background(Color::blue());
        default:
            return n;
        }
    }
};

struct RandomRoot {
    Observable<std::uint64_t>* seed = nullptr;
    int* texts = nullptr;
    int* leaves = nullptr;
    Node body() {
        TreeMaker maker{std::mt19937_64(seed->get())};
        Node tree = maker.make(0);
        *texts = maker.texts;
        *leaves = maker.leaves;
        return tree;
    }
};

TEST(UiRebuild, RandomTreesRebuiltOverOneAnotherMatchTheirDescription) {
    TestMainLoop loop;
    Observable<std::uint64_t> seed{1};
    int texts = 0;
    int leaves = 0;
    auto h = testing::host(RandomRoot{.seed = &seed, .texts = &texts, .leaves = &leaves}, {300, 300});
    int textsSeen = 0;
    int leavesSeen = 0;
    for (std::uint64_t step = 2; step < 400; ++step) {
        seed.set(step % 37); // shapes come back, so views are both reused and replaced
        loop.drain();
        ASSERT_EQ(countNamed(*h, "text"), texts) << "step " << step;
        ASSERT_EQ(countNamed(*h, "leaf"), leaves) << "step " << step;
        textsSeen += texts;
        leavesSeen += leaves;
    }
    EXPECT_GT(textsSeen, 100) << "the trees are not trivial";
    EXPECT_GT(leavesSeen, 50);
}

} // namespace
} // namespace tk::ui
