// What the tests of the three binary log readers (CT, NA, QW) check alike: times as
// text, the reader's messages as one text, and a round trip through a generated file.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/text.h"
#include "engine/contestlog.h"

namespace qz::test {

// "yyyy-mm-dd hh:mm", with ":ss" when `seconds`.
inline std::string Stamp(TDateTime t, bool seconds) {
    const CivilDate d = DecodeDate(t);
    const CivilTime c = DecodeTime(t);
    std::string text = Format("%.4d-%.2d-%.2d %.2d:%.2d", d.year, d.month, d.day, c.hour, c.minute);
    return seconds ? text + Format(":%.2d", c.second) : text;
}

// Every message followed by a line end.
inline std::string MessageLines(const std::vector<std::string>& messages) {
    std::string m;
    for (const auto& s : messages) m += s + "\n";
    return m;
}

// The fields every binary format carries back from a native log line by line: call,
// band, mode, time (to the second with `seconds`), received RST and first received
// number, and with `sentRST` the sent RST.
inline void ExpectSameLines(const TContestLog& native, const TContestLog& back, bool seconds, bool sentRST) {
    ASSERT_EQ(back.NoOfQSOs(), native.NoOfQSOs());
    for (int k = 0; k < native.NoOfQSOs(); ++k) {
        const TQSO& a = *native.QSOs(k);
        const TQSO& b = *back.QSOs(k);
        EXPECT_EQ(b.Call().Call(), a.Call().Call());
        EXPECT_EQ(b.Band(), a.Band());
        EXPECT_EQ(b.Mode(), a.Mode());
        EXPECT_EQ(Stamp(b.DateTime(), seconds), Stamp(a.DateTime(), seconds));
        if (sentRST) {
            EXPECT_EQ(b.SentRST(), a.SentRST());
        }
        EXPECT_EQ(b.RcvdRST(), a.RcvdRST());
        EXPECT_EQ(b.RcvdNumbers(0), a.RcvdNumbers(0));
    }
}

}  // namespace qz::test
