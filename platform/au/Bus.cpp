#include "platform/au/Bus.h"

namespace au {

Result<std::shared_ptr<Bus>> Bus::create(const Format& format) {
    if (!standardFormat(format.sampleRate, format.channelCount)) {
        return Error{kErrFormatNotSupported, "unsupported bus format"};
    }
    return std::make_shared<Bus>(format);
}

Status Bus::setFormat(const Format& format) {
    if (!standardFormat(format.sampleRate, format.channelCount) ||
        format.channelCount > maximumChannelCount_) {
        return kErrFormatNotSupported;
    }
    format_ = format;
    return kNoErr;
}

} // namespace au
