#include "extension/Interface/MainView.h"

#include "extension/Interface/DeepLink.h"
#include "extension/Interface/DialRow.h"
#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/MelodyView.h"
#include "extension/Interface/MorphEditorView.h"
#include "extension/Interface/SettingsEnvironment.h"

#include "Korvane/Controls/FilmStripDials.h"
#include "Korvane/Controls/ZindralButton.h"
#include "Korvane/Controls/ZindralToggleButton.h"
#include "Korvane/Controls/ZindralToggleButtonNarrow.h"
#include "Korvane/Header/PluginHeaderView.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

#include <algorithm>

namespace extension {

using namespace tk::ui;
using Korvane::AudioParameter;

double MainView::canvasScale(tk::Size available) {
    return std::min(available.width / kCanvasSize.width, available.height / kCanvasSize.height);
}

void MainView::restoreKeyboardFocus(const Settings& settings) {
    TK_CHECK_MAIN_THREAD();
    std::shared_ptr<tk::Window> window = settings.pluginWindow.lock();
    if (!window) {
        return;
    }
    std::shared_ptr<tk::Responder> responder = settings.pluginMainResponder.lock();
    window->makeFirstResponder(responder.get());
}

Node MainView::body() {
    TK_CHECK_MAIN_THREAD();
    std::shared_ptr<Settings> settings = environment<SettingsKey>();
    if (!settings) {
        return Node();
    }
    return GeometryReader([this, settings](tk::Size size) {
               double scale = canvasScale(size);
               return canvas(settings).scaleEffect(scale, Alignment::topLeading());
           })
        .background(ColorResource::background());
}

Node MainView::canvas(const std::shared_ptr<Settings>& settings) {
    Node header = Korvane::PluginHeaderView(openAndUpdateURL(), settings->pluginVersion(), fakeTabParam.get(),
                                            Korvane::KorvFont::rocket, settings->updateDetails().get());
    Node content = VStack({.spacing = 0}, {Node(MelodyView{}), controlPanel(settings)});
    return VStack({.spacing = 0}, {header, content}).frame(kCanvasSize.width, kCanvasSize.height);
}

Node MainView::controlPanel(const std::shared_ptr<Settings>& settings) {
    using Korvane::ZindralButtonColor;
    std::weak_ptr<Settings> weak = settings;

    std::vector<Node> playback;
    for (int index = 0; index < 6; ++index) {
        playback.push_back(
            Node(Korvane::ZindralToggleButton(settings->playback(), index, ZindralButtonColor::yellow))
                .frame(48, 56));
    }
    Node playbackRow = HStack({.alignment = VerticalAlignment::top, .spacing = 24}, std::move(playback));

    Node randomRow = HStack({.alignment = VerticalAlignment::top, .spacing = 24},
                            {Node(Korvane::ZindralButton("A BIT", ZindralButtonColor::yellow,
                                                         [weak] {
                                                             if (auto s = weak.lock()) {
                                                                 s->setSeed(s->freshRandomSeed());
                                                             }
                                                         }))
                                 .frame(48, 56),
                             Node(Korvane::ZindralButton("A LOT", ZindralButtonColor::yellow, [weak] {
                                 if (auto s = weak.lock()) {
                                     s->randomize();
                                 }
                             })).frame(48, 56)});

    Node captions = Korvane::korvFont(
        Group({Text("PLAYBACK").foregroundColor(ColorResource::values()).offset(-72, 0),
               Text("RANDOM").foregroundColor(ColorResource::randomYellow()).offset(216, 0)}),
        Korvane::KorvFont::dosisMedium, 13);

    const Korvane::LabelDisplayOptions options = dialRowLabelOptions();
    auto onEditingEnded = [weak] {
        if (auto s = weak.lock()) {
            restoreKeyboardFocus(*s);
        }
    };
    std::vector<Node> dials;
    for (DialRowEntry& entry : dialRowEntries(*settings)) {
        dials.push_back(Node(Korvane::ZindralDial(entry.param, Korvane::ModernDialColor::grey, options,
                                                  std::move(entry.formatter), onEditingEnded)));
    }
    Node dialRow = HStack({.alignment = VerticalAlignment::center, .spacing = 16}, std::move(dials));

    Node morphPad = Node(MorphEditorView{.morphX = settings->morphX(),
                                         .morphY = settings->morphY(),
                                         .viewWidth = 264,
                                         .viewHeight = 120,
                                         .padding = 12});

    auto key = [&](int pitchClass, bool titled) {
        const Settings::Parameter& param = settings->semitone(pitchClass);
        return Node(Korvane::ZindralToggleButtonNarrow(param,
                                                       titled ? std::optional(param->name()) : std::nullopt))
            .frame(24, 62);
    };
    Node upperLeft =
        HStack({.alignment = VerticalAlignment::center, .spacing = 16}, {key(1, false), key(3, false)});
    Node upperRight = HStack({.alignment = VerticalAlignment::center, .spacing = 16},
                             {key(6, false), key(8, false), key(10, false)});
    std::vector<Node> lower;
    for (int pitchClass : {0, 2, 4, 5, 7, 9, 11}) {
        lower.push_back(key(pitchClass, true));
    }
    Node lowerKeys = HStack({.alignment = VerticalAlignment::center, .spacing = 16}, std::move(lower));

    return ZStack({
        Image(ImageResource::controlsBackground()),
        playbackRow.offset(-72, -160),
        randomRow.offset(216, -160),
        captions.offset(0, -120),
        dialRow.offset(0, -28),
        morphPad.offset(-144, 128),
        upperLeft.offset(64, 99),
        upperRight.offset(204, 99),
        lowerKeys.offset(144, 166),
    });
}

} // namespace extension
