#pragma once

namespace au {

// Base of an audio unit's view controller: the object that supplies the unit's interface to a host.
// The host calls the hooks in order: viewDidLoad() once when it first wants the view, viewDidAppear()
// whenever the view has come on screen. All members are [main].
class ViewController {
public:
    struct Size {
        double width = 0.0;
        double height = 0.0;
        friend bool operator==(const Size&, const Size&) = default;
    };

    virtual ~ViewController() = default;

    virtual void viewDidLoad() {}
    virtual void viewDidAppear() {}

    // The size, in points, that the controller would like its view to have.
    Size preferredContentSize() const { return preferredContentSize_; }
    void setPreferredContentSize(Size size) { preferredContentSize_ = size; }

private:
    Size preferredContentSize_;
};

} // namespace au
