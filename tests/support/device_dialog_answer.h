// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <optional>

namespace qm5::test {

/// Answers the device dialog when it opens, as an operator would.
class DeviceDialogAnswer {
  public:
    /// Types `device` and presses OK; no device presses Cancel.
    explicit DeviceDialogAnswer(std::optional<QString> device) : device_(std::move(device)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { answer(); });
        poll_.start();
    }

    QString title;
    QString placeholder;
    QStringList listed;
    bool okWhenEmpty = true;
    bool answered = false;

  private:
    void answer() {
        QDialog* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->objectName() == QStringLiteral("DeviceDialog")) {
                dialog = qobject_cast<QDialog*>(window);
            }
        }
        if (dialog == nullptr) return;
        poll_.stop();
        title = dialog->windowTitle();
        auto* devices = dialog->findChild<QComboBox*>(QStringLiteral("Device"));
        placeholder = devices->lineEdit()->placeholderText();
        for (int i = 0; i < devices->count(); ++i) listed << devices->itemText(i);
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        devices->setEditText(QString());
        okWhenEmpty = ok->isEnabled();
        answered = true;
        if (!device_) {
            dialog->reject();
            return;
        }
        devices->setEditText(*device_);
        ok->click();
    }

    std::optional<QString> device_;
    QTimer poll_;
};

}  // namespace qm5::test
