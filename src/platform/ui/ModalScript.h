#pragma once

#include "platform/base/ProgrammingError.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The scripted answers to one kind of application-modal session (alerts, panels), for the
// scripted runners: each session takes the next answer. A session with no answer left, and
// one that its answer leaves running without a failure of its own, is reported as a failure
// and so aborted.
template <typename Session> class ModalScript {
public:
    using FailureReporter = std::function<void(const std::string& message)>;
    // Sees the session and answers it through its user entry points.
    using Answer = std::function<void(Session& session)>;
    using Message = std::function<std::string()>;

    // Without a reporter a failure is a programming error.
    explicit ModalScript(FailureReporter reportFailure) : reportFailure_(std::move(reportFailure)) {
        if (!reportFailure_)
            reportFailure_ = [](const std::string& message) { programmingError(message); };
    }

    void add(Answer answer) { script_.push_back(std::move(answer)); }
    void fail(const std::string& message) {
        ++failures_;
        reportFailure_(message);
    }

    [[nodiscard]] std::size_t pending() const { return script_.size(); }
    // Every session run so far, in order, answered or not.
    [[nodiscard]] const std::vector<std::shared_ptr<Session>>& shown() const { return shown_; }

    // Answers the session with the next answer; the messages say what went wrong.
    void run(Session& session, const Message& unscripted, const Message& unanswered) {
        if (auto shared = std::dynamic_pointer_cast<Session>(session.weak_from_this().lock()))
            shown_.push_back(std::move(shared));
        if (script_.empty()) {
            fail(unscripted());
            return;
        }
        const Answer answer = std::move(script_.front());
        script_.pop_front();
        const std::size_t failuresBefore = failures_;
        answer(session);
        if (session.isShown() && failures_ == failuresBefore)
            fail(unanswered());
    }

private:
    FailureReporter reportFailure_;
    std::size_t failures_ = 0;
    std::deque<Answer> script_;
    std::vector<std::shared_ptr<Session>> shown_;
};

} // namespace platform
