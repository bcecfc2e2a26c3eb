// SPDX-License-Identifier: MIT
// The three views as pixels, against reference images that were checked by eye against the
// layout. They catch what comparing the widgets with their own table cannot: a wrong colour,
// font, weight or alignment in the table itself. Set QM5_WRITE_REFERENCES=1 to write new ones,
// then look at every one before committing it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/controls.h"
#include "widgets/panel_window_fixture.h"

namespace qm5::test {
namespace {

/// How far a channel may stray (anti-aliasing), and how many pixels may stray further.
constexpr int kChannelTolerance = 32;
constexpr int kStrayPixelsAllowed = 8;

int strayPixels(const QImage& actual, const QImage& expected) {
    int stray = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            const int worst =
                std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                          std::abs(qBlue(a) - qBlue(e))});
            if (worst > kChannelTolerance) ++stray;
        }
    }
    return stray;
}

struct ViewImageTest : PanelWindowTest {
    void expectLooksLike(const char* view) {
        const QString path = QStringLiteral(QM5_REFERENCE_DIR "/%1.png").arg(view);
        const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (std::getenv("QM5_WRITE_REFERENCES") != nullptr) {
            ASSERT_TRUE(actual.save(path));
            return;
        }
        const QImage expected(path);
        ASSERT_FALSE(expected.isNull()) << path.toStdString();
        ASSERT_EQ(actual.size(), expected.size()) << view;
        const int stray = strayPixels(actual, expected.convertToFormat(QImage::Format_RGB32));
        if (stray > kStrayPixelsAllowed) {
            const QString seen = QStringLiteral("%1/%2-actual.png").arg(QDir::tempPath(), view);
            actual.save(seen);
            ADD_FAILURE() << view << ": " << stray << " pixels differ; see " << seen.toStdString();
        }
    }
};

TEST_F(ViewImageTest, normalDataAndMaintenanceViewsLookAsDrawn) {
    ASSERT_DOUBLE_EQ(window.twipsPerPixel(), 15.0) << "references are drawn at 96 DPI";
    expectLooksLike("normal");
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    expectLooksLike("maintenance");
    QTest::mouseClick(control(control::kViewToggle), Qt::LeftButton);  // CLOSE: normal view
    control(control::kViewToggle)->setFocus();
    QTest::keyClick(control(control::kViewToggle), Qt::Key_Space);  // data view
    control(control::kPowerOn)->setFocus();
    expectLooksLike("data");
}

}  // namespace
}  // namespace qm5::test
