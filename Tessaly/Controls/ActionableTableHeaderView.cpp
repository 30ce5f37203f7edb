#include "Tessaly/Controls/ActionableTableHeaderView.h"

#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/ScrollView.h"

namespace Tessaly {

namespace {
std::shared_ptr<TableViewStyle>& sharedHeaderStyle() {
    static std::shared_ptr<TableViewStyle> style;
    return style;
}
} // namespace

std::shared_ptr<TableViewStyle> StyledTableHeaderView::style() {
    auto& style = sharedHeaderStyle();
    if (!style)
        style = std::make_shared<TableViewStyle>();
    return style;
}

void StyledTableHeaderView::setStyle(std::shared_ptr<TableViewStyle> style) {
    sharedHeaderStyle() = std::move(style);
}

void StyledTableHeaderView::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    context.fillRect(bounds(), style()->headerBackgroundColor());
    tk::TableHeaderView::draw(context, dirtyRect);
}

bool StyledTableHeaderView::isOpaque() const {
    return style()->headerBackgroundColor().a >= 1;
}

std::shared_ptr<tk::Button> ActionableTableHeaderView::makeButton(ImageResource picture,
                                                                  ImageResource alternate) {
    auto button = tk::View::make<tk::Button>();
    button->setImage(image(picture));
    button->setAlternateImage(image(alternate));
    button->setTitle("");
    button->setButtonType(tk::ButtonType::momentaryChange);
    button->setBezelStyle(tk::BezelStyle::regularSquare);
    button->setBordered(false);
    button->setImagePosition(tk::ImagePosition::imageOnly);
    button->setImageScaling(tk::ImageScaling::none);
    return button;
}

void ActionableTableHeaderView::setup() {
    StyledTableHeaderView::setup();
    addItemButton_ = makeButton(ImageResources::propertiesTableAdd, ImageResources::propertiesTableAddDown);
    optionButton_ = makeButton(ImageResources::propertiesTableheaderOverflow,
                               ImageResources::propertiesTableheaderOverflowDown);
    addSubview(addItemButton_);
    addSubview(optionButton_);
    for (tk::Button* button : {addItemButton_.get(), optionButton_.get()}) {
        button->sizeToFit();
        for (const auto orientation : {tk::LayoutOrientation::horizontal, tk::LayoutOrientation::vertical}) {
            button->setContentCompressionResistancePriority(tk::kLayoutPriorityRequired, orientation);
            button->setContentHuggingPriority(tk::kLayoutPriorityRequired, orientation);
        }
    }
    subscribeToClipViewChanges();
}

void ActionableTableHeaderView::hideAddItemButton() {
    addItemButton_->setHidden(true);
    setNeedsLayout();
}

void ActionableTableHeaderView::hideOptionButton() {
    optionButton_->setHidden(true);
    setNeedsLayout();
}

tk::View* ActionableTableHeaderView::tableClipView() const {
    const tk::View* table = tableView();
    tk::ScrollView* scroll = table ? tk::enclosingScrollView(*table) : nullptr;
    return scroll ? &scroll->contentView() : nullptr;
}

void ActionableTableHeaderView::setTableView(tk::View* table) {
    StyledTableHeaderView::setTableView(table);
    if (auto* clip = dynamic_cast<tk::ClipView*>(tableClipView())) {
        clip->setPostsBoundsChangedNotifications(true);
        clip->setPostsFrameChangedNotifications(true);
    }
    setNeedsLayout(); // the buttons' place depends on the table's scroll view
}

void ActionableTableHeaderView::subscribeToClipViewChanges() {
    cancellables_.clear();
    const auto weak = std::weak_ptr<tk::View>(weakView());
    const auto changed = [weak](const tk::Notification& n) {
        auto* clip = n.object.as<tk::ClipView>();
        if (!clip)
            return;
        const auto apply = [weak, clip] {
            auto self = std::static_pointer_cast<ActionableTableHeaderView>(weak.lock());
            // Only the table's own clip view moves the buttons; other clip views say nothing here.
            if (self && self->tableClipView() == clip)
                self->setNeedsLayout();
        };
        if (tk::isMainThread())
            apply();
        else
            tk::RunLoop::main().post(apply);
    };
    auto& centre = tk::NotificationCenter::defaultCenter();
    cancellables_.push_back(centre.addObserver(tk::kViewFrameDidChange, nullptr, changed));
    cancellables_.push_back(centre.addObserver(tk::kViewBoundsDidChange, nullptr, changed));
}

double ActionableTableHeaderView::scrollerOverlap() const {
    const tk::View* clip = tableClipView();
    if (!clip)
        return 0;
    const double d = bounds().width() - clip->bounds().maxX();
    return d >= 0 ? -d : -0.0;
}

tk::Rect ActionableTableHeaderView::optionButtonFrame() const {
    optionButton_->sizeToFit();
    const tk::Rect s = optionButton_->isHidden() ? tk::Rect{} : optionButton_->bounds();
    const tk::Rect b = bounds();
    return tk::Rect{scrollerOverlap() + b.maxX() - s.width() - 2, b.midY() - optionButton_->bounds().midY(),
                    s.width(), s.height()};
}

tk::Rect ActionableTableHeaderView::addItemButtonFrame() const {
    addItemButton_->sizeToFit();
    const tk::Rect o = optionButtonFrame();
    const tk::Rect s = addItemButton_->isHidden() ? tk::Rect{} : addItemButton_->bounds();
    return tk::Rect{o.minX() - s.width(), bounds().midY() - addItemButton_->bounds().midY(), s.width(),
                    s.height()};
}

void ActionableTableHeaderView::layout() {
    StyledTableHeaderView::layout();
    if (const tk::Rect f = optionButtonFrame(); f != optionButton_->frame())
        optionButton_->setFrame(f);
    if (const tk::Rect f = addItemButtonFrame(); f != addItemButton_->frame())
        addItemButton_->setFrame(f);
}

} // namespace Tessaly
