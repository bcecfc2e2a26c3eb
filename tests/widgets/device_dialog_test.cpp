// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>

#include "core/platform.h"
#include "devices/device_address.h"
#include "ui/device_dialog.h"

namespace qm5::test {
namespace {

/// The panel behind the dialog: records the searches asked for, which the test ends.
struct SearchingChoice final : DevicePickerEvents {
    /// A typed address is refused as the panel refuses it, in the language installed.
    std::optional<std::string> refusal(std::string_view device) const override {
        const auto parsed = parseDevice(std::string(device));
        const auto* wrong = std::get_if<AddressError>(&parsed);
        if (wrong == nullptr) return std::nullopt;
        return QCoreApplication::translate("DeviceChoice", "%1.")
            .arg(QString::fromStdString(wrong->what))
            .toStdString();
    }
    void onDeviceChosen(int, std::string_view) override {}
    std::vector<FoundDevice> presentDevices() const override { return {}; }
    void findProjectors(const std::vector<std::string>& devices, FindResults& results) override {
        asked = devices;
        searching = &results;
    }
    void stopFinding(const FindResults& results) override {
        if (&results == searching) searching = nullptr;
    }

    std::vector<std::string> asked;
    FindResults* searching = nullptr;
};

struct DeviceDialogTest : ::testing::Test {
    SearchingChoice choice;
    DeviceDialog dialog{1,
                        QStringLiteral("/dev/ttyS0"),
                        {{"/dev/ttyUSB0", "FT232R"}, {"/dev/ttyUSB1", ""}},
                        choice,
                        nullptr};
    QPushButton* find = dialog.findChild<QPushButton*>(QStringLiteral("Find"));
};

TEST_F(DeviceDialogTest, findAsksEveryDeviceListedThenMarksTheProjectorsAndChoosesTheFirst) {
    find->click();
    EXPECT_EQ(choice.asked,
              (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"}));
    EXPECT_FALSE(find->isEnabled());
    ASSERT_NE(choice.searching, nullptr);
    choice.searching->onProjectorsFound(
        {{"/dev/ttyUSB0", "Stand by"}, {"/dev/ttyUSB1", "Power ON"}});
    EXPECT_TRUE(find->isEnabled());
    EXPECT_EQ(dialog.device(), QStringLiteral("/dev/ttyUSB0"));
    const auto* devices = dialog.findChild<QComboBox*>(QStringLiteral("Device"));
    EXPECT_EQ(devices->itemText(2), QStringLiteral("/dev/ttyUSB1  (Power ON)"));
}

/// A device typed in the field is asked too, once, and joins the list when a projector answers.
TEST_F(DeviceDialogTest, findAsksTheDeviceTypedOnce) {
    QLineEdit* field = dialog.findChild<QComboBox*>(QStringLiteral("Device"))->lineEdit();
    field->setText(QStringLiteral("/dev/ttyUSB0"));
    find->click();
    EXPECT_EQ(choice.asked.size(), 3U);
    choice.searching->onProjectorsFound({});
    field->setText(QStringLiteral("/tmp/projector"));
    find->click();
    EXPECT_EQ(choice.asked.back(), "/tmp/projector");
    choice.searching->onProjectorsFound({{"/tmp/projector", "Stand by"}});
    EXPECT_EQ(dialog.device(), QStringLiteral("/tmp/projector"));
}

TEST_F(DeviceDialogTest, aDialogClosedOrDestroyedDuringASearchEndsIt) {
    for (const bool closed : {true, false}) {
        auto* searching = new DeviceDialog(1, QString(), {}, choice, nullptr);
        searching->show();
        searching->findChild<QPushButton*>(QStringLiteral("Find"))->click();
        ASSERT_NE(choice.searching, nullptr);
        if (closed) searching->reject();
        delete searching;
        EXPECT_EQ(choice.searching, nullptr) << closed;
    }
}

/// The reason under the field and the placeholder are shown whole at the dialog's own size, in
/// English and in Japanese: the addresses they suggest are what the operator types next.
TEST_F(DeviceDialogTest, showsItsWholeReasonAndPlaceholderInEitherLanguage) {
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(QM5_JAPANESE_QM)));
    const QFont font = QApplication::font();
    for (const bool inJapanese : {false, true}) {
        if (inJapanese) {
            QCoreApplication::installTranslator(&japanese);
            // fontconfig's fixed-pitch IPAGothic for :lang=ja: a Japanese character is two "X"s.
            QApplication::setFont(QFont(QStringLiteral("IPAGothic")));
        }
        DeviceDialog shown(1, QStringLiteral("/dev/ttyS0"), {}, choice, nullptr);
        shown.show();
        QLineEdit* field = shown.findChild<QComboBox*>(QStringLiteral("Device"))->lineEdit();
        EXPECT_EQ(field->placeholderText().contains(QStringLiteral(" or ")), !inJapanese);
        // Qt's line edit keeps 2 pixels on each side of its text.
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->placeholderText()) + 4,
                  field->width());

        field->setText(QStringLiteral("rfc2217://hall-b"));
        shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCoreApplication::processEvents();  // the layout, and the dialog's size
        const auto* note = shown.findChild<QLabel*>(QStringLiteral("Refusal"));
        EXPECT_TRUE(note->isVisible());
        const int needed = note->hasHeightForWidth() ? note->heightForWidth(note->width())
                                                     : note->sizeHint().height();
        EXPECT_LE(needed, note->height()) << note->text().toStdString();
        EXPECT_LE(note->minimumSizeHint().width(), note->width());
        EXPECT_LE(note->geometry().bottom(), shown.height());
        for (const char* address : {"rfc2217://HOST:PORT", "socket://HOST:PORT"}) {
            EXPECT_TRUE(
                std::ranges::any_of(note->text().split(QLatin1Char('\n')),
                                    [&](const QString& line) { return line.contains(address); }))
                << address << " broken in " << note->text().toStdString();
        }
    }
    QApplication::setFont(font);
    QCoreApplication::removeTranslator(&japanese);
}

}  // namespace
}  // namespace qm5::test
