#pragma once

// Views and view controllers built in code. XiblessView starts with a zero frame and no
// autoresizing mask (a pin or its superview places it); XiblessVC<T> makes its view as a plain
// T. Neither is ever read from an interface archive: there is no such initialiser to call.

#include "platform/tk/view/View.h"
#include "platform/tk/view/ViewController.h"

#include <memory>

namespace Tessaly {

class XiblessView : public tk::View {
public:
    XiblessView() : View(tk::Rect::zero()) { setTranslatesAutoresizingMaskIntoConstraints(false); }
};

template <class RootView> class XiblessVC : public tk::ViewController {
public:
    XiblessVC() = default;

    void loadView() override { setView(tk::View::make<RootView>()); }
    // The view as the type it was made with.
    RootView& rootView() { return static_cast<RootView&>(*view()); }
};

} // namespace Tessaly
