#include "platform/tk/ui/List.h"

#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/ui/NodeView.h"

namespace tk::ui {

namespace {

struct ListNodeData final : NodeData {
    std::vector<Node> rows;
    std::shared_ptr<NodeView> makeView() const override;
};

// The backgrounds depend on where the list stands, so the rows are laid out when the list is
// applied in its environment.
class ListView final : public WrapperView {
protected:
    void update(const NodeData& node) override {
        const auto& rows = static_cast<const ListNodeData&>(node).rows;
        const bool alternating = context_.environment.get<AlternatingRowBackgroundsKey>();
        const auto colors = alternatingContentBackgroundColors();
        std::vector<Node> placed;
        placed.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            placed.push_back(rows[i]
                                 .padding(kListRowInsets)
                                 .frame({.maxWidth = kInfinity,
                                         .minHeight = kListRowHeight,
                                         .alignment = Alignment::leading()})
                                 .background(colors[alternating ? i % 2 : 0]));
        setContent(VStack({.alignment = HorizontalAlignment::leading, .spacing = 0}, std::move(placed)),
                   context_);
    }
};

std::shared_ptr<NodeView> ListNodeData::makeView() const {
    return View::make<ListView>();
}

} // namespace

Node List(std::vector<Node> rows) {
    auto d = std::make_shared<ListNodeData>();
    d->rows = std::move(rows);
    return Node(std::move(d));
}

} // namespace tk::ui
