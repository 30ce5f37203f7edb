#include "extension/BufferedInputBus.h"

namespace extension {

void BufferedInputBus::init(const au::Format& format, uint32_t maximumChannelCount) {
    deallocateRenderResources();
    maxFrames = 0;
    bus = nullptr;
    auto created = au::Bus::create(format);
    if (created) {
        bus = created.value();
        bus->setMaximumChannelCount(maximumChannelCount);
    }
}

void BufferedInputBus::allocateRenderResources(uint32_t maximumFrames) {
    maxFrames = maximumFrames;
    pcmBuffer = bus ? au::PCMBuffer::create(bus->format(), maximumFrames) : nullptr;
    originalAudioBufferList = pcmBuffer ? pcmBuffer->audioBufferList() : nullptr;
    mutableAudioBufferList = pcmBuffer ? pcmBuffer->mutableAudioBufferList() : nullptr;
}

void BufferedInputBus::deallocateRenderResources() {
    pcmBuffer = nullptr;
    originalAudioBufferList = nullptr;
    mutableAudioBufferList = nullptr;
}

} // namespace extension
