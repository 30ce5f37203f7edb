#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(ViewTree, Builds) {
    TestMainLoop loop;
    HeadlessWindow w({100, 100});
    auto v = View::make<View>(Rect{10, 10, 20, 20});
    w.contentView().addSubview(v);
    EXPECT_EQ(w.contentView().hitTest({15, 15}), v.get());
}

} // namespace
} // namespace tk
