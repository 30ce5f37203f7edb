#pragma once

// HostingView: puts a declarative tree into a classic view tree.
//
//     auto host = tk::View::make<tk::ui::HostingView>(MainView{});
//     host->setEnvironment<SettingsKey>(settings.get());
//     window->setContentView(host);
//
// The tree is built at once (so it can be inspected right after), rebuilt on the main queue when
// what a component read changes, and laid out whenever the hosting view's size changes or a
// rebuild ran: the root is proposed the view's size and centred in it. The hosting view reports
// the root's ideal size as its intrinsic size.
//
// All members are [main].

#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/view/View.h"

#include <memory>

namespace tk::ui {

class HostingView : public View {
public:
    explicit HostingView(Node root = {});
    ~HostingView() override;

    // Describes the tree again (components in the same places keep their state).
    void setRoot(Node root);
    const Node& root() const { return root_; }

    // Sets an environment value for the whole tree and rebuilds it.
    template <class Key> void setEnvironment(typename Key::Value value) {
        environment_ = environment_.with<Key>(std::move(value));
        rebuild();
    }
    const EnvironmentValues& environment() const { return environment_; }

    // The root node view (null for an empty root).
    NodeView* rootView() const { return rootView_.get(); }
    UpdateHost& updateHost() const { return *host_; }

    // The root's size for a proposal (its ideal size for an unspecified one).
    Size sizeThatFits(ProposedSize proposal);
    Size intrinsicContentSize() const override;
    void layout() override;
    // After rebuilds: measures and places again only what they invalidated.
    void layoutChanged();
    // Lays out now (rebuilds that are due run first).
    void layoutNow();

protected:
    void setup() override;

private:
    void rebuild();

    Node root_;
    EnvironmentValues environment_;
    std::shared_ptr<UpdateHost> host_;
    std::shared_ptr<NodeView> rootView_;
    bool setUp_ = false;
};

} // namespace tk::ui
