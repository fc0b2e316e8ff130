#pragma once
#include "common/MessageSeam.h"

#include <QList>
#include <deque>
#include <memory>
#include <mutex>

namespace qlx::test {

// Records every message; answers from a script, else with the first button.
class RecordingMessagePresenter final : public IMessagePresenter {
public:
    MessageAnswer present(const UserMessage& message) override
    {
        std::function<void(const UserMessage&)> hook;
        {
            std::lock_guard lock(mutex_);
            shown_.push_back(message);
            hook = onPresent_;
        }
        if (hook) // as if the box's own event loop ran while it is open
            hook(message);
        std::lock_guard lock(mutex_);
        if (!answers_.empty()) {
            const MessageAnswer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return firstButton(message.buttons);
    }

    void scriptAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void onPresent(std::function<void(const UserMessage&)> hook) { onPresent_ = std::move(hook); }
    QList<UserMessage> shown() const { std::lock_guard lock(mutex_); return shown_; }
    qsizetype count() const { std::lock_guard lock(mutex_); return shown_.size(); }
    void clear() { std::lock_guard lock(mutex_); shown_.clear(); }

private:
    mutable std::mutex mutex_;
    QList<UserMessage> shown_;
    std::deque<MessageAnswer> answers_;
    std::function<void(const UserMessage&)> onPresent_;
};

// Installs a recording presenter for the lifetime of the guard.
class ScopedRecordingPresenter {
public:
    ScopedRecordingPresenter() : presenter_(std::make_shared<RecordingMessagePresenter>())
    {
        setMessagePresenter(presenter_);
    }
    ~ScopedRecordingPresenter() { setMessagePresenter(nullptr); }
    RecordingMessagePresenter* operator->() const { return presenter_.get(); }
    RecordingMessagePresenter& operator*() const { return *presenter_; }

private:
    std::shared_ptr<RecordingMessagePresenter> presenter_;
};

} // namespace qlx::test
