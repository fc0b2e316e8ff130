#include "common/MessageSeam.h"

#include "common/JsonLineMessageLog.h"
#include "common/QtMessageBoxPresenter.h"

#include <mutex>

namespace qlx {
namespace {

std::mutex presenterMutex;
std::shared_ptr<IMessagePresenter> installedPresenter;

std::shared_ptr<IMessagePresenter> defaultPresenter()
{
    const QString logPath = qEnvironmentVariable("QLX_MESSAGE_LOG");
    if (!logPath.isEmpty())
        return std::make_shared<JsonLineMessageLog>(logPath);
    return std::make_shared<QtMessageBoxPresenter>();
}

} // namespace

IMessagePresenter& messagePresenter()
{
    std::lock_guard lock(presenterMutex);
    if (!installedPresenter)
        installedPresenter = defaultPresenter();
    return *installedPresenter;
}

void setMessagePresenter(std::shared_ptr<IMessagePresenter> presenter)
{
    std::lock_guard lock(presenterMutex);
    installedPresenter = std::move(presenter);
}

MessageAnswer showMessage(const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons)
{
    return messagePresenter().present(UserMessage{caption, text, icon, buttons});
}

MessageAnswer firstButton(MessageButtons buttons)
{
    return buttons == MessageButtons::OK ? MessageAnswer::OK : MessageAnswer::Yes;
}

const char* iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation: return "exclamation";
    case MessageIcon::Information: return "information";
    case MessageIcon::Error: return "error";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Question: return "question";
    }
    return "exclamation";
}

const char* buttonsName(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OK: return "OK";
    case MessageButtons::YesNo: return "YesNo";
    case MessageButtons::YesNoCancel: return "YesNoCancel";
    }
    return "OK";
}

const char* answerName(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::OK: return "OK";
    case MessageAnswer::Yes: return "Yes";
    case MessageAnswer::No: return "No";
    case MessageAnswer::Cancel: return "Cancel";
    }
    return "OK";
}

} // namespace qlx
