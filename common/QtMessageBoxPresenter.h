#pragma once
#include "common/MessageSeam.h"

namespace qlx {

// Interactive mode: an application-modal QMessageBox without a parent.
class QtMessageBoxPresenter final : public IMessagePresenter {
public:
    MessageAnswer present(const UserMessage& message) override;
};

} // namespace qlx
