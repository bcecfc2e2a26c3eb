// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/serial_error.h"
#include "devices/line_settings.h"

namespace qm5 {
namespace {

TEST(LineSettingsTest, parsesSpeedParityDataAndStopBits) {
    EXPECT_EQ(parseLineSettings("19200,N,8,1"),
              (LineSettings{19200, Parity::None, 8, StopBits::One}));
    EXPECT_EQ(parseLineSettings("9600,e,7,2"),
              (LineSettings{9600, Parity::Even, 7, StopBits::Two}));
    EXPECT_EQ(parseLineSettings("300,O,5,1.5"),
              (LineSettings{300, Parity::Odd, 5, StopBits::OneAndHalf}));
}

TEST(LineSettingsTest, refusesMalformedSettings) {
    for (const char* bad :
         {"", "19200", "19200,N,8", "19200,N,8,1,1", "x,N,8,1", "0,N,8,1", "19200,Q,8,1",
          "19200,N,9,1", "19200,N,8,3", "19200,NN,8,1", "19200 ,N,8,1"}) {
        EXPECT_THROW(parseLineSettings(bad), SerialError) << bad;
    }
}

}  // namespace
}  // namespace qm5
