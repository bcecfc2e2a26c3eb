// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "core/platform.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qm5 {

/// "COM1 device": an editable list of devices, the one in use first; any path can be typed. An
/// entry `choice` refuses keeps the dialog open, with the reason under it. "Find" asks every
/// device listed whether a projector is there, without blocking the window, marks those that
/// answered with their status and chooses the first; OK still confirms.
class DeviceDialog final : public QDialog, private FindResults {
    Q_OBJECT

  public:
    DeviceDialog(int port, const QString& current, const std::vector<FoundDevice>& found,
                 DevicePickerEvents& choice, QWidget* parent);

    /// The panel may be gone by now (the program ends): it is told nothing more.
    ~DeviceDialog() override;

    /// The device path chosen or typed.
    QString device() const;

  private:
    void onOk();
    void onFind();
    void onProjectorsFound(const std::vector<FoundDevice>& projectors) override;
    /// The dialog closes: a search still running ends unheard.
    void stopSearch();
    void showNote(const QString& text);

    int port_;
    DevicePickerEvents& choice_;
    QComboBox* devices_;
    QLabel* note_;
    QPushButton* ok_;
    QPushButton* find_;
    bool searching_ = false;
};

}  // namespace qm5
