// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace qm5 {

class DevicePickerEvents;

/// A serial device the system lists, by the name that stays the same across plug-ins where one
/// exists, with what the system says it is.
struct FoundDevice {
    QString path;
    QString description;
};

/// The serial devices present now: a USB adapter by its name under /dev/serial/by-id/ where it
/// has one.
std::vector<FoundDevice> findSerialDevices();

/// "COM1 device": an editable list of devices, the one in use first; any path can be typed. An
/// entry `choice` refuses keeps the dialog open, with the reason under it.
class DeviceDialog final : public QDialog {
  public:
    DeviceDialog(int port, const QString& current, const std::vector<FoundDevice>& found,
                 DevicePickerEvents& choice, QWidget* parent);

    /// The device path chosen or typed.
    QString device() const;

  private:
    void onOk();

    int port_;
    DevicePickerEvents& choice_;
    QComboBox* devices_;
    QLabel* refusal_;
    QPushButton* ok_;
};

}  // namespace qm5
