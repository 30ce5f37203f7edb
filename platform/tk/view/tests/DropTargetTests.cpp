// Drags from another program: the window finds the view that registered for the dragged types and
// asks it in order; what it answers decides the drop.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tk {
namespace {

using Log = std::vector<std::string>;

struct DropView : View {
    using View::View;
    Log* log = nullptr;
    DragOperation answer = DragOperation::copy;
    std::optional<DragOperation> moved;
    bool performs = true;
    std::vector<std::string> dropped;

    DragOperation draggingEntered(const DraggingInfo& i) override {
        log->push_back(identifier() + " entered " + std::to_string(int(i.locationInWindow.x)));
        return answer;
    }
    std::optional<DragOperation> draggingUpdated(const DraggingInfo& i) override {
        log->push_back(identifier() + " updated " + std::to_string(int(i.locationInWindow.x)));
        return moved;
    }
    void draggingExited(const DraggingInfo&) override { log->push_back(identifier() + " exited"); }
    bool prepareForDragOperation(const DraggingInfo&) override {
        log->push_back(identifier() + " prepare");
        return true;
    }
    bool performDragOperation(const DraggingInfo& i) override {
        log->push_back(identifier() + " perform");
        dropped = i.objects<std::string>();
        return performs;
    }
    void concludeDragOperation(const DraggingInfo&) override { log->push_back(identifier() + " conclude"); }
};

class DropTargets : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{300, 100}};
    std::shared_ptr<DropView> files = View::make<DropView>(Rect{0, 0, 100, 100});
    std::shared_ptr<DropView> text = View::make<DropView>(Rect{150, 0, 100, 100});
    std::shared_ptr<View> label = View::make<View>(Rect{10, 10, 50, 20}); // inside `files`
    Log log;
    const std::vector<DraggingItem> aFile{{kFileURLDragType, std::string("/tmp/a.mid")},
                                          {kFileURLDragType, std::string("/tmp/b.mid")}};

    void SetUp() override {
        files->setIdentifier("files");
        text->setIdentifier("text");
        files->log = text->log = &log;
        files->registerForDraggedTypes({kFileURLDragType});
        text->registerForDraggedTypes({kTextDragType});
        files->addSubview(label);
        w.contentView().addSubview(files);
        w.contentView().addSubview(text);
    }
};

TEST_F(DropTargets, TheRegisteredViewUnderTheDragIsAskedInOrder) {
    EXPECT_EQ(w.dragItemsOver({20, 20}, aFile), DragOperation::copy)
        << "over a subview: its ancestor takes it";
    EXPECT_EQ(w.dragItemsOver({30, 20}, aFile), DragOperation::copy)
        << "updated: none keeps the entered answer";
    files->moved = DragOperation::link;
    EXPECT_EQ(w.dragItemsOver({40, 20}, aFile), DragOperation::link);
    EXPECT_EQ(w.dragItemsOver({160, 20}, aFile), DragOperation::none) << "the text view takes no files";
    EXPECT_EQ(w.dragItemsOver({50, 20}, aFile), DragOperation::copy);
    EXPECT_TRUE(w.dropItems({50, 20}, aFile));
    EXPECT_EQ(log, (Log{"files entered 20", "files updated 30", "files updated 40", "files exited",
                        "files entered 50", "files updated 50", "files prepare", "files perform",
                        "files conclude"}));
    EXPECT_EQ(files->dropped, (std::vector<std::string>{"/tmp/a.mid", "/tmp/b.mid"}));
}

TEST_F(DropTargets, ARefusedOrUnperformedDropIsNotTaken) {
    files->answer = DragOperation::none;
    EXPECT_FALSE(w.dropItems({20, 20}, aFile));
    EXPECT_EQ(log, (Log{"files entered 20", "files exited"}));

    log.clear();
    files->answer = DragOperation::move;
    EXPECT_EQ(w.dragItemsOver({20, 20}, aFile, DragOperation::copy), DragOperation::none)
        << "the source does not allow a move";
    w.dragItemsAway();
    EXPECT_EQ(log, (Log{"files entered 20", "files exited"}));

    log.clear();
    files->answer = DragOperation::copy;
    files->performs = false;
    EXPECT_FALSE(w.dropItems({20, 20}, aFile));
    EXPECT_EQ(log, (Log{"files entered 20", "files prepare", "files perform"})) << "no conclusion";

    log.clear();
    const std::vector<DraggingItem> mixed{{kTextDragType, std::string("hello")}, {kFileURLDragType, 42}};
    EXPECT_TRUE(w.dropItems({160, 20}, mixed));
    EXPECT_EQ(text->dropped, (std::vector<std::string>{"hello"})) << "objects of the asked type only";
}

TEST_F(DropTargets, ATargetThatLeavesTheWindowHearsNoMore) {
    w.dragItemsOver({20, 20}, aFile);
    files->removeFromSuperview();
    w.dragItemsAway();
    EXPECT_EQ(log, (Log{"files entered 20"}));
    files->unregisterDraggedTypes();
    w.contentView().addSubview(files);
    EXPECT_EQ(w.dragItemsOver({20, 20}, aFile), DragOperation::none) << "unregistered: not a target";
}

} // namespace
} // namespace tk
