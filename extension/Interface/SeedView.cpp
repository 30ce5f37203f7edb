#include "extension/Interface/SeedView.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/SeedText.h"
#include "extension/Interface/SettingsEnvironment.h"

#include "Korvane/Resources/CustomFont.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/TextField.h"

namespace extension {

tk::ui::Node SeedView::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    std::shared_ptr<Settings> settings = environment<SettingsKey>();
    if (!settings) {
        return Node();
    }
    const uint64_t seed = settings->seed().get();
    Node content;
    if (!isEditing.get()) {
        // One text: the typeface's proportional figures are part of its look.
        content = Text(std::to_string(seed));
    } else {
        content = TextField("", valueString.binding())
                      .focused(editingFieldFocussed.binding())
                      .onKeyPress([this](const tk::Event& keyDown) {
                          if (keyDown.keyCode != tk::KeyCode::escape) {
                              return false;
                          }
                          isEditing.set(false);
                          editingFieldFocussed.set(false);
                          return true;
                      })
                      .onSubmit([this] { commit(); })
                      .textFieldStyle(TextFieldStyle::plain)
                      .multilineTextAlignment(tk::TextAlignment::center)
                      .frame(kFieldWidth, std::nullopt)
                      .identifier("seed-field");
    }
    content = Korvane::korvFont(content.kerning(1.5), Korvane::KorvFont::dosisMedium, 12)
                  .foregroundColor(ColorResource::seedText());

    return ZStack({Image(ImageResource::notesButtonSeed()), content})
        .onChange<bool>(editingFieldFocussed.get(),
                        [this](const bool&, const bool& focussed) {
                            if (!focussed && isEditing.peek()) {
                                isEditing.set(false);
                            }
                        })
        .onChange<uint64_t>(
            seed,
            [this](const uint64_t&, const uint64_t& newSeed) { valueString.set(std::to_string(newSeed)); },
            true)
        .onTapGesture([this] {
            if (!isEditing.peek()) {
                isEditing.set(true);
                editingFieldFocussed.set(true);
            }
        })
        .identifier("seed");
}

void SeedView::commit() {
    std::shared_ptr<Settings> settings = tk::ui::environment<SettingsKey>();
    const std::string& text = valueString.peek();
    if (!text.empty() && settings) {
        if (std::optional<uint64_t> value = parseSeedText(text)) {
            settings->setSeed(*value == 0 ? 1 : *value);
        }
    }
    isEditing.set(false);
    editingFieldFocussed.set(false);
}

} // namespace extension
