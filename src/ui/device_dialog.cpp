// SPDX-License-Identifier: MIT
#include "ui/device_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "ui/qt_text.h"
#include "ui/whole_words.h"

namespace qm5 {

namespace {

/// "path  (what it is)": how a device is listed; its path alone is what is chosen.
QString itemText(const QString& path, const QString& description) {
    return description.isEmpty() ? path : QStringLiteral("%1  (%2)").arg(path, description);
}

}  // namespace

DeviceDialog::DeviceDialog(int port, const QString& current, const std::vector<FoundDevice>& found,
                           DevicePickerEvents& choice, QWidget* parent)
    : QDialog(parent),
      port_(port),
      choice_(choice),
      devices_(new QComboBox(this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("DeviceDialog"));
    setWindowTitle(tr("COM%1 device").arg(port));
    devices_->setObjectName(QStringLiteral("Device"));
    devices_->setAccessibleName(tr("Device"));
    devices_->setEditable(true);
    devices_->setInsertPolicy(QComboBox::NoInsert);
    const QString placeholder = tr("/dev/ttyUSB0, rfc2217://HOST:PORT or socket://HOST:PORT");
    devices_->lineEdit()->setPlaceholderText(placeholder);
    // Wide enough for the whole placeholder: it is the only hint of the forms taken. The box
    // counts its width in "X"s, and a Japanese character is wider than one; one more for the
    // line edit's own margins.
    const QFontMetrics metrics = devices_->lineEdit()->fontMetrics();
    const int x = metrics.horizontalAdvance(QLatin1Char('X'));
    devices_->setMinimumContentsLength((metrics.horizontalAdvance(placeholder) + x - 1) / x + 1);
    devices_->addItem(current, current);
    for (const FoundDevice& device : found) {
        const QString path = toQString(device.path);
        if (path != current) devices_->addItem(itemText(path, toQString(device.description)), path);
    }
    devices_->setCurrentIndex(0);

    auto* form = new QFormLayout;
    auto* label = new QLabel(tr("&Device:"), this);
    label->setBuddy(devices_);
    form->addRow(label, devices_);
    note_->setObjectName(QStringLiteral("Refusal"));
    note_->setTextFormat(Qt::PlainText);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_->hide();
    form->addRow(note_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    find_ = buttons->addButton(tr("&Find"), QDialogButtonBox::ActionRole);
    find_->setObjectName(QStringLiteral("Find"));
    find_->setToolTip(
        tr("Asks every device listed, and the one typed, whether a projector is there. Opening a "
           "port raises its DTR line, which resets some boards (Arduino-type)."));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &DeviceDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find_, &QPushButton::clicked, this, &DeviceDialog::onFind);
    connect(this, &QDialog::finished, this, &DeviceDialog::stopSearch);
    connect(devices_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });
    ok_->setEnabled(!current.trimmed().isEmpty());
}

DeviceDialog::~DeviceDialog() {
    // Destroyed unclosed (with its window): the search must not call back into what is gone.
    stopSearch();
    disconnect(this, &QDialog::finished, this, &DeviceDialog::stopSearch);
}

void DeviceDialog::onOk() {
    const QString chosen = device();
    if (const auto why = choice_.refusal(chosen.toStdString())) {
        showNote(toQString(*why));
        return;
    }
    accept();
    choice_.onDeviceChosen(port_, chosen.toStdString());
}

void DeviceDialog::onFind() {
    std::vector<std::string> paths;
    for (int item = 0; item < devices_->count(); ++item) {
        const QString path = devices_->itemData(item).toString();
        if (!path.trimmed().isEmpty()) paths.push_back(path.toStdString());
    }
    // The device typed in the field is asked too, once: it may be none the system lists.
    const QString typed = device();
    if (!typed.trimmed().isEmpty() &&
        std::find(paths.begin(), paths.end(), typed.toStdString()) == paths.end()) {
        paths.push_back(typed.toStdString());
    }
    find_->setEnabled(false);
    showNote(tr("Asking %n device(s)…", nullptr, static_cast<int>(paths.size())));
    searching_ = true;
    choice_.findProjectors(paths, *this);
}

void DeviceDialog::onProjectorsFound(const std::vector<FoundDevice>& projectors) {
    searching_ = false;
    find_->setEnabled(true);
    for (auto found = projectors.rbegin(); found != projectors.rend(); ++found) {
        const QString path = toQString(found->path);
        int item = devices_->findData(path);
        // The one typed in the field joins the list.
        if (item < 0) {
            devices_->addItem(QString(), path);
            item = devices_->count() - 1;
        }
        devices_->setItemText(item, itemText(path, toQString(found->description)));
        // The first found is the one chosen: it is set last.
        devices_->setCurrentIndex(item);
    }
    showNote(projectors.empty() ? tr("No projector answered.")
                                : tr("A projector answered on %n device(s).", nullptr,
                                     static_cast<int>(projectors.size())));
}

void DeviceDialog::stopSearch() {
    if (std::exchange(searching_, false)) choice_.stopFinding(*this);
}

void DeviceDialog::showNote(const QString& text) {
    // Broken into lines here, at spaces, as wide as the field: an address it suggests stays
    // whole, and its lines are its size, which the dialog grows to (a top-level window does not
    // grow for a label's height for width).
    const int width = std::max(devices_->width(), devices_->sizeHint().width());
    note_->setText(laidOutWhole(text, note_->fontMetrics(), width));
    note_->show();
}

QString DeviceDialog::device() const {
    const QString text = devices_->currentText();
    const int listed = devices_->findText(text, Qt::MatchExactly);
    return listed >= 0 ? devices_->itemData(listed).toString() : text;
}

}  // namespace qm5
