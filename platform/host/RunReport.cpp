#include "platform/host/RunReport.h"

#include <algorithm>

namespace host {

void printLine(std::ostream& out, std::string_view line) {
    out << line << '\n';
    out.flush();
}

RunReport::RunReport(const HostOptions& options, Notes notes, std::ostream& out)
    : options_(options), notes_(notes), out_(out) {}

void RunReport::begin() {
    if (!options_.printEvents && notes_ == Notes::asTheyEnd) {
        printLine(out_, noteSummaryHeading());
    }
}

void RunReport::add(const MidiMessage& message) {
    if (options_.printEvents) {
        printLine(out_, eventLine(message));
    } else if (notes_ == Notes::atTheEnd) {
        kept_.push_back(message);
    } else if (auto ended = pairing_.add(message)) {
        printLine(out_, noteSummaryLine(options_, *ended));
    }
}

void RunReport::drain(MidiMessageQueue& queue) {
    arrived_.clear();
    queue.popAll(arrived_);
    for (const MidiMessage& message : arrived_) {
        add(message);
    }
}

void RunReport::finish() {
    if (options_.printEvents) {
        return;
    }
    if (notes_ == Notes::atTheEnd) {
        const std::string summary = noteSummary(options_, kept_);
        for (size_t at = 0, end; at < summary.size(); at = end + 1) {
            end = std::min(summary.find('\n', at), summary.size());
            printLine(out_, std::string_view(summary).substr(at, end - at));
        }
        return;
    }
    for (const PlayedNote& note : pairing_.sounding()) {
        printLine(out_, noteSummaryLine(options_, note));
    }
    printLine(out_, noteCountLine(pairing_.started()));
}

} // namespace host
