// SPDX-License-Identifier: MIT
#include "ui/device_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "core/platform.h"

namespace qm5 {

namespace {

/// "path  (what it is)": how a found device is listed; its path alone is what is chosen.
QString itemText(const FoundDevice& device) {
    return device.description.isEmpty()
               ? device.path
               : QStringLiteral("%1  (%2)").arg(device.path, device.description);
}

}  // namespace

std::vector<FoundDevice> findSerialDevices() {
    const QFileInfoList stableNames =
        QDir(QStringLiteral("/dev/serial/by-id")).entryInfoList(QDir::System | QDir::Files);
    std::vector<FoundDevice> found;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        QString path = port.systemLocation();
        for (const QFileInfo& name : stableNames) {
            if (name.canonicalFilePath() == path) path = name.absoluteFilePath();
        }
        QStringList about;
        for (const QString& part : {port.description(), port.manufacturer(), port.serialNumber()}) {
            if (!part.isEmpty()) about << part;
        }
        found.push_back({path, about.join(QStringLiteral(", "))});
    }
    return found;
}

DeviceDialog::DeviceDialog(int port, const QString& current, const std::vector<FoundDevice>& found,
                           DevicePickerEvents& choice, QWidget* parent)
    : QDialog(parent),
      port_(port),
      choice_(choice),
      devices_(new QComboBox(this)),
      refusal_(new QLabel(this)) {
    setObjectName(QStringLiteral("DeviceDialog"));
    setWindowTitle(QStringLiteral("COM%1 device").arg(port));
    devices_->setObjectName(QStringLiteral("Device"));
    devices_->setAccessibleName(QStringLiteral("Device"));
    devices_->setEditable(true);
    devices_->setInsertPolicy(QComboBox::NoInsert);
    const QString placeholder =
        QStringLiteral("/dev/ttyUSB0, rfc2217://HOST:PORT or socket://HOST:PORT");
    devices_->lineEdit()->setPlaceholderText(placeholder);
    // Wide enough for the whole placeholder: it is the only hint of the forms taken.
    devices_->setMinimumContentsLength(static_cast<int>(placeholder.size()));
    devices_->addItem(current, current);
    for (const FoundDevice& device : found) {
        if (device.path != current) devices_->addItem(itemText(device), device.path);
    }
    devices_->setCurrentIndex(0);

    auto* form = new QFormLayout;
    auto* label = new QLabel(QStringLiteral("&Device:"), this);
    label->setBuddy(devices_);
    form->addRow(label, devices_);
    refusal_->setObjectName(QStringLiteral("Refusal"));
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->setWordWrap(true);
    refusal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    refusal_->hide();
    form->addRow(refusal_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &DeviceDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(devices_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });
    ok_->setEnabled(!current.trimmed().isEmpty());
}

void DeviceDialog::onOk() {
    const QString chosen = device();
    if (const auto why = choice_.refusal(chosen.toStdString())) {
        refusal_->setText(QString::fromStdString(*why));
        refusal_->show();
        return;
    }
    accept();
    choice_.onDeviceChosen(port_, chosen.toStdString());
}

QString DeviceDialog::device() const {
    const QString text = devices_->currentText();
    const int listed = devices_->findText(text, Qt::MatchExactly);
    return listed >= 0 ? devices_->itemData(listed).toString() : text;
}

}  // namespace qm5
