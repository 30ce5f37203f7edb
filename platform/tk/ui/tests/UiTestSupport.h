#pragma once

// Small helpers shared by the declarative layer's tests.

#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/view/View.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace tk::ui::testing {

// A hosting view of `size` (no window) laid out once.
inline std::shared_ptr<HostingView> host(Node root, Size size) {
    auto h = View::make<HostingView>(std::move(root));
    h->setFrame(Rect(Point{}, size));
    h->layoutNow();
    return h;
}

// The rect of the view named `name`, in `in`'s coordinates; a failed expectation when missing.
inline Rect frameOf(View& in, std::string_view name) {
    View* v = findNodeView(in, name);
    EXPECT_NE(v, nullptr) << "no view named " << name;
    if (!v)
        return {};
    return v->convertTo(Rect(Point{}, v->bounds().size), &in);
}

// A box of a fixed size, named.
inline Node box(std::string name, double w, double h) {
    return Rectangle().frame(w, h).identifier(std::move(name));
}

} // namespace tk::ui::testing
