#include "extension/Interface/MelodyView.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/MIDIDragOut.h"
#include "extension/Interface/SeedView.h"
#include "extension/Interface/SettingsEnvironment.h"

#include "Korvane/Controls/ImageButton.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "platform/tk/base/MainThread.h"

#include <iostream>

namespace extension {

namespace {
constexpr double kGroupWidth = 150;
}

tk::ui::Node MelodyView::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    if (!environment<SettingsKey>()) {
        return Node();
    }
    return ZStack(Alignment::topLeading(),
                  {
                      Image(ImageResource::notesBackground()),
                      Node(MelodyNotes{{gx, gy, gw, gh}}),
                      controlRow(),
                  })
        .frame(kSize.width, kSize.height, Alignment::topLeading());
}

tk::ui::Node MelodyNotes::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    std::shared_ptr<Settings> settings = environment<SettingsKey>();
    if (!settings) {
        return Node();
    }
    MelodyInput input;
    input.area = area;
    input.geometry =
        stepGeometry(input.area, settings->sequenceLength()->value.get(), settings->gate()->value.get());
    input.steps = settings->interpolatedSequence().get();
    input.restAmount = settings->restAmount()->value.get();
    input.slideAmount = settings->slideAmount()->value.get();
    input.accentAmount = settings->accentAmount()->value.get();
    // The labels' note mapping reads the lowest note, the range and the pitch classes.
    for (size_t address : {0u, 1u, 10u, 11u, 12u, 13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u, 21u}) {
        (void)settings->parameter(address)->value.get();
    }
    std::weak_ptr<Settings> weakSettings = settings;
    input.midiNote = [weakSettings](float value) {
        auto s = weakSettings.lock();
        return s ? s->midiNote(value) : 0;
    };
    input.noteLine = ColorResource::noteLine();
    input.noteLineAccented = ColorResource::noteLineAccented();
    input.noteText = ColorResource::noteText();
    input.labelFont = tk::Font::named("Dosis-Medium", 11);

    return ZStack(Alignment::topLeading(), {
                                               Node(MelodyPlayhead{input.area, input.geometry}),
                                               Canvas([input](tk::GraphicsContext& context, tk::Size) {
                                                   drawNoteLines(context, input);
                                               }).allowsHitTesting(false),
                                           });
}

tk::ui::Node MelodyPlayhead::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    std::shared_ptr<Settings> settings = environment<SettingsKey>();
    if (!settings) {
        return Node();
    }
    const tk::Rect playhead = playheadRect(area, geometry, settings->playheadIndex());
    return Rectangle()
        .fill(ColorResource::noteOverlay())
        .frame(playhead.size.width, playhead.size.height)
        .offset(playhead.origin.x, playhead.origin.y)
        .allowsHitTesting(false);
}

tk::ui::Node MelodyView::controlRow() {
    using namespace tk::ui;
    std::weak_ptr<Settings> weak = environment<SettingsKey>();

    auto offsetButton = [weak](tk::Image image, tk::Image down, bool left) {
        return Node(Korvane::ImageButton(std::move(image), std::move(down), [weak, left](bool optionHeld) {
            auto s = weak.lock();
            if (!s) {
                return;
            }
            if (optionHeld) {
                s->setOffset(s->offset()->defaultValue());
            } else if (left) {
                s->incrementOffset();
            } else {
                s->decrementOffset();
            }
        }));
    };
    Node offsetGroup =
        HStack({HStack({.spacing = 4}, {offsetButton(ImageResource::notesButtonOffsetLeft(),
                                                     ImageResource::notesButtonOffsetLeftDown(), true)
                                            .identifier("offset-left"),
                                        offsetButton(ImageResource::notesButtonOffsetRight(),
                                                     ImageResource::notesButtonOffsetRightDown(), false)
                                            .identifier("offset-right")}),
                Spacer()})
            .frame(kGroupWidth, std::nullopt);

    Node hint = showDragMessage.get()
                    ? Korvane::korvFont(Text("DRAG TO EXPORT"), Korvane::KorvFont::dosisMedium, 12)
                          .foregroundColor(ColorResource::noteText())
                          .opacity(0.4)
                          .fixedSize() // one line: the space before it gives way first
                    : Node();
    Node midiButton = Node(MidiExportButton{showDragMessage.binding()});
    Node exportGroup = HStack({Spacer(0), hint, midiButton}).frame(kGroupWidth, std::nullopt);

    return VStack({Spacer(), HStack({offsetGroup, Spacer(), Node(SeedView{}), Spacer(), exportGroup})})
        .padding(Edges::bottom(), 16)
        .padding(Edges::horizontal(), 32);
}

tk::ui::Node MidiExportButton::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    std::shared_ptr<Settings> settings = environment<SettingsKey>();
    if (!settings) {
        return Node();
    }
    std::weak_ptr<Settings> weak = settings;
    return ZStack({Image(ImageResource::notesButtonMidi()),
                   Korvane::korvFont(Text("MIDI"), Korvane::KorvFont::dosisMedium, 12)
                       .foregroundColor(ColorResource::noteText())})
        .id(static_cast<std::size_t>(settings->paramsHash()))
        .onDrag([hint = showDragMessage, weak]() -> std::optional<tk::DragItem> {
            hint.set(false);
            auto s = weak.lock();
            if (!s) {
                return std::nullopt;
            }
            return makeMIDIItemProvider(*s, std::chrono::system_clock::now(), std::cout);
        })
        .onTapGesture([hint = showDragMessage] { hint.set(true); })
        .identifier("midi-button");
}

} // namespace extension
