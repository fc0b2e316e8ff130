#include "common/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace qlx {

MessageAnswer QtMessageBoxPresenter::present(const UserMessage& message)
{
    // Nobody could press a button without widgets, on an offscreen screen or
    // outside the application's thread: tell standard error and go on.
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    const QString platform = app ? QGuiApplication::platformName() : QString();
    if (!app || platform == "offscreen" || platform == "minimal" || QThread::currentThread() != app->thread()) {
        qWarning().noquote() << message.caption << ":" << message.text;
        return firstButton(message.buttons);
    }

    QMessageBox box;
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (message.icon) {
    case MessageIcon::Exclamation:
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (message.buttons) {
    case MessageButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return message.buttons == MessageButtons::OK ? MessageAnswer::OK : MessageAnswer::Cancel;
    }
}

} // namespace qlx
