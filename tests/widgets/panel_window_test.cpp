// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/control_table.h"
#include "core/controls.h"
#include "devices/open_failure.h"
#include "link/port_failure.h"
#include "ui/caption_label.h"
#include "ui/qt_text.h"
#include "ui/warning_dialog.h"
#include "ui/whole_words.h"
#include "widgets/panel_window_fixture.h"

namespace qm5::test {
namespace {

TEST_F(PanelWindowTest, startsWithItsCaptionAtTheNormalHeightWithPowerOnFocused) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("DRAV   QM5  CONTROL  Ver.1.10 "));
    EXPECT_EQ(window.width(), window.pixels(9510));
    EXPECT_EQ(clientHeightPixels(), window.pixels(4825));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.focusWidget(), control(control::kPowerOn));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 4);
}

TEST_F(PanelWindowTest, placesEveryControlFromTheTable) {
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind == ControlKind::Timer || spec.kind == ControlKind::SerialControl) continue;
        QWidget* widget = control(spec.name);
        ASSERT_NE(widget, nullptr) << spec.name;
        EXPECT_EQ(widget->objectName().toStdString(), spec.name);
        if (spec.kind == ControlKind::Line) continue;
        const TwipRect& g = spec.geometry;
        EXPECT_EQ(widget->geometry(), QRect(window.pixels(g.left), window.pixels(g.top),
                                            window.pixels(g.width), window.pixels(g.height)))
            << spec.name;
        const QString parent = spec.container.empty() ? QStringLiteral("Form1")
                                                      : QString::fromUtf8(spec.container.data());
        EXPECT_TRUE(widget->parentWidget()->objectName().startsWith(parent)) << spec.name;
        EXPECT_EQ(widget->isHidden(), spec.has(kHiddenAtStart)) << spec.name;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text().toStdString(), spec.caption) << spec.name;
        }
    }
}

// Run at scale factor 1 and 2 (see the test list).
TEST_F(PanelWindowTest, showsEveryCaptionWhole) {
    for (const ControlSpec& spec : controlTable()) {
        QWidget* widget = control(spec.name);
        if (spec.caption.empty() || widget == nullptr) continue;
        const auto* label = dynamic_cast<const CaptionLabel*>(widget);
        const QFontMetricsF metrics(label != nullptr ? label->shownFont() : widget->font());
        const QString text = toQString(spec.caption);
        if (metrics.horizontalAdvance(text) <= widget->contentsRect().width()) continue;
        // Only a button may wrap a caption too wide for one line, as "DISPLAY CLEAR".
        ASSERT_NE(qobject_cast<QPushButton*>(widget), nullptr) << spec.name << " is clipped";
        const QRectF wrapped = metrics.boundingRect(QRectF(widget->rect()), Qt::TextWordWrap, text);
        EXPECT_LE(wrapped.width(), widget->width()) << spec.name;
        // The leading under the last line may hang over by a pixel; the glyphs do not.
        EXPECT_LE(wrapped.height(), widget->height() + 1) << spec.name;
    }
}

/// Where glyphs are drawn on a control's image: pixels near the text's colour.
struct Ink {
    Ink(QImage shown, QColor text) : image(std::move(shown)), colour(text) {}
    bool at(int x, int y) const {
        const QColor pixel = image.pixelColor(x, y);
        return std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                   std::abs(pixel.blue() - colour.blue()) <
               160;
    }
    bool inRow(int y) const {
        for (int x = 0; x < image.width(); ++x) {
            if (at(x, y)) return true;
        }
        return false;
    }
    bool inColumn(int x) const {
        for (int y = 0; y < image.height(); ++y) {
            if (at(x, y)) return true;
        }
        return false;
    }

    QImage image;
    QColor colour;
};

TEST_F(PanelWindowTest, showsEveryLineOfTrafficWhole) {
    for (const std::string_view line :
         {control::kTxdLine, control::kRxdLine, control::kStatusLine}) {
        auto* label = qobject_cast<QLabel*>(control(line));
        label->setText(QStringLiteral(" Cooling down: ACK Qgjpqy"));
        const Ink ink(label->grab(label->contentsRect()).toImage(),
                      label->palette().color(label->foregroundRole()));
        // A clipped glyph runs to the first or the last row of the line.
        EXPECT_TRUE(ink.inRow(ink.image.height() / 2)) << line;
        EXPECT_FALSE(ink.inRow(0)) << line;
        EXPECT_FALSE(ink.inRow(ink.image.height() - 1)) << line;
    }
}

TEST_F(PanelWindowTest, keepsEachPortOptionClearOfTheNext) {
    handlers.click(control::kComButton);
    QWidget* com1 = control(control::kCom1Option);
    const Ink ink(com1->grab().toImage(), com1->palette().color(QPalette::WindowText));
    const double pixelsPerColumn = static_cast<double>(com1->width()) / ink.image.width();
    const int nextLeft = control(control::kCom2Option)->x() - com1->x();
    for (int x = 0; x < ink.image.width(); ++x) {
        if (ink.inColumn(x)) {
            // Four pixels clear of the next option's circle.
            EXPECT_LT(x * pixelsPerColumn, nextLeft - 4) << x;
        }
    }
}

/// The box shows plain text, a path and a command each whole on a line, and Ctrl+C copies it as
/// shown: a pasted path names its file, a pasted command runs.
TEST(WarningTextTest, isPlainAndKeepsPathsAndCommandsWholeAndCopiesAsShown) {
    const std::string path = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00-port0";
    const QString command = QStringLiteral("sudo usermod -aG dialout alice");
    const QString given = QString::fromStdString(
        describeOpenFailure(1, path,
                            openFailureReason(OpenFailure::Refused,
                                              {false, "root", "dialout", "rw-rw----"}, "alice", {}),
                            DeviceChooser::Panel));
    const QFontMetrics metrics(QApplication::font());
    // Boxes narrower and wider than the warning box's 64 characters.
    for (const int width : {40 * metrics.averageCharWidth(), 100 * metrics.averageCharWidth()}) {
        const QString shown = laidOutWhole(given, metrics, width);
        const QStringList lines = shown.split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.filter(QString::fromStdString(path)).size() == 1) << width << "\n"
                                                                            << shown.toStdString();
        EXPECT_TRUE(lines.contains(command)) << width << "\n" << shown.toStdString();
    }
    WarningDialog box(QStringLiteral("QM5 Control"), given, nullptr);
    box.show();
    // Wide enough for each line: the box wraps none of them again.
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    for (const QString& line : box.text().split(QLatin1Char('\n'))) {
        EXPECT_LT(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width());
    }
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box.text());
}

/// Japanese puts no spaces between words: its lines break after its commas and full stops, and
/// nothing is added or lost.
TEST(WarningTextTest, breaksJapaneseAfterItsCommasAndFullStops) {
    const QString given = QStringLiteral(
        "デバイスが切断されました。デバイスが戻りしだい、パネルが自動的に再接続します。");
    const QFontMetrics metrics(QApplication::font());
    const QStringList lines =
        laidOutWhole(given, metrics, 20 * metrics.averageCharWidth()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), 3) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.join(QString()), given);
}

TEST_F(PanelWindowTest, holdButtonRepeatsForAnyMouseButtonUntilReleased) {
    QWidget* volumeUp = control(control::kVolumePlus);
    QTest::mousePress(volumeUp, Qt::RightButton);
    clock.advance(260);
    QTest::mouseRelease(volumeUp, Qt::RightButton, {}, QPoint(-50, -50));
    EXPECT_EQ(port.frames(), (std::vector<std::string>{"C09\r", "C09\r"}));
    EXPECT_EQ(qobject_cast<QLabel*>(control(control::kTxdLine))->text(), QString());
    clock.advance(1000);
    EXPECT_EQ(port.frames().size(), 2U);
}

TEST_F(PanelWindowTest, aWarningBoxOverAHeldButtonReleasesIt) {
    QTest::mousePress(control(control::kZoomPlus), Qt::LeftButton);  // Zoom +
    EXPECT_EQ(replyTimeout.interval(), 25);
    QEvent blocked(QEvent::WindowBlocked);
    QCoreApplication::sendEvent(&window, &blocked);
    EXPECT_FALSE(repeatTimer.enabled());
    EXPECT_EQ(replyTimeout.interval(), 500);
    EXPECT_EQ(monitorClearing.interval(), 1000);
    EXPECT_EQ(handlers.state().repeatCode, 0);
}

/// Space, Return and keypad Enter each press the focused button once, as a click would.
struct ActivationKeyTest : PanelWindowTest, ::testing::WithParamInterface<Qt::Key> {
    void press(std::string_view name) {
        control(name)->setFocus();
        QTest::keyClick(control(name), GetParam(),
                        GetParam() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
};

TEST_P(ActivationKeyTest, pressesTheFocusedOneShotOptionAndViewToggleButNoHoldButton) {
    press(control::kPowerOn);  // POWER ON
    EXPECT_EQ(port.frames(), (std::vector<std::string>{"C00\r"}));
    EXPECT_EQ(qobject_cast<QLabel*>(control(control::kTxdLine))->text(),
              QStringLiteral(" C 0 0 CR "));

    press(control::kVolumePlus);  // VOL +: a hold button sends only while the mouse holds it
    EXPECT_EQ(port.frames().size(), 1U);

    QTest::mouseClick(control(control::kComButton), Qt::LeftButton);  // COM
    press(control::kCom2Option);
    EXPECT_EQ(port.openPort(), 2);

    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    press(control::kViewToggle);  // CLOSE
    EXPECT_EQ(clientHeightPixels(), window.pixels(4825));
}

INSTANTIATE_TEST_SUITE_P(Keys, ActivationKeyTest,
                         ::testing::Values(Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter));

TEST_F(PanelWindowTest, keepsItsPlaceWhenItsHeightChanges) {
    window.move(window.x() + 37, window.y() + 23);
    const QPoint placed = window.pos();
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(window.pos(), placed);
    QTest::mouseClick(control(control::kViewToggle), Qt::LeftButton);
    EXPECT_EQ(window.pos(), placed);
    EXPECT_EQ(clientHeightPixels(), window.pixels(4825));
}

TEST_F(PanelWindowTest, ctrlHOpensTheMaintenanceViewWhateverHasTheFocus) {
    QTest::keyClick(control(control::kPowerOff), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(clientHeightPixels(), window.pixels(6625));
    EXPECT_TRUE(control(control::kViewToggle)->isVisible());
    EXPECT_EQ(qobject_cast<QPushButton*>(control(control::kViewToggle))->text(),
              QStringLiteral("CLOSE"));
    EXPECT_TRUE(port.frames().empty());
}

TEST_F(PanelWindowTest, isAFixedWindowThatScreenReadersKnowByItsCaption) {
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Window);
    EXPECT_EQ(accessible->text(QAccessible::Name), window.windowTitle());
}

TEST_F(PanelWindowTest, theFocusGoesBackToComWhenThePortSelectorHidesItself) {
    QTest::mouseClick(control(control::kComButton), Qt::LeftButton);
    control(control::kCom2Option)->setFocus();
    clock.advance(5000);
    EXPECT_FALSE(control(control::kPortSelector)->isVisible());
    EXPECT_EQ(window.focusWidget(), control(control::kComButton));
}

TEST_F(PanelWindowTest, givesScreenReadersANameForEveryControlAndTheLinesText) {
    EXPECT_EQ(control(control::kPowerOn)->accessibleName(), QStringLiteral("POWER ON"));
    EXPECT_EQ(control(control::kVolumePlus)->accessibleName(), QStringLiteral("VOL +"));
    EXPECT_EQ(control(control::kCom1Option)->accessibleName(), QStringLiteral("COM1"));
    EXPECT_EQ(control(control::kRxdLine)->accessibleDescription(), QStringLiteral("RXD"));

    QTest::mouseClick(control(control::kPowerOn), Qt::LeftButton);
    EXPECT_EQ(control(control::kTxdLine)->accessibleName(), QStringLiteral(" C 0 0 CR "));
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(control(control::kViewToggle)->accessibleName(), QStringLiteral("CLOSE"));
}

TEST_F(PanelWindowTest, reachesTheViewToggleBelowTheNormalViewWithTabAndSpace) {
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    QTest::mouseClick(control(control::kViewToggle),
                      Qt::LeftButton);  // CLOSE: normal view, toggle shown
    ASSERT_EQ(clientHeightPixels(), window.pixels(4825));
    control(control::kPowerOn)->setFocus();
    for (int i = 0; i < 100 && window.focusWidget() != control(control::kViewToggle); ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(window.focusWidget(), control(control::kViewToggle));
    QTest::keyClick(control(control::kViewToggle), Qt::Key_Space);
    EXPECT_EQ(clientHeightPixels(), window.pixels(6270));
}

TEST_F(PanelWindowTest, showsOnlyTheHeadOfAFloodingReception) {
    port.receive(std::string(30'000, 'A'));
    const QString shown = qobject_cast<QLabel*>(control(control::kRxdLine))->text();
    EXPECT_GT(shown.size(), 100);
    EXPECT_LT(shown.size(), 1000);
    EXPECT_TRUE(shown.startsWith(QStringLiteral(" A A A")));
}

}  // namespace
}  // namespace qm5::test
