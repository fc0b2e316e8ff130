#pragma once
// The one path by which the driver and the workbench show a message box.
// Interactive runs show a Qt box; QLX_MESSAGE_LOG=<file> appends JSON lines
// instead; tests install a recording fake.

#include <QString>
#include <memory>

namespace qlx {

enum class MessageIcon { Exclamation, Information, Error, Warning, Question };
enum class MessageButtons { OK, YesNo, YesNoCancel };
enum class MessageAnswer { OK, Yes, No, Cancel };

struct UserMessage {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::OK;
};

class IMessagePresenter {
public:
    virtual ~IMessagePresenter() = default;
    // Shows the message and returns the button the user pressed.
    virtual MessageAnswer present(const UserMessage& message) = 0;
};

// The presenter in force. The first call picks the message log when
// QLX_MESSAGE_LOG is set, the Qt box otherwise.
IMessagePresenter& messagePresenter();

// Replaces the presenter in force (tests); nullptr restores the default choice.
void setMessagePresenter(std::shared_ptr<IMessagePresenter> presenter);

MessageAnswer showMessage(const QString& caption, const QString& text,
                          MessageIcon icon = MessageIcon::Exclamation,
                          MessageButtons buttons = MessageButtons::OK);

// The first button of a set: what unattended runs answer.
MessageAnswer firstButton(MessageButtons buttons);

const char* iconName(MessageIcon icon);
const char* buttonsName(MessageButtons buttons);
const char* answerName(MessageAnswer answer);

} // namespace qlx
